"""Moving, resizing and turning the ruler with the mouse, nudging it with the keys, and copying the colour."""
import pytest

from winebench import ALPHA_SLIDER, Screenshot, centre, child, click, drag, move_mouse, press_keys, wait_for, wait_for_pixel, xdotool


def moved(rect, dx=0, dy=0, wider=0, higher=0) -> list:
    return [rect[0] + dx, rect[1] + dy, rect[2] + dx + wider, rect[3] + dy + higher]


@pytest.mark.parametrize("band, offset", [("top", (-70, 90)), ("bottom", (130, -150))])
def test_dragging_a_band_moves_the_ruler_by_the_drag(velmar, band, offset):
    rect = velmar.start()["rect"]
    press = (rect[0] + 200, rect[1] + 12 if band == "top" else rect[3] - 12)  # 12 px in from an edge: a band
    drag(press, (press[0] + offset[0], press[1] + offset[1]), started=lambda: velmar.window()["moving"])
    velmar.wait_for_rect(moved(rect, *offset), f"the ruler to follow the drag by {offset}")


def test_corner_drag_resizes_down_to_the_smallest_size_and_a_double_click_turns_it(velmar):
    left, top, right, bottom = velmar.start()["rect"]
    drag((right - 3, bottom - 3), (left + 297, top + 37), started=lambda: velmar.window()["moving"])
    wide = velmar.wait_for_rect([left, top, left + 300, top + 40], "the ruler to become 300x40")["rect"]
    px, py = left + 100, top + 15  # in the top band: the first click of the pair starts a move
    click(px, py, repeat=2)
    velmar.wait_for_rect([px + py - top - 40, py - px + left, px + py - top, py - px + left + 300], "a clockwise turn")
    click(px, py, repeat=2)
    velmar.wait_for_rect(wide, "the tall ruler to turn back about the same point")
    drag((left + 297, top + 37), (max(left - 150, 1), max(top - 150, 1)), started=lambda: velmar.window()["moving"])
    velmar.wait_for_rect([left, top, left + 45, top + 40], "the ruler to stop shrinking at 45 x 40")


def test_arrows_move_the_ruler_or_its_far_edges_or_a_clicked_slider(velmar):
    velmar.store({"MitTransparentSlider": ("REG_SZ", "1")})
    rect = velmar.start()["rect"]
    move_mouse(*centre(rect))  # no click: after its start the ruler has the keyboard
    for keys, expected in [("Right", moved(rect, dx=1)), ("Return", moved(rect, dx=1)), ("shift+Down", moved(rect, 1, 10)),
                           ("ctrl+Right", moved(rect, 1, 10, wider=1)), ("ctrl+shift+Up", moved(rect, 1, 10, 1, -1))]:
        press_keys(keys)  # Return changes nothing; the last goes from 41 to 40 high, the smallest height
        rect = velmar.wait_for_rect(expected, f"{keys} to give {expected}")["rect"]
    slider = child(velmar.window(), ALPHA_SLIDER)["rect"]
    click(slider[2] - 8, slider[1] + 7)  # the thumb, at 255: the arrows move it and not the ruler
    press_keys("Left", "Left")
    assert wait_for(velmar.window, lambda w: w["alpha"] == 253, "the slider to step to 253")["rect"] == rect
    smallest = velmar.place(300, 300, 45, 60)["rect"]
    velmar.focus()  # a press on the ruler gives it the keyboard back
    press_keys("ctrl+Left", "Left")  # nothing at the smallest width, then one pixel to the left
    velmar.wait_for_rect(moved(smallest, dx=-1), "Ctrl+Left to change nothing and Left to move the ruler")


def test_ctrl_c_copies_the_colour_last_read_under_the_mouse(velmar, tmp_path):
    left, top = velmar.start()["rect"][:2]
    velmar.prefix.spawn(velmar.probe, "colorwindow", 700, 550, 100, 100, "3366CC", log=tmp_path / "c.log")
    wait_for_pixel(tmp_path / "s.ppm", 750, 600, (0x33, 0x66, 0xCC))
    velmar.focus()
    # The X keyboard focus stays on the ruler while the mouse leaves it (without a window
    # manager it would follow the pointer); the distance readout tells the mouse was read.
    xdotool("windowfocus", "--sync", xdotool("search", "--name", "^Velmar$").split()[0])
    distance = lambda: Screenshot(tmp_path / "s.ppm").ink(left + 45, top + 14, ["." * 40] * 20)  # noqa: E731
    before = distance()
    move_mouse(750, 600)
    wait_for(distance, lambda ink: ink != before, "the ruler to read the mouse over the coloured square")
    press_keys("ctrl+c")
    wait_for(lambda: velmar.ask("clipboard"), lambda copied: copied == {"unicode": "#3366CC", "ansi": "#3366CC"}, "#3366CC copied")
    # Another program holding the clipboard: Ctrl+C leaves it as it was, and works again after.
    log = tmp_path / "held.log"
    holder = velmar.prefix.spawn(velmar.probe, "holdclipboard", 3000, log=log)
    wait_for(lambda: log.read_text(), lambda text: "held" in text, "the clipboard to be held")
    move_mouse(300, 650)
    press_keys("ctrl+c")
    holder.wait(timeout=30)
    assert velmar.ask("clipboard")["unicode"] == "#3366CC" and velmar.window()
    press_keys("ctrl+c")
    wait_for(lambda: velmar.ask("clipboard")["unicode"], lambda copied: copied != "#3366CC", "the colour copied once the clipboard is free")
