"""The context menu, the zoom dialog and the transparency, driven as a user does; settings read back at the end."""
from winebench import IDCANCEL, centre, child, click, drag, press_keys, settings, tick_rows, wait_for

WS_EX_LAYERED = 0x80000
ALPHA_SLIDER = 35
RADIO_125, RADIO_120, RADIO_100, RADIO_75 = 1006, 1007, 1009, 1010
RADIOS = range(1003, 1012)
PERCENT_EDIT = 1012
INVALID_NUMBER = "Bitte geben Sie eine ganze Zahl ein."
MM = {"Einheit": ("REG_SZ", "MM")}

# Keys that walk the context menu from nothing selected; the separator is skipped.
IN_INCH, TRANSPARENT = ("Down",) * 3, ("Down",) * 4
ZOOM_SUBMENU = ("Down",) * 5 + ("Right",)  # opens it with its first item, "100%", selected
ZOOM_ITEMS = ("100%", "120%", "150%", "75%", "andere")


def client_point(window: dict, x: int, y: int) -> tuple:
    return window["client"][0] + x, window["client"][1] + y


def wait_for_marks(tmp_path, window: dict, expected: dict, what: str) -> None:
    assert window["dpi"] == [96, 96], "the scale columns the tests look at assume 96 dpi"
    wait_for(lambda: tick_rows(tmp_path / "screen.ppm", window, expected), lambda rows: rows == expected, what)


def choose(velmar, *keys: str) -> None:
    press_keys(*keys, "Return")
    velmar.menus(0)


def open_zoom_submenu(velmar, window: dict) -> list:
    """Opens the context menu and its "Zoom" submenu; returns the submenu's rectangle."""
    menu = velmar.open_menu(client_point(window, 200, 20))
    press_keys(*ZOOM_SUBMENU)
    submenu = [box for box in velmar.menus(2) if box != menu]
    assert len(submenu) == 1, f"cannot tell the submenu from the menu at {menu}"
    return submenu[0]


# --- the context menu ----------------------------------------------------------------------

def test_menu_opens_at_the_press_point_and_inch_repaints_the_scale(velmar, tmp_path):
    window = velmar.start()
    # Pixel scale: a numbered mark at 100, nothing at 96. Inch scale: the mark of 1 inch at 96.
    wait_for_marks(tmp_path, window, {96: 0, 100: 9}, "the pixel scale")
    for press, keys in (((150, 20), ("Escape",)), ((300, 30), IN_INCH + ("Return",))):
        point = client_point(window, *press)
        menu = velmar.open_menu(point)
        assert tuple(menu[:2]) == point, f"menu box {menu}, pressed at {point}"
        press_keys(*keys)
        velmar.menus(0)
    wait_for_marks(tmp_path, window, {96: 9, 100: 0}, "the inch scale")
    assert velmar.end() == settings("0", "INCH", 100)


