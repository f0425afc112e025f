"""Every way out of the ruler ends it cleanly, and what the user chose is kept, even when Windows ends it."""
from test_menu_and_dialog import IN_INCH, MM, OTHER, TRANSPARENT, choose, dialog
from winebench import click, drag, press_keys, settings, wait_for


def test_close_from_outside_while_the_zoom_dialog_runs(velmar):
    velmar.store(MM)
    velmar.start()
    choose(velmar, *OTHER)
    dialog(velmar, "100", ["100"])
    velmar.ask("close", "Velmar")  # the taskbar's "Close window"
    velmar.wait_exit()
    assert velmar.saved() == settings(unit="MM")  # nothing else was changed


def test_the_end_of_the_session_keeps_what_was_chosen_and_the_place_of_a_minimized_ruler(velmar):
    rect = velmar.start()["rect"]
    velmar.focus()
    press_keys("Right")
    moved = velmar.wait_for_rect([rect[0] + 1, rect[1], rect[2] + 1, rect[3]], "the nudged ruler")["rect"]
    choose(velmar, *IN_INCH)
    choose(velmar, *TRANSPARENT)
    velmar.ask("minimize", "Velmar")
    wait_for(lambda: velmar.window()["rect"], lambda r: r != moved, "the ruler to be minimized")
    velmar.prefix.wine("wineboot", "--end-session", "--force")
    velmar.process.wait(timeout=30)
    velmar.prefix.shutdown()  # the whole session ends; the next one reads what was kept
    velmar.prefix.start_server()
    assert velmar.saved() == settings("1", "INCH")
    assert velmar.start()["rect"] == moved, "not back where it was before it was minimized"


def test_two_rulers_never_undo_each_others_choices(velmar, tmp_path):
    first = velmar.start()["rect"]
    other = velmar.prefix.spawn(velmar.exe, log=tmp_path / "other.log")
    wait_for(lambda: velmar.windows("Velmar"), lambda shown: len(shown) == 2, "a second ruler on the first")
    drag((first[0] + 200, first[1] + 12), (first[0] + 200, first[1] + 112), started=lambda: velmar.window()["moving"])
    second = wait_for(lambda: [w["rect"] for w in velmar.windows("Velmar") if w["rect"] != first], bool, "the second dragged")[0]
    velmar.open_menu((first[0] + 150, first[1] + 20))
    press_keys("Down", "Return")  # "in cm" in the first
    wait_for(velmar.saved, lambda saved: saved == settings(unit="MM"), "centimetres to be stored")
    click(second[0] + 150, second[1] + 20, button=4)  # a notch over the second: its magnifier
    wait_for(lambda: velmar.saved_value("Lupe"), lambda value: value == ("REG_DWORD", 3), "the factor to be stored")
    click(second[0] + 150, second[1] + 20)
    press_keys("Escape")
    assert other.wait(timeout=15) == 0
    assert velmar.saved() == settings(unit="MM") and velmar.saved_value("Lupe") == ("REG_DWORD", 3)
