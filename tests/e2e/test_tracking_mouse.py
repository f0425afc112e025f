"""The ruler under real mouse input through the X server: the distance readout follows the mouse,
the surface drags the window, the corner resizes it down to its minimum, a double-click turns it
about the click, the magnifier and colour readout show the pixels under the mouse, and every zone
of the surface shows its own cursor."""
import ctypes
import ctypes.util
import os
from typing import Optional

import pytest

from winebench import move_mouse, run_tool, take_screenshot, wait_for_pixel, wait_until, xdotool

UI_TIMEOUT = 15.0  # the ruler's answer to one input; Wine on a busy machine can lag seconds

BACKGROUND = (0, 255, 255)
CROSSHAIR = (0, 0, 255)
MIN_SIZE = (45, 40)
MAGNIFIER_FACTOR = 2  # the magnifier slider's position at start
DISTANCE_PANE = (45, 14, 85, 34)
SWATCH = (148, 28, 168, 61)
COLOUR_TEXT = (83, 28, 148, 58)


# --- helpers -------------------------------------------------------------------------------

def size(rect) -> tuple:
    return rect[2] - rect[0], rect[3] - rect[1]


def moved(rect, dx: int, dy: int) -> list:
    return [rect[0] + dx, rect[1] + dy, rect[2] + dx, rect[3] + dy]


def mouse_position() -> tuple:
    run = run_tool(["xdotool", "getmouselocation", "--shell"])
    assert run.returncode == 0, f"xdotool getmouselocation failed: {run.stderr}"
    fields = dict(line.split("=", 1) for line in run.stdout.split())
    return int(fields["X"]), int(fields["Y"])


def move_to(x: int, y: int) -> None:
    """move_mouse, except when the pointer is there already: while Wine runs on the display,
    `mousemove --sync` to the pointer's own position waits 15 s for a motion that never comes."""
    if mouse_position() != (x, y):
        move_mouse(x, y)


