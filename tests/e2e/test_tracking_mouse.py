"""The ruler under real mouse input: tracking, drag, resize, turning, magnifier, colour readout and cursors."""
import ctypes
import ctypes.util
import os

import pytest

from winebench import (BACKGROUND, IDCANCEL, Screenshot, centre, child, click, drag, inside, move_mouse, wait_for,
                       wait_for_pixel)

CROSSHAIR = (0, 0, 255)
MAGNIFIER_FACTOR = 2  # the magnifier slider's position at start
DISTANCE_PANE = (45, 14, 85, 34)
SWATCH = (148, 28, 168, 61)
COLOUR_TEXT = (83, 28, 148, 58)


def is_text_on_background(colour) -> bool:
    """Black text smoothed onto the cyan background gives only shades between the two."""
    return colour[0] == 0 and colour[1] == colour[2]


def ink_columns(rows) -> list:
    return [x for x in range(len(rows[0])) if any(row[x] != BACKGROUND for row in rows)]


def test_distance_readout_follows_the_mouse_anywhere(velmar, tmp_path):
    left, top, right, bottom = velmar.start()["rect"]

    def pane() -> tuple:
        return Screenshot(tmp_path / "screen.ppm").picture((left, top), DISTANCE_PANE)

    def settled_change(before: tuple, where: str) -> tuple:
        """The pane once it differs from before and two captures in a row agree; it must show text only."""
        captures = [None]
        rows = wait_for(lambda: captures.append(pane()) or captures[-2:],
                        lambda last: last[1] != before and last[0] == last[1],
                        f"the distance readout to change with the mouse {where}")[1]
        stray = {pixel for row in rows for pixel in row if not is_text_on_background(pixel)}
        assert not stray, f"mouse {where}: the distance pane holds {stray} besides text on {BACKGROUND}"
        assert sum(pixel[1] < 128 for row in rows for pixel in row) >= 5, f"mouse {where}: no text in the pane"
        return rows

    start = pane()
    move_mouse(left + 100, top + 25)
    at_100 = settled_change(start, "100 px right of the left edge")
    move_mouse(left + 300, bottom + 60)  # below the ruler: tracking does not need the mouse over it
    settled_change(at_100, "300 px right of the left edge, below the ruler")
    move_mouse(left + 100, bottom + 100)  # the distance is measured along x alone
    wait_for(pane, lambda rows: rows == at_100, "the readout for dx 100 again, 100 px lower")

    move_mouse(left + 101, bottom + 100)
    at_101 = settled_change(at_100, "one pixel further right")
    ink = ink_columns(at_100)
    first_two_digits = ink[0] + 2 * (ink[-1] - ink[0] + 1) // 3 - 1  # three digits of one width
    differing = [x for x in range(len(at_100[0])) if any(a[x] != b[x] for a, b in zip(at_100, at_101))]
    assert min(differing) >= first_two_digits, \
        f"100 and 101 differ in columns {differing}, not only in the last digit (from {first_two_digits})"


# --- moving, resizing and turning ----------------------------------------------------------

@pytest.mark.parametrize("band, offset", [("top", (-70, 90)), ("bottom", (130, -150))],
                         ids=["top-band-down-left", "bottom-band-up-right"])
def test_dragging_the_surface_moves_the_window_by_the_drag(velmar, band, offset):
    left, top, right, bottom = velmar.start()["rect"]
    # A strip about 41 high is all edges and scale bands; 12 px in from an edge lies in a band.
    press = (left + 200, top + 12 if band == "top" else bottom - 12)
    drag(press, (press[0] + offset[0], press[1] + offset[1]), started=lambda: velmar.window()["moving"])
    dx, dy = offset
    velmar.wait_for_rect([left + dx, top + dy, right + dx, bottom + dy], f"the ruler to follow the drag by {offset}")


def test_corner_drag_resizes_down_to_the_smallest_size(velmar):
    left, top, right, bottom = velmar.start()["rect"]
    velmar.resize_to(right - left + 60, bottom - top + 80)
    drag((right + 60 - 3, bottom + 80 - 3), (max(left - 150, 1), max(top - 150, 1)),
         started=lambda: velmar.window()["moving"])
    velmar.wait_for_rect([left, top, left + 45, top + 40], "the ruler to stop shrinking at 45 x 40")


def test_double_click_turns_the_ruler_about_the_click_and_back(velmar):
    velmar.start()
    left, top, right, bottom = wide = velmar.resize_to(300, 40)["rect"]
    px, py = left + 100, top + 15  # in the top band: the first click of the pair starts a move
    click(px, py, repeat=2)
    velmar.wait_for_rect([px + py - bottom, py - px + left, px + py - bottom + 40, py - px + left + 300],
                         "the wide ruler to turn clockwise about the double-click")
    click(px, py, repeat=2)
    velmar.wait_for_rect(wide, "the tall ruler to turn back about the same point")


