"""The ruler from the keyboard and for assistive technology: the context menu by key, and the readouts as an accessible value."""
import json
import time

from winebench import centre, move_mouse, press_keys, settings, wait_for


def test_the_menu_by_key_and_the_readouts_as_an_accessible_value(velmar, tmp_path):
    rect = velmar.start()["rect"]
    for key, unit, downs in (("Menu", "INCH", 4), ("shift+F10", "PIX", 2)):  # "in Inch", then back to "in Pixel"
        velmar.focus()
        press_keys(key)
        assert velmar.menus(1)[0][:2] == [rect[0] + 5, rect[1] + 5], "the menu by the ruler's top-left corner"
        press_keys(*("Down",) * downs, "Return")
        velmar.menus(0)
        wait_for(velmar.saved, lambda saved: saved == settings(unit=unit), f"{unit} chosen by keys")
    # The readouts as an accessible value, and its changes.
    move_mouse(rect[0] + 245, rect[1] + 300)
    wait_for(lambda: velmar.ask("accvalue", "Velmar"), lambda seen: (seen["name"], seen["value"]) == ("Velmar", "Abstand 245 Pixel"),
             "the thin ruler's value, read from another process")
    ruler = velmar.place(100, 300, 400, 130)["rect"]
    move_mouse(620, 100)
    value = wait_for(lambda: velmar.ask("accvalue", "Velmar")["value"], lambda seen: seen.startswith("Abstand 520 Pixel; "),
                     "the tall ruler's value after a move")
    assert value.startswith("Abstand 520 Pixel; Position 620, 100 Pixel; Farbe #"), value
    # Moving for two seconds raises no more than five value changes a second.
    log = tmp_path / "events.log"
    listener = velmar.prefix.spawn(velmar.probe, "winevents", "Velmar", 2500, log=log)
    wait_for(lambda: log.read_text(), lambda text: "hooked" in text, "the listener")
    end, step = time.monotonic() + 2, 0
    while time.monotonic() < end:
        step += 1
        move_mouse(*centre(ruler)) if step % 2 else move_mouse(200 + step % 300, 650)
    listener.wait(timeout=30)
    events = json.loads(log.read_text().splitlines()[-1])["events"]
    assert events and all(later - earlier >= 200 for earlier, later in zip(events, events[1:])), events
    assert max(sum(1 for t in events if start <= t < start + 1000) for start in events) <= 5, events