def drag(start: tuple, end: tuple, steps: int = 6) -> None:
    """Presses the left button at start, moves to end in even steps and releases it there."""
    move_to(*start)
    xdotool("mousedown", 1)
    try:
        for step in range(1, steps + 1):
            move_to(start[0] + (end[0] - start[0]) * step // steps,
                    start[1] + (end[1] - start[1]) * step // steps)
    finally:
        xdotool("mouseup", 1)  # a button left down would spoil every later test on this display


def double_click(x: int, y: int) -> None:
    move_to(x, y)
    xdotool("click", "--repeat", 2, "--delay", 60, 1)


def wait_for_rect(velmar, expected, what: str) -> dict:
    """Polls the ruler's window until its rectangle is expected; the failure names the last one."""
    seen = {}

    def arrived() -> Optional[dict]:
        velmar.assert_running(f"while waiting for {what}")
        seen["window"] = velmar.window()
        return seen["window"] if seen["window"]["rect"] == list(expected) else None
    try:
        return wait_until(arrived, UI_TIMEOUT, what)
    except AssertionError as failure:
        raise AssertionError(f"{failure}: expected {list(expected)}, "
                             f"the window is at {seen.get('window', {}).get('rect')}") from None


def bottom_right_grip(rect) -> tuple:
    """A point of the bottom-right corner zone, inside the window."""
    return rect[2] - 3, rect[3] - 3


def resize_to(velmar, width: int, height: int) -> dict:
    """Drags the bottom-right corner until the ruler is width by height, its top-left kept."""
    rect = velmar.window()["rect"]
    grip = bottom_right_grip(rect)
    current = size(rect)
    drag(grip, (grip[0] + width - current[0], grip[1] + height - current[1]))
    return wait_for_rect(velmar, [rect[0], rect[1], rect[0] + width, rect[1] + height],
                         f"the ruler to be resized to {width}x{height}")


def picture(shot, origin: tuple, box) -> tuple:
    """The pixels of box (client coordinates, right and bottom exclusive) as rows."""
    return tuple(tuple(shot.pixel(origin[0] + x, origin[1] + y) for x in range(box[0], box[2]))
                 for y in range(box[1], box[3]))


def inside(x: int, y: int, rect) -> bool:
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def overlaps(a, b) -> bool:
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def is_text_on_background(colour) -> bool:
    """Black text smoothed onto the cyan background gives only shades between the two."""
    red, green, blue = colour
    return red == 0 and green == blue


def ink_columns(rows) -> list:
    return [x for x in range(len(rows[0])) if any(row[x] != BACKGROUND for row in rows)]


# --- the distance readout ------------------------------------------------------------------

def test_distance_readout_follows_the_mouse_anywhere(velmar, tmp_path):
    window = velmar.start()
    left, top, right, bottom = window["rect"]
    shot_path = tmp_path / "screen.ppm"

    def pane() -> tuple:
        return picture(take_screenshot(shot_path), (left, top), DISTANCE_PANE)

    def settled_change(before: tuple, where: str) -> tuple:
        """The pane once it differs from before and two captures in a row agree."""
        last = [None]

        def changed() -> Optional[tuple]:
            now = pane()
            settled = now if now != before and now == last[0] else None
            last[0] = now
            return settled
        return wait_until(changed, UI_TIMEOUT, f"the distance readout to change with the mouse {where}")

    def checked(rows: tuple, where: str) -> tuple:
        stray = {pixel for row in rows for pixel in row if not is_text_on_background(pixel)}
        assert not stray, f"mouse {where}: the distance pane holds {stray} besides text on {BACKGROUND}"
        dark = sum(1 for row in rows for pixel in row if pixel[1] < 128)
        assert dark >= 5, f"mouse {where}: the distance pane shows no text"
        return rows

    start = pane()
    move_to(left + 100, top + 25)
    at_100 = checked(settled_change(start, "100 px right of the left edge"), "at dx 100")

    move_to(left + 300, bottom + 60)  # below the ruler: tracking does not need the mouse over it
    checked(settled_change(at_100, "300 px right of the left edge, below the ruler"), "at dx 300")

    move_to(left + 100, bottom + 100)  # the distance is measured along x alone
    wait_until(lambda: pane() == at_100, UI_TIMEOUT, "the readout for dx 100 again, 100 px lower")

    move_to(left + 101, bottom + 100)
    at_101 = checked(settled_change(at_100, "one pixel further right"), "at dx 101")
    ink = ink_columns(at_100)
    first_two_digits = ink[0] + 2 * (ink[-1] - ink[0] + 1) // 3 - 1  # three digits of one width
    differing = [x for x in range(len(at_100[0])) if any(a[x] != b[x] for a, b in zip(at_100, at_101))]
    assert min(differing) >= first_two_digits, \
        f"100 and 101 differ in columns {differing}, not only in the last digit (from {first_two_digits})"


# --- moving and resizing -------------------------------------------------------------------

@pytest.mark.parametrize("band, offset", [
    pytest.param("top", (-70, 90), id="top-band-down-left"),
    pytest.param("bottom", (130, -150), id="bottom-band-up-right"),
])
def test_dragging_the_surface_moves_the_window_by_the_drag(velmar, band, offset):
    rect = velmar.start()["rect"]
    left, top, right, bottom = rect
    # A strip about 41 high is all edges and scale bands; 12 px in from an edge lies in a band.
    press = (left + 200, top + 12 if band == "top" else bottom - 12)
    drag(press, (press[0] + offset[0], press[1] + offset[1]))
    wait_for_rect(velmar, moved(rect, *offset), f"the ruler to follow the drag by {offset}")


def test_corner_drag_resizes_down_to_the_smallest_size(velmar):
    left, top, right, bottom = rect = velmar.start()["rect"]
    grip = bottom_right_grip(rect)
    drag(grip, (grip[0] + 60, grip[1] + 80))
    wait_for_rect(velmar, [left, top, right + 60, bottom + 80], "the ruler to grow by 60 x 80")

    drag(bottom_right_grip([left, top, right + 60, bottom + 80]), (max(left - 150, 1), max(top - 150, 1)))
    wait_for_rect(velmar, [left, top, left + MIN_SIZE[0], top + MIN_SIZE[1]],
                  "the ruler to stop shrinking at 45 x 40")


def test_double_click_turns_the_ruler_about_the_click_and_back(velmar):
    velmar.start()
    wide = resize_to(velmar, 300, 40)["rect"]
    left, top, right, bottom = wide
    px, py = left + 100, top + 15  # in the top band: the first click of the pair starts a move
    double_click(px, py)
    turned = [px + py - bottom, py - px + left]
    turned += [turned[0] + 40, turned[1] + 300]
    wait_for_rect(velmar, turned, "the wide ruler to turn clockwise about the double-click")

    double_click(px, py)
    wait_for_rect(velmar, wide, "the tall ruler to turn back about the same point")


# --- the magnifier and the colour readout --------------------------------------------------

SAMPLE_RGB = (0x20, 0x40, 0x80)
SAMPLE_WINDOW = (620, 100, 12, 9)  # x, y, width, height on the screen


def magnifier_geometry(width: int, height: int) -> dict:
    """Where the magnifier of a ruler of this client size draws, for a cursor far from the screen's
    edges: the crosshair centre and the top-left of the block the cursor's pixel becomes."""
    left, top, right, bottom = 170 + 6, 28 + 6, width - 38 - 6, height - 28 - 6
    image_width, image_height = right - left, bottom - top
    half_width = (image_width // MAGNIFIER_FACTOR + 1) // 2
    half_height = (image_height // MAGNIFIER_FACTOR + 1) // 2
    return {"centre": (left + image_width // 2, top + image_height // 2),
            "block": (left + MAGNIFIER_FACTOR * half_width, top + MAGNIFIER_FACTOR * half_height)}


def on_crosshair(x: int, y: int, centre: tuple) -> bool:
    mx, my = centre
    return (x == mx and my - 10 <= y < my + 10) or (y == my and mx - 10 <= x < mx + 10)


def test_magnifier_and_colour_readout_show_the_pixels_under_the_mouse(prefix, velmar, probe_exe, tmp_path):
    velmar.start()
    window = resize_to(velmar, 300, 130)
    left, top, right, bottom = window["rect"]
    x, y, width, height = SAMPLE_WINDOW
    assert not overlaps((x - 50, y - 50, x + width + 50, y + height + 50), window["rect"]), \
        "the coloured window and the area the magnifier copies must lie clear of the ruler"
    prefix.spawn(probe_exe, "colorwindow", x, y, width, height, "%02X%02X%02X" % SAMPLE_RGB,
                 log=tmp_path / "colorwindow.log")
    shot_path = tmp_path / "screen.ppm"
    wait_for_pixel(shot_path, x, y, SAMPLE_RGB, timeout=UI_TIMEOUT)
    wait_for_pixel(shot_path, x + width - 1, y + height - 1, SAMPLE_RGB, timeout=UI_TIMEOUT)

    # The magnifier slider's window lies over the swatch's last rows on its left part.
    covers = [child["rect"] for child in window["children"] if child["visible"]]
    swatch = [(left + cx, top + cy) for cx in range(SWATCH[0], SWATCH[2])
              for cy in range(SWATCH[1], SWATCH[3]) if not any(inside(left + cx, top + cy, r) for r in covers)]
    assert len(swatch) > 400, f"the swatch is hidden by the children {covers}"

    def swatch_shows_sample():
        shot = take_screenshot(shot_path)
        return shot if {shot.pixel(*point) for point in swatch} == {SAMPLE_RGB} else None

    move_to(x, y)  # the coloured window's top-left pixel
    shot = wait_until(swatch_shows_sample, UI_TIMEOUT, f"the colour swatch to show {SAMPLE_RGB} exactly")

    text = picture(shot, (left, top), COLOUR_TEXT)
    assert all(is_text_on_background(pixel) for row in text for pixel in row), \
        f"the colour readout holds more than text on the background: {shot.path}"
    assert ink_columns(text[:13]) and ink_columns(text[15:]), "the colour readout lacks a line of text"

    geometry = magnifier_geometry(right - left, bottom - top)
    block_x, block_y = geometry["block"]
    block_width, block_height = MAGNIFIER_FACTOR * width, MAGNIFIER_FACTOR * height
    wrong = []
    for cy in range(block_y - 4, block_y + block_height + 4):
        for cx in range(block_x - 4, block_x + block_width + 4):
            actual = shot.pixel(left + cx, top + cy)
            if on_crosshair(cx, cy, geometry["centre"]):
                if actual != CROSSHAIR:
                    wrong.append(f"crosshair ({cx}, {cy}): {actual}")
            elif (block_x <= cx < block_x + block_width and block_y <= cy < block_y + block_height) \
                    != (actual == SAMPLE_RGB):
                wrong.append(f"({cx}, {cy}): {actual}")
    assert not wrong, (f"the magnifier should show the {width}x{height} window as a {block_width}x"
                       f"{block_height} block at client ({block_x}, {block_y}); screenshot {shot.path}:\n"
                       + "\n".join(wrong[:40]))


# --- cursors per zone ----------------------------------------------------------------------

class _CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


class XCursorReader:
    """The X server's current pointer image through XFixes: Wine names the cursors it maps to the
    system's own shapes; a program's own cursor arrives as its image."""

    def __init__(self):
        x11_name, xfixes_name = ctypes.util.find_library("X11"), ctypes.util.find_library("Xfixes")
        if not x11_name or not xfixes_name:
            pytest.skip("libX11 or libXfixes is missing")
        self._x11, self._xfixes = ctypes.CDLL(x11_name), ctypes.CDLL(xfixes_name)
        self._x11.XOpenDisplay.restype = ctypes.c_void_p
        self._x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._x11.XFree.argtypes = [ctypes.c_void_p]
        self._xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
        self._xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        self._display = self._x11.XOpenDisplay(os.environ["DISPLAY"].encode())
        assert self._display, "cannot open the X display"

    def current(self) -> tuple:
        """(name, hot spot, {(column, row): ARGB} of the pixels that are not fully transparent)."""
        pointer = self._xfixes.XFixesGetCursorImage(self._display)
        assert pointer, "XFixesGetCursorImage failed"
        image = pointer.contents
        pixels = {}
        for row in range(image.height):
            for column in range(image.width):
                argb = image.pixels[row * image.width + column] & 0xFFFFFFFF
                if argb:
                    pixels[(column, row)] = argb
        result = ((image.name or b"").decode(), (image.xhot, image.yhot), pixels)
        self._x11.XFree(pointer)
        return result

    def close(self) -> None:
        self._x11.XCloseDisplay(self._display)


def reading_cursor(band: str) -> tuple:
    """The expected (hot spot, {pixel: opaque black}) of a band's 32x32 cursor: a one-pixel line through the
    middle and a filled triangle 3, 5, 7, 9 wide towards the ruler's edge, its tip at the hot spot."""
    line = {(15, i) for i in range(32)} if band in ("top", "bottom") else {(i, 15) for i in range(32)}
    triangle = set()
    for i, half in enumerate((1, 2, 3, 4)):  # half widths from the triangle's tip to its base
        far = {"top": 28 + i, "bottom": 3 - i, "left": 28 + i, "right": 3 - i}[band]
        for across in range(15 - half, 16 + half):
            triangle.add((across, far) if band in ("top", "bottom") else (far, across))
    hot = {"top": (15, 31), "bottom": (15, 0), "left": (31, 15), "right": (0, 15)}[band]
    return hot, {pixel: 0xFF000000 for pixel in line | triangle}


# Wine's X names for the system's arrow and sizing cursors.
ARROW, SIZE_WE, SIZE_NS, SIZE_NWSE, SIZE_NESW = \
    "left_ptr", "h_double_arrow", "v_double_arrow", "top_left_corner", "top_right_corner"


def zone_points(width: int, height: int, close_button: tuple) -> list:
    """(what, client point, expected cursor) for a ruler of this size, zone boundaries next to each
    other; neighbours expect different cursors, so each step has to see the cursor change."""
    mx, my = 100, height // 2  # clear of the close button, the magnifier slider and the corners
    return [
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
        ("close button", close_button, ARROW),
    ]


def expected_cursor(expected: str) -> tuple:
    """A test on the reader's (name, hot spot, pixels) and its description."""
    if expected in ("top", "bottom", "left", "right"):
        shape = reading_cursor(expected)
        return (lambda cursor: cursor[1:] == shape), f"the {expected} reading cursor"
    return (lambda cursor: cursor[0] == expected), f"the system cursor {expected}"


def test_each_zone_shows_its_cursor(velmar):
    velmar.start()
    window = resize_to(velmar, 300, 200)
    left, top = window["rect"][:2]
    button = next(child["rect"] for child in window["children"] if child["id"] == 2)
    button_centre = ((button[0] + button[2]) // 2 - left, (button[1] + button[3]) // 2 - top)
    reader = XCursorReader()
    try:
        for what, (x, y), expected in zone_points(300, 200, button_centre):
            matches, description = expected_cursor(expected)
            move_to(left + x, top + y)
            seen = [("nothing", None, {})]

            def shown() -> bool:
                velmar.assert_running(f"with the mouse on the {what}")
                seen[0] = reader.current()
                return matches(seen[0])
            try:
                wait_until(shown, UI_TIMEOUT, description)
            except AssertionError as failure:
                if "timed out" not in str(failure):
                    raise
                name, hot, _ = seen[0]
                raise AssertionError(f"{what} at client ({x}, {y}): expected {description}, the pointer "
                                     f"shows {name or 'an unnamed cursor'} with hot spot {hot}") from None
    finally:
        reader.close()