# --- the magnifier and the colour readout --------------------------------------------------

SAMPLE_RGB = (0x20, 0x40, 0x80)
NEW_RGB = (0xCC, 0x66, 0x33)
SAMPLE_WINDOW = (620, 100, 12, 9)  # x, y, width, height on the screen


def test_magnifier_and_colour_readout_show_the_pixels_under_the_mouse(velmar, tmp_path):
    velmar.start()
    window = velmar.resize_to(300, 130)
    left, top, right, bottom = window["rect"]
    x, y, width, height = SAMPLE_WINDOW
    clear = (x - 50, y - 50, x + width + 50, y + height + 50)
    assert not (clear[0] < right and left < clear[2] and clear[1] < bottom and top < clear[3]), \
        "the coloured window and the area the magnifier copies must lie clear of the ruler"
    velmar.prefix.spawn(velmar.probe, "colorwindow", x, y, width, height, "%02X%02X%02X" % SAMPLE_RGB,
                        log=tmp_path / "colorwindow.log")
    shot_path = tmp_path / "screen.ppm"
    wait_for_pixel(shot_path, x, y, SAMPLE_RGB)
    wait_for_pixel(shot_path, x + width - 1, y + height - 1, SAMPLE_RGB)

    # The magnifier slider's window lies over the swatch's last rows on its left part.
    covers = [control["rect"] for control in window["children"] if control["visible"]]
    swatch = [(left + cx, top + cy) for cx in range(SWATCH[0], SWATCH[2]) for cy in range(SWATCH[1], SWATCH[3])
              if not any(inside(left + cx, top + cy, rect) for rect in covers)]
    assert len(swatch) > 400, f"the swatch is hidden by the children {covers}"
    move_mouse(x, y)  # the coloured window's top-left pixel
    shot = wait_for(lambda: Screenshot(shot_path), lambda shot: {shot.pixel(*p) for p in swatch} == {SAMPLE_RGB},
                    f"the colour swatch to show {SAMPLE_RGB} exactly")

    text = shot.picture((left, top), COLOUR_TEXT)
    assert all(is_text_on_background(pixel) for row in text for pixel in row), \
        f"the colour readout holds more than text on the background: {shot}"
    assert ink_columns(text[:13]) and ink_columns(text[15:]), "the colour readout lacks a line of text"

    # Where the magnifier draws for a cursor far from the screen's edges: the crosshair's centre,
    # and the block the cursor's pixel becomes.
    image = (170 + 6, 28 + 6, right - left - 38 - 6, bottom - top - 28 - 6)
    mx, my = centre(image)
    # The image shows whole magnified pixels, the cursor's own after half of them, rounded up.
    block_x, block_y = (image[i] + MAGNIFIER_FACTOR * (((image[i + 2] - image[i]) // MAGNIFIER_FACTOR + 1) // 2)
                        for i in (0, 1))
    block = (block_x, block_y, block_x + MAGNIFIER_FACTOR * width, block_y + MAGNIFIER_FACTOR * height)

    def shows(cx: int, cy: int, actual: tuple) -> bool:
        if (cx == mx and my - 10 <= cy < my + 10) or (cy == my and mx - 10 <= cx < mx + 10):
            return actual == CROSSHAIR
        return inside(cx, cy, block) == (actual == SAMPLE_RGB)
    wrong = [f"({cx}, {cy}): {shot.pixel(left + cx, top + cy)}" for cy in range(block[1] - 4, block[3] + 4)
             for cx in range(block[0] - 4, block[2] + 4) if not shows(cx, cy, shot.pixel(left + cx, top + cy))]
    assert not wrong, (f"the magnifier should show the {width}x{height} window as the block {block}; {shot}:\n"
                       + "\n".join(wrong[:40]))

    # The mouse rests while the screen under it changes: the magnifier follows within a second.
    velmar.prefix.spawn(velmar.probe, "colorwindow", x, y, width, height, "%02X%02X%02X" % NEW_RGB,
                        log=tmp_path / "colorwindow2.log")
    wait_for_pixel(shot_path, x, y, NEW_RGB)
    wait_for(lambda: Screenshot(shot_path).pixel(left + block[0] + 1, top + block[1] + 1), lambda pixel: pixel == NEW_RGB,
             "the magnifier to show the new colour under the resting mouse", timeout=1.0)


# --- cursors per zone ----------------------------------------------------------------------

class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort), ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong)), ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


