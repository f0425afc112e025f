"""The readouts, colour and magnifier follow the mouse anywhere; the numbers on screen are right and cannot be misread."""
from test_menu_and_dialog import IN_PIXEL, ZOOM, choose, marks
from winebench import BACKGROUND, BLACK, CROSSHAIR, TICK, Screenshot, move_mouse, wait_for, wait_for_pixel

SAMPLE, CHANGED = "204080", (0xCC, 0x66, 0x33)


def arrow(shot, area, vertical: bool) -> bool:
    # Whether an arrow 11 pixels long with three-pixel heads at both ends is drawn in area.
    at = (lambda along, across: (across, along)) if vertical else (lambda along, across: (along, across))
    black = lambda along, across: shot.pixel(*at(along, across)) == BLACK  # noqa: E731
    spans = (area[1], area[3], area[0], area[2]) if vertical else (area[0], area[2], area[1], area[3])
    return any(all(black(first + k, middle) for k in range(11)) and
               all(black(first + k, middle + side * k) and black(first + 10 - k, middle + side * k) for k in (1, 2, 3) for side in (-1, 1))
               for first in range(spans[0], spans[1] - 11) for middle in range(spans[2] + 3, spans[3] - 3))


def test_readouts_follow_the_mouse_anywhere_stand_apart_and_carry_their_units(velmar, tmp_path):
    velmar.store({"Einheit": ("REG_SZ", "MM"), "Zoom": ("REG_DWORD", 120)})
    velmar.start()
    shot_path = tmp_path / "screen.ppm"
    # A thin ruler in centimetres at zoom 120: no number of the scale stands by the distance.
    ruler = velmar.place(100, 300, 489, 41)["rect"]
    move_mouse(200, 500)
    text = velmar.shows(shot_path, ruler, "22.0 mm")["22.0 mm"]  # 100 pixels: 26.5 mm calibrated by the zoom
    shot, row = Screenshot(shot_path), (text[1] + text[3]) // 2
    left = next(fx for fx in range(text[0], ruler[0], -1) if shot.pixel(fx, row) == TICK)
    right = next(fx for fx in range(text[2], ruler[2]) if shot.pixel(fx, row) == TICK)
    near = [(nx, ny) for ny in range(text[1] - 2, text[3] + 2) for nx in [*range(left - 4, left), *range(right + 1, right + 5)]
            if shot.pixel(nx, ny) != BACKGROUND]
    assert not near, f"a scale number by the distance box {left}..{right}: {near}; {shot}"
    # The mouse on the mark numbered 1 reads 10 mm to within a pixel, at zoom 120 and at 150.
    for zoom, mark in ((120, 45), (150, 56)):
        if zoom == 150:
            choose(velmar, *ZOOM, "Down", "Down")
        marks(velmar, tmp_path, {mark: 9, mark + 1: 0}, f"the mark numbered 1 at zoom {zoom}")
        move_mouse(ruler[0] + mark, 500)
        velmar.shows(shot_path, ruler, "9.9 mm")
    # A tall ruler in pixels, the mouse over a square outside it: the position in screen pixels,
    # the distance from the left edge, the colour in decimal and hexadecimal.
    ruler = velmar.place(100, 300, 400, 130)["rect"]
    choose(velmar, *IN_PIXEL)
    velmar.prefix.spawn(velmar.probe, "colorwindow", 620, 100, 12, 9, SAMPLE, log=tmp_path / "square.log")
    wait_for_pixel(shot_path, 631, 108, (0x20, 0x40, 0x80))
    move_mouse(620, 100)
    velmar.shows(shot_path, ruler, "620 px", "100 px", "520 px", "032-064-128", "20-40-80")
    # The screen changes under the resting mouse: the magnifier follows within a second.
    cx, cy = Screenshot(shot_path).crossing(ruler, CROSSHAIR)
    velmar.prefix.spawn(velmar.probe, "colorwindow", 620, 100, 12, 9, "%02X%02X%02X" % CHANGED, log=tmp_path / "changed.log")
    wait_for_pixel(shot_path, 620, 100, CHANGED)
    wait_for(lambda: Screenshot(shot_path).pixel(cx - 1, cy - 1), lambda p: p == CHANGED,
             "the magnifier to show the new colour under the resting mouse", timeout=1.0)
    # Positions of four digits and more keep a gap of the ruler's own colour before the colour
    # texts, and the x and y marks are drawn arrows.
    move_mouse(1010, 700)
    found = velmar.shows(shot_path, ruler, "1010 px", "700 px", "000-000-000")
    position, colour, shot = found["1010 px"], found["000-000-000"], Screenshot(shot_path)
    between = ([[(gx, gy) for gy in range(colour[1], colour[3])] for gx in range(position[2], colour[0])] +  # beside
               [[(gx, gy) for gx in range(colour[0], colour[2])] for gy in range(position[3], colour[1])])  # or below
    assert any(all(shot.pixel(*p) == BACKGROUND for p in line) for line in between), shot
    for line, vertical in ((position, False), (found["700 px"], True)):
        assert arrow(shot, (line[0] - 22, line[1] - 3, line[0], line[3] + 3), vertical), f"no arrow left of {line}; {shot}"
    # A turned ruler measures from its top edge, the number near it.
    ruler = velmar.place(300, 100, 41, 489)["rect"]
    for down in (100, 200):
        move_mouse(600, 100 + down)
        velmar.shows(shot_path, (ruler[0], ruler[1], ruler[2], ruler[1] + 80), f"{down} px")
