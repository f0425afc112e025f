"""The context menu, the zoom dialog and the transparency slider, driven as a user does; every change is stored at once."""
from winebench import ALPHA_SLIDER, IDCANCEL, PERCENT_EDIT, TICK, Screenshot, centre, child, click, drag, move_mouse, press_keys, settings, wait_for

# From no item selected: "in cm", "in Pixel", "in logischen Pixeln", "in Inch", "Transparent", "Zoom".
IN_PIXEL, IN_LOGICAL, IN_INCH, TRANSPARENT = ("Down",) * 2, ("Down",) * 3, ("Down",) * 4, ("Down",) * 5
ZOOM = ("Down",) * 6 + ("Right",)
OTHER = ZOOM + ("Down",) * 4  # "andere", the last of "100%", "120%", "150%", "75%", "andere"
MM, LAYERED = {"Einheit": ("REG_SZ", "MM")}, 0x80000


def open_menu(velmar) -> list:
    return velmar.open_menu(tuple(a + b for a, b in zip(velmar.window()["rect"], (25, 6))))  # among the ticks, by no part


def choose(velmar, *keys: str) -> None:
    open_menu(velmar)
    press_keys(*keys, "Return")
    velmar.menus(0)


def marks(velmar, tmp_path, expected: dict, what: str) -> None:
    # Waits until so many rows of each client column show the tick colour from the top edge down.
    def rows():
        shot, (left, top) = Screenshot(tmp_path / "s.ppm"), velmar.window()["rect"][:2]
        return {x: next(y for y in range(21) if y == 20 or shot.pixel(left + x, top + y) != TICK) for x in expected}
    wait_for(rows, lambda seen: seen == expected, what)


def test_menu_opens_at_the_press_point_and_changes_unit_and_zoom(velmar, tmp_path):
    velmar.store(MM)
    point = tuple(a + b for a, b in zip(velmar.start()["rect"], (300, 30)))
    marks(velmar, tmp_path, {56: 7, 75: 9}, "centimetres at zoom 100: 15 and 20 mm")
    assert velmar.open_menu(point)[:2] == list(point)
    press_keys(*ZOOM, "Down", "Down", "Down", "Return")  # "75%", the fourth of five
    marks(velmar, tmp_path, {56: 9, 75: 0}, "centimetres at zoom 75")
    assert velmar.saved() == settings(unit="MM", zoom=75)
    choose(velmar, *IN_INCH)
    marks(velmar, tmp_path, {96: 9, 100: 0}, "inches")
    assert velmar.saved() == settings(unit="INCH", zoom=75)
    # The zero edge's number stands whole beside the side's ticks, not cut in half by the edge.
    rect, zero = velmar.window()["rect"], velmar.ask("text", 96, "0")["rows"]
    assert Screenshot(tmp_path / "s.ppm").find(zero, (rect[0], rect[1], rect[0] + 30, rect[3]), TICK), "no whole 0 by the zero edge"


def dialog(velmar, edit: str, selected: list) -> dict:
    # Waits until one zoom dialog shows edit with exactly the radios of selected ("75" for "75%") checked.
    def state():
        return [(child(d, PERCENT_EDIT)["text"], sorted(c["text"][:-1] for c in d["children"] if c["checked"]))
                for d in velmar.windows("Zoom")]
    wait_for(state, lambda seen: seen == ([] if edit is None else [(edit, sorted(selected))]), f"the dialog with {edit}")
    return velmar.windows("Zoom")[0] if edit is not None else None