def test_zoom_preset_chosen_with_the_mouse_rescales_centimetres_and_is_kept(velmar, tmp_path):
    velmar.store(MM)
    window = velmar.start()
    # Centimetre marks at 96 dpi: zoom 100 numbers 37, 75, 113 (56 is the 15 mm mark, 8 long);
    # zoom 75 numbers 28, 56, 85.
    wait_for_marks(tmp_path, window, {56: 7, 75: 9}, "the centimetre scale at zoom 100")
    left, top, right, bottom = open_zoom_submenu(velmar, window)
    # The items are equally high; the menu's frame is far less than half an item.
    click((left + right) // 2, top + (bottom - top) * (2 * ZOOM_ITEMS.index("75%") + 1) // (2 * len(ZOOM_ITEMS)))
    velmar.menus(0)
    wait_for_marks(tmp_path, window, {56: 9, 75: 0}, "the centimetre scale at zoom 75")
    assert velmar.end() == settings("0", "MM", 75)


def test_transparent_shows_the_alpha_slider_and_is_kept(velmar):
    window = velmar.start()
    assert not child(window, ALPHA_SLIDER)["visible"], "the alpha slider is shown on a first start"
    velmar.open_menu(client_point(window, 150, 20))
    choose(velmar, *TRANSPARENT)
    window = wait_for(velmar.window, lambda w: child(w, ALPHA_SLIDER)["visible"], "the alpha slider to show")
    assert not window["exstyle"] & WS_EX_LAYERED, "showing the slider made the window layered"
    assert velmar.end() == settings("1", "PIX", 100)


# --- the zoom dialog -----------------------------------------------------------------------

def wait_for_dialog(velmar, edit, radios: list, what: str) -> None:
    """Waits until one zoom dialog shows edit with exactly the radios checked; with edit None, until none is shown."""
    def states() -> list:
        return [(child(dialog, PERCENT_EDIT)["text"], [control["id"] for control in dialog["children"]
                                                        if control["id"] in RADIOS and control["checked"]])
                for dialog in velmar.texts("Zoom")]
    wait_for(states, lambda seen: seen == ([] if edit is None else [(edit, radios)]), what)


def open_zoom_dialog(velmar, window: dict, edit: str, radios: list) -> dict:
    """Chooses "Zoom" > "andere" by keyboard, waits for the dialog to show edit and radios, and returns it."""
    open_zoom_submenu(velmar, window)
    choose(velmar, *("Down",) * ZOOM_ITEMS.index("andere"))
    wait_for_dialog(velmar, edit, radios, f"the zoom dialog to show {edit}")
    return velmar.texts("Zoom")[0]


def click_edit_end(dialog: dict) -> None:
    """Puts the keyboard into the percent edit with the caret after its last character."""
    edit = child(dialog, PERCENT_EDIT)["rect"]
    click(edit[0] + 8, (edit[1] + edit[3]) // 2)  # left part: the spin covers the edit's right end
    press_keys("End")


def test_zoom_dialog_ok_takes_the_typed_number_and_cancel_keeps_the_zoom(velmar):
    velmar.store(MM)
    window = velmar.start()
    dialog = open_zoom_dialog(velmar, window, "100", [RADIO_100])
    assert all(abs(a - b) <= 1 for a, b in zip(centre(dialog["rect"]), centre(window["rect"]))), \
        f"dialog {dialog['rect']} is not centred over the ruler {window['rect']}"
    click_edit_end(dialog)
    press_keys("BackSpace", "BackSpace", "3", "0")
    wait_for_dialog(velmar, "130", [], "the typed 130 with no preset selected")
    press_keys("Return")
    wait_for_dialog(velmar, None, [], "the zoom dialog to close")
    assert velmar.end() == settings("0", "MM", 130)

    dialog = open_zoom_dialog(velmar, velmar.start(), "130", [])
    click(*centre(child(dialog, RADIO_75)["rect"]))
    wait_for_dialog(velmar, "75", [RADIO_75], "the 75% preset")
    click(*centre(child(dialog, IDCANCEL)["rect"]))
    wait_for_dialog(velmar, None, [], "the zoom dialog to close")
    assert velmar.end() == settings("0", "MM", 130)


def test_letter_in_the_zoom_edit_is_refused_and_the_number_comes_back(velmar):
    velmar.store({**MM, "Zoom": ("REG_DWORD", 120)})
    dialog = open_zoom_dialog(velmar, velmar.start(), "120", [RADIO_120])
    click_edit_end(dialog)
    press_keys("x")

    def messages() -> list:  # a message box carries the ruler's title
        return [control for box in velmar.texts("Velmar") for control in box["children"]
                if control["text"] == INVALID_NUMBER]
    message = wait_for(messages, lambda found: len(found) == 1, "the invalid-number message")[0]
    click(*centre(message["rect"]))  # gives the message box the keys
    press_keys("Return")
    wait_for(messages, lambda found: not found, "the message to close")
    wait_for_dialog(velmar, "120", [RADIO_120], "the previous number to come back")
    press_keys("End", "BackSpace", "5")  # the focus is back in the edit
    wait_for_dialog(velmar, "125", [RADIO_125], "the typed 125")
    press_keys("Return")
    wait_for_dialog(velmar, None, [], "the zoom dialog to close")
    assert velmar.end() == settings("0", "MM", 125)


# --- transparency --------------------------------------------------------------------------

def translucent(window: dict) -> bool:
    return bool(window["exstyle"] & WS_EX_LAYERED) and window["alpha"] is not None and 20 <= window["alpha"] < 255


def opaque(window: dict) -> bool:
    return not window["exstyle"] & WS_EX_LAYERED


def test_dragging_the_alpha_slider_layers_the_window_and_back_to_the_end_unlayers_it(velmar):
    velmar.store({"MitTransparentSlider": ("REG_SZ", "1")})
    window = velmar.start()
    slider = child(window, ALPHA_SLIDER)["rect"]
    left, top = window["client"][:2]
    assert child(window, ALPHA_SLIDER)["visible"] and slider == [left + 10, top + 10, left + 80, top + 25], slider
    assert opaque(window), "the ruler starts translucent"

    thumb = (slider[2] - 8, slider[1] + 7)  # at the right end: position 255
    moved = (thumb[0] - 40, thumb[1])
    held = drag(thumb, moved, held=lambda: wait_for(
        velmar.window, translucent, "the window to turn translucent while the thumb moves"))
    released = velmar.window()
    assert translucent(released) and released["alpha"] == held["alpha"], (held["alpha"], released["alpha"])
    drag(moved, (slider[2] + 30, thumb[1]), held=lambda: wait_for(
        velmar.window, opaque, "WS_EX_LAYERED to go at the slider's right end"))
    assert opaque(velmar.window())
