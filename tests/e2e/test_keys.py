"""Keys while the ruler has the keyboard: the arrows nudge it, Ctrl+C copies the colour under the mouse."""
from winebench import (Screenshot, centre, child, click, move_mouse, press_keys, wait_for, wait_for_pixel, xdotool)

ALPHA_SLIDER = 35
PATTERN = (0x33, 0x66, 0xCC)
DISTANCE_PANE = (45, 14, 85, 34)


def moved(rect, dx=0, dy=0, grow_x=0, grow_y=0) -> list:
    return [rect[0] + dx, rect[1] + dy, rect[2] + dx + grow_x, rect[3] + dy + grow_y]


def test_arrows_move_the_ruler_and_ctrl_arrows_move_its_far_edges(velmar):
    rect = velmar.start()["rect"]
    move_mouse(*centre(rect))  # no click: after its start the ruler has the keyboard
    for keys, expected in [("Right", moved(rect, dx=1)), ("shift+Down", moved(rect, dx=1, dy=10)),
                           ("ctrl+Right", moved(rect, dx=1, dy=10, grow_x=1)),
                           ("ctrl+shift+Up", moved(rect, dx=1, dy=10, grow_x=1, grow_y=-1))]:  # 41 high: stops at 40
        press_keys(keys)
        rect = velmar.wait_for_rect(expected, f"{keys} to give {expected}")["rect"]
    # At the smallest width Ctrl+Left changes nothing; the next Ctrl+Right shows the keys still arrive.
    velmar.prefix.wine(velmar.probe, "place", "Velmar", 300, 300, 45, 60)
    smallest = velmar.wait_for_rect([300, 300, 345, 360], "the ruler at its smallest width")["rect"]
    velmar.focus()
    press_keys("ctrl+Left", "ctrl+Right")
    velmar.wait_for_rect(moved(smallest, grow_x=1), "Ctrl+Left to change nothing and Ctrl+Right to widen it")


def test_ctrl_c_copies_the_colour_last_sampled_under_the_mouse(velmar, tmp_path):
    left, top = velmar.start()["rect"][:2]
    velmar.prefix.spawn(velmar.probe, "colorwindow", 700, 550, 100, 100, "%02X%02X%02X" % PATTERN,
                        log=tmp_path / "colorwindow.log")
    shot_path = tmp_path / "screen.ppm"
    wait_for_pixel(shot_path, 750, 600, PATTERN)
    velmar.focus()
    # The X keyboard focus stays on the ruler while the mouse leaves it (without a window manager
    # it would follow the pointer to the coloured window).
    xdotool("windowfocus", "--sync", xdotool("search", "--name", "^Velmar$").split()[0])
    before = Screenshot(shot_path).picture((left, top), DISTANCE_PANE)
    move_mouse(750, 600)
    wait_for(lambda: Screenshot(shot_path).picture((left, top), DISTANCE_PANE), lambda pane: pane != before,
             "the ruler to sample the mouse over the coloured square")
    press_keys("ctrl+c")
    text = "#%02X%02X%02X" % PATTERN
    wait_for(lambda: velmar.ask("clipboard"), lambda copied: copied == {"unicode": text, "ansi": text},
             f"{text} on the clipboard")


def test_a_clicked_slider_takes_the_arrows_until_the_ruler_is_pressed(velmar):
    velmar.store({"MitTransparentSlider": ("REG_SZ", "1")})
    window = velmar.start()
    rect = window["rect"]
    slider = child(window, ALPHA_SLIDER)["rect"]
    click(slider[2] - 8, slider[1] + 7)  # the thumb, at 255
    press_keys("Left", "Left")
    translucent = wait_for(velmar.window, lambda w: w["alpha"] == 253, "the slider to step to 253")
    assert translucent["rect"] == rect, "the arrows moved the ruler while the slider had the keyboard"
    velmar.focus()
    press_keys("Left")
    velmar.wait_for_rect(moved(rect, dx=-1), "Left to move the ruler once it was pressed")
