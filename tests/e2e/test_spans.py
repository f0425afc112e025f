"""Spans between edges: what lies under the mouse measured, copied and kept, in every orientation and unit."""
from test_menu_and_dialog import open_menu
from winebench import centre, click, move_mouse, press_keys, wait_for, wait_for_pixel, xdotool

PICTURE = (500, 100)  # velmar_probe's picture: 120x32 and 60x32 boxes 8 apart, a gradient to a black box, a 150x20 box


def at(dx: int, dy: int) -> tuple:
    return PICTURE[0] + dx, PICTURE[1] + dy


def show_picture(velmar, tmp_path) -> None:
    # The picture, once it is on the screen (a window that appears may take the keyboard).
    velmar.prefix.spawn(velmar.probe, "picture", *PICTURE, log=tmp_path / "picture.log")
    wait_for_pixel(tmp_path / "s.ppm", *at(30, 30), (0x33, 0x66, 0xCC))


def copies(velmar, point: tuple, text: str, keys: str = "ctrl+shift+c") -> None:
    # The keys (Ctrl+Shift+C: the measurement) with the mouse on `point` copy `text`.
    move_mouse(*point)
    velmar.pin_keyboard()
    press_keys(keys)
    wait_for(lambda: velmar.ask("clipboard")["unicode"], lambda seen: seen == text, f"{text} copied at {point}")


def test_spans_measure_what_lies_under_the_mouse_and_stay_on(velmar, tmp_path):
    velmar.start()
    show_picture(velmar, tmp_path)
    velmar.place(100, 400, 489, 41)
    velmar.focus()
    open_menu(velmar)
    press_keys("Up", "Return")  # "Kanten messen", the last item
    wait_for(lambda: velmar.saved_value("Kanten"), lambda value: value == ("REG_DWORD", 1), "spans on, stored")
    for point, text in ((at(60, 36), "120 px"), (at(20, 20), "120 px"), (at(144, 36), "8 px"), (at(100, 100), "200 px")):
        copies(velmar, point, text)  # a box, from its first pixel on; the gap; the gradient to the hard edge beyond it
    velmar.place(100, 400, 400, 130)  # tall: across and down
    copies(velmar, at(60, 36), "120 \u00d7 32 px")
    turned = velmar.place(30, 300, 41, 489)["rect"]  # turned: down
    copies(velmar, at(60, 36), "32 px")
    press_keys("z")  # the zero edge to the mouse's pixel: a turned ruler's top edge
    velmar.wait_for_rect([turned[0], at(60, 36)[1], turned[2], at(60, 36)[1] + 489], "the top edge on the mouse")
    velmar.place(100, 400, 489, 41)
    press_keys("z")  # a wide ruler's left edge
    velmar.wait_for_rect([at(60, 36)[0], 400, at(60, 36)[0] + 489, 441], "the zero edge on the mouse")
    # Ctrl+wheel widens the tolerance by 4 a notch, stored at once; the spans stay on after a restart.
    xdotool("keydown", "ctrl")
    try:
        click(*centre(velmar.window()["rect"]), button=4)
    finally:
        xdotool("keyup", "ctrl")
    wait_for(lambda: velmar.saved_value("Kantentoleranz"), lambda value: value == ("REG_DWORD", 28), "a wider tolerance")
    velmar.end()
    velmar.start()
    velmar.focus()
    copies(velmar, at(20, 20), "120 px")
    press_keys("e")  # off again: Ctrl+Shift+C copies the distance
    copies(velmar, at(20, 20), f"{at(20, 20)[0] - velmar.window()['rect'][0]} px")
    assert velmar.saved_value("Kanten") == ("REG_DWORD", 0)