def type_into_edit(box: dict, *keys: str) -> None:
    # Replaces the edit's text; it never goes empty, which the dialog would refuse.
    edit = child(box, PERCENT_EDIT)["rect"]
    click(edit[0] + 8, (edit[1] + edit[3]) // 2)  # its left part: the spin covers the right end
    press_keys("Home", "shift+End", *keys)


def dismiss_message(velmar, text: str) -> None:
    # Waits for the ruler's message box that says text and closes it with its button.
    message = wait_for(lambda: [c for b in velmar.windows("Velmar") if b["owned"] for c in b["children"] if c["text"] == text],
                       bool, f"the message {text}")[0]
    click(*centre(message["rect"]))
    press_keys("Return")


def test_zoom_dialog_takes_typed_numbers_refuses_others_and_keeps_its_spin_in_range(velmar):
    velmar.store(MM)
    velmar.start()
    window = velmar.place(100, 300, 400, 130)  # tall: its magnifier slider could take the keyboard from the ruler
    velmar.focus()
    choose(velmar, *OTHER)
    box = dialog(velmar, "100", ["100"])
    assert max(abs(a - b) for a, b in zip(centre(box["rect"]), centre(window["rect"]))) <= 1, "not centred over the ruler"
    for typed, spin, shown, selected in [("499", ("Up",) * 2, "500", []), ("11", ("Down",) * 2, "10", []),
                                         ("109", ("Up",), "110", ["110"]), ("07", (), "7", []), ("125", (), "125", ["125"]),
                                         ("13x", (), "13", []), ("9" * 10, (), "9" * 9, [])]:  # the last two refused
        type_into_edit(box, *typed, *spin)  # the spin steps up to 500 and down to 10
        if typed in ("13x", "9" * 10):
            dismiss_message(velmar, "Bitte geben Sie eine ganze Zahl ein.")
        dialog(velmar, shown, selected)
    type_into_edit(box, "0", "Return")  # below 1: the first OK puts 1 there and keeps the dialog open
    dialog(velmar, "1", [])
    press_keys("Return")
    wait_for(velmar.saved, lambda saved: saved == settings(unit="MM", zoom=1), "the zoom 1 to be stored")
    choose(velmar, *OTHER)
    box = dialog(velmar, "1", [])
    click(*centre(child(box, 1010)["rect"]))  # "75%"
    dialog(velmar, "75", ["75"])
    click(*centre(child(box, IDCANCEL)["rect"]))
    dialog(velmar, None, [])
    assert velmar.saved() == settings(unit="MM", zoom=1)
    move_mouse(*centre(window["rect"]))  # resting on the ruler, with no click: the keyboard is still the ruler's
    press_keys("Right")
    velmar.wait_for_rect([101, 300, 501, 430], "Right to move the ruler after the dialog")


def test_transparent_shows_the_slider_which_makes_the_ruler_translucent_down_to_20(velmar, tmp_path):
    rect = velmar.start()["rect"]
    choose(velmar, *TRANSPARENT)
    window = wait_for(velmar.window, lambda w: child(w, ALPHA_SLIDER)["visible"], "the slider to show")
    slider = child(window, ALPHA_SLIDER)["rect"]
    assert velmar.saved() == settings("1") and not window["exstyle"] & LAYERED
    for x in (245, 310):  # the distance follows the mouse in sight beside the slider
        move_mouse(rect[0] + x, rect[3] + 100)
        found = velmar.shows(tmp_path / "s.ppm", rect, f"{x} px")[f"{x} px"]
        assert found[2] <= slider[0] or slider[2] <= found[0], f"the slider {slider} covers the distance {found}"
    thumb = (slider[2] - 8, (slider[1] + slider[3]) // 2)  # at the right end: 255
    drag(thumb, (slider[0] - 30, thumb[1]), held=lambda: wait_for(velmar.window, lambda w: w["alpha"] == 20 and w["exstyle"] & LAYERED,
                                                                  "the most transparent while the thumb moves"))
    choose(velmar, *TRANSPARENT)  # hides the slider, keeps the opacity
    window = wait_for(velmar.window, lambda w: not child(w, ALPHA_SLIDER)["visible"], "the slider to hide")
    assert window["alpha"] == 20 and velmar.saved() == settings("0")
    choose(velmar, *TRANSPARENT)
    wait_for(velmar.window, lambda w: child(w, ALPHA_SLIDER)["visible"], "the slider again, at the same place")
    click(slider[0] + 8, thumb[1])  # on the thumb: the arrow keys move it by 5
    press_keys("Right", "Right")
    wait_for(lambda: velmar.saved_value("Transparenz"), lambda value: value == ("REG_DWORD", 30), "the opacity to be stored")
    velmar.end()
    window = velmar.start()
    assert window["alpha"] == 30 and child(window, ALPHA_SLIDER)["pos"] == 30, "the opacity after a restart"
    drag((slider[0] + 10, thumb[1]), (slider[2] + 30, thumb[1]))
    wait_for(velmar.window, lambda w: not w["exstyle"] & LAYERED, "full opacity: no layered window")


def test_the_menu_opens_by_key_at_the_rulers_corner(velmar):
    rect = velmar.start()["rect"]
    for key, unit, downs in (("Menu", "INCH", 4), ("shift+F10", "PIX", 2)):  # "in Inch", then back to "in Pixel"
        velmar.focus()
        press_keys(key)
        assert velmar.menus(1)[0][:2] == [rect[0] + 5, rect[1] + 5], "the menu by the ruler's top-left corner"
        press_keys(*("Down",) * downs, "Return")
        velmar.menus(0)
        wait_for(velmar.saved, lambda saved: saved == settings(unit=unit), f"{unit} chosen by keys")
