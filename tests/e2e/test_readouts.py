"""The readouts, colour and magnifier follow the mouse anywhere; the numbers on screen are right and cannot be misread."""
from test_menu_and_dialog import IN_PIXEL, choose
from winebench import BACKGROUND, BLACK, CROSSHAIR, TICK, Screenshot, move_mouse, wait_for, wait_for_pixel

SAMPLE, CHANGED = (0x20, 0x40, 0x80), (0xCC, 0x66, 0x33)
SQUARE = (620, 100, 12, 9)  # a coloured window: x, y, width, height on the screen


def crosshair(shot, area) -> tuple:
    # Where the crosshair's two strokes cross: the column and the row most of its pixels share.
    pixels = [(x, y) for y in range(area[1], area[3]) for x in range(area[0], area[2]) if shot.pixel(x, y) == CROSSHAIR]
    most = lambda values: max(set(values), key=values.count)  # noqa: E731
    return most([x for x, _ in pixels]), most([y for _, y in pixels])


def test_readouts_colour_and_magnifier_show_what_is_under_the_mouse(velmar, tmp_path):
    velmar.start()
    ruler = velmar.place(100, 300, 400, 130)["rect"]
    x, y, width, height = SQUARE
    velmar.prefix.spawn(velmar.probe, "colorwindow", *SQUARE, "%02X%02X%02X" % SAMPLE, log=tmp_path / "square.log")
    shot_path = tmp_path / "screen.ppm"
    wait_for_pixel(shot_path, x + width - 1, y + height - 1, SAMPLE)
    # The position in screen pixels, the distance from the ruler's left edge, the colour in
    # decimal and hexadecimal, each number with its unit; the mouse need not be over the ruler.
    move_mouse(x, y)
    velmar.shows(shot_path, ruler, "620 px", "100 px", "520 px", "032-064-128", "20-40-80")
    shot = Screenshot(shot_path)
    # The swatch, framed in the text's colour, and the square magnified twice: its top-left
    # pixel (the cursor's) is the block the crosshair crosses, and the picture ends at the frame.
    areas = shot.regions(SAMPLE, ruler)
    swatch = next(a for a in areas if a[2] - a[0] == 18)
    assert shot.pixel(swatch[0] - 1, swatch[1]) == BLACK and shot.pixel(swatch[2], swatch[3] - 1) == BLACK, shot
    square = next(a for a in areas if (a[2] - a[0], a[3] - a[1]) == (2 * width, 2 * height))
    cx, cy = crosshair(shot, ruler)
    assert (cx - square[0], cy - square[1]) in {(0, 0), (1, 0), (0, 1), (1, 1)}, f"the crosshair at {cx}, {cy}; {shot}"
    frame = [shot.pixel(frame_x, cy) for frame_x in range(square[2], ruler[2])]
    assert ((128, 128, 128), TICK) in zip(frame, frame[1:]), f"no frame right of the picture; {shot}"
    # A move in y alone changes the position's y; the distance stays.
    move_mouse(x, y + 5)
    velmar.shows(shot_path, ruler, "620 px", "105 px", "520 px")
    # The screen changes under the resting mouse: the magnifier follows within a second.
    velmar.prefix.spawn(velmar.probe, "colorwindow", *SQUARE, "%02X%02X%02X" % CHANGED, log=tmp_path / "changed.log")
    wait_for_pixel(shot_path, x, y, CHANGED)
    wait_for(lambda: Screenshot(shot_path).pixel(cx - 1, cy - 1), lambda p: p == CHANGED,
             "the magnifier to show the new colour under the resting mouse", timeout=1.0)


def arrow(shot, area, vertical: bool) -> bool:
    # Whether an arrow 11 pixels long with three-pixel heads at both ends is drawn in area.
    at = (lambda along, across: (across, along)) if vertical else (lambda along, across: (along, across))
    black = lambda along, across: shot.pixel(*at(along, across)) == BLACK  # noqa: E731
    spans = (area[1], area[3], area[0], area[2]) if vertical else (area[0], area[2], area[1], area[3])
    return any(all(black(first + k, middle) for k in range(11)) and
               all(black(first + k, middle + side * k) and black(first + 10 - k, middle + side * k) for k in (1, 2, 3) for side in (-1, 1))
               for first in range(spans[0], spans[1] - 11) for middle in range(spans[2] + 3, spans[3] - 3))


def test_numbers_stand_apart_carry_their_units_and_arrows_are_drawn(velmar, tmp_path):
    velmar.store({"Einheit": ("REG_SZ", "MM"), "Zoom": ("REG_DWORD", 120)})
    velmar.start()
    shot_path = tmp_path / "screen.ppm"
    # A thin ruler in centimetres at zoom 120: no number of the scale stands by the distance.
    ruler = velmar.place(100, 300, 489, 41)["rect"]
    move_mouse(200, 500)
    text = velmar.shows(shot_path, ruler, "26.5 mm")["26.5 mm"]
    shot, row = Screenshot(shot_path), (text[1] + text[3]) // 2
    left = next(fx for fx in range(text[0], ruler[0], -1) if shot.pixel(fx, row) == TICK)
    right = next(fx for fx in range(text[2], ruler[2]) if shot.pixel(fx, row) == TICK)
    near = [(nx, ny) for ny in range(text[1] - 2, text[3] + 2) for nx in [*range(left - 4, left), *range(right + 1, right + 5)]
            if shot.pixel(nx, ny) != BACKGROUND]
    assert not near, f"a scale number by the distance box {left}..{right}: {near}; {shot}"
    # A tall ruler in pixels: positions of four digits and more keep a gap of the ruler's own
    # colour before the colour texts, and the x and y marks are drawn arrows.
    ruler = velmar.place(100, 300, 400, 130)["rect"]
    choose(velmar, *IN_PIXEL)
    move_mouse(1010, 700)
    found = velmar.shows(shot_path, ruler, "1010 px", "700 px", "000-000-000")
    position, colour, shot = found["1010 px"], found["000-000-000"], Screenshot(shot_path)
    assert any(all(shot.pixel(gx, gy) == BACKGROUND for gy in range(colour[1], colour[3])) for gx in range(position[2], colour[0])), shot
    for line, vertical in ((position, False), (found["700 px"], True)):
        assert arrow(shot, (line[0] - 22, line[1] - 3, line[0], line[3] + 3), vertical), f"no arrow left of {line}; {shot}"
    # A turned ruler measures from its top edge, the number near it.
    ruler = velmar.place(300, 100, 41, 489)["rect"]
    for down in (100, 200):
        move_mouse(600, 100 + down)
        velmar.shows(shot_path, (ruler[0], ruler[1], ruler[2], ruler[1] + 80), f"{down} px")