@pytest.fixture
def pointer_image():
    """pointer_image() -> (name, hot spot, {(column, row): ARGB of each visible pixel}) of the X pointer."""
    # Wine names the cursors it maps to the system's own shapes; a program's own arrives as its image.
    names = ctypes.util.find_library("X11"), ctypes.util.find_library("Xfixes")
    if not all(names):
        pytest.skip("libX11 or libXfixes is missing")
    x11, xfixes = map(ctypes.CDLL, names)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(os.environ["DISPLAY"].encode())
    assert display, "cannot open the X display"

    def current() -> tuple:
        pointer = xfixes.XFixesGetCursorImage(display)
        assert pointer, "XFixesGetCursorImage failed"
        image = pointer.contents
        pixels = {(i % image.width, i // image.width): image.pixels[i] & 0xFFFFFFFF
                  for i in range(image.width * image.height) if image.pixels[i] & 0xFFFFFFFF}
        result = ((image.name or b"").decode(), (image.xhot, image.yhot), pixels)
        x11.XFree(pointer)
        return result
    yield current
    x11.XCloseDisplay(display)


def reading_cursor(band: str) -> tuple:
    """The expected (hot spot, {pixel: opaque black}) of a band's 32x32 reading cursor."""
    # A one-pixel line through the middle and a filled triangle 3, 5, 7, 9 wide towards the
    # ruler's edge, its tip at the hot spot.
    across = band in ("top", "bottom")
    pixels = {(15, i) if across else (i, 15) for i in range(32)}
    for i, half in enumerate((1, 2, 3, 4)):  # half widths from the triangle's tip to its base
        far = 28 + i if band in ("top", "left") else 3 - i
        pixels |= {(side, far) if across else (far, side) for side in range(15 - half, 16 + half)}
    hot = {"top": (15, 31), "bottom": (15, 0), "left": (31, 15), "right": (0, 15)}[band]
    return hot, {pixel: 0xFF000000 for pixel in pixels}


# Wine's X names for the system's arrow and sizing cursors.
ARROW, SIZE_WE, SIZE_NS, SIZE_NWSE, SIZE_NESW = \
    "left_ptr", "h_double_arrow", "v_double_arrow", "top_left_corner", "top_right_corner"


def test_each_zone_shows_its_cursor(velmar, pointer_image):
    velmar.start()
    window = velmar.resize_to(300, 200)
    left, top = window["rect"][:2]
    width, height, mx, my = 300, 200, 100, 100  # (mx, my) clear of the close button, the slider and the corners
    button = centre(child(window, IDCANCEL)["rect"])
    # Zone boundaries next to each other; neighbours expect different cursors, so each step has
    # to see the cursor change.
    for what, (x, y), expected in [
        ("top-left corner, last pixel", (7, 7), SIZE_NWSE),
        ("right of the top-left corner", (8, 7), "top"),
        ("top edge, last pixel", (mx, 4), SIZE_NS),
        ("top band, first pixel", (mx, 5), "top"),
        ("inner area, first pixel below the top band", (mx, 21), ARROW),
        ("top band, last pixel", (mx, 20), "top"),
        ("top-right corner", (width - 1, 7), SIZE_NESW),
        ("inner area", (mx, my), ARROW),
        ("left edge, last pixel", (4, my), SIZE_WE),
        ("left band, last pixel", (20, my), "left"),
        ("bottom-left corner", (0, height - 1), SIZE_NESW),
        ("bottom band, first pixel", (mx, height - 20), "bottom"),
        ("bottom edge, first pixel", (mx, height - 4), SIZE_NS),
        ("bottom-right corner, first pixel", (width - 7, height - 7), SIZE_NWSE),
        ("left of the bottom-right corner", (width - 8, height - 7), "bottom"),
        ("right edge, first pixel", (width - 4, my), SIZE_WE),
        ("right band, first pixel", (width - 20, my), "right"),
        ("close button", (button[0] - left, button[1] - top), ARROW),
    ]:
        move_mouse(left + x, top + y)
        if expected in ("top", "bottom", "left", "right"):
            shape = reading_cursor(expected)
            wait_for(pointer_image, lambda cursor: cursor[1:] == shape,
                     f"the {expected} reading cursor on the {what} at client ({x}, {y})")
        else:
            wait_for(lambda: pointer_image()[:2], lambda cursor: cursor[0] == expected,
                     f"the system cursor {expected} on the {what} at client ({x}, {y})")
        velmar.assert_running(f"with the mouse on the {what}")
