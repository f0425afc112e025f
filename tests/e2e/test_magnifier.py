"""The magnifier for pixel work: its grid, Space holding the picture and the readouts, picking a pixel of the held picture, and the wheel."""
from winebench import BLACK, CROSSHAIR, Screenshot, child, click, move_mouse, press_keys, wait_for, wait_for_pixel

MAGNIFIER_SLIDER, WHITE, HELD = 25, (255, 255, 255), (255, 0, 0)


def shown_factor(window: dict) -> int:
    # The factor the magnifier slider shows: its top stands for 20, its bottom for 1.
    return 21 - child(window, MAGNIFIER_SLIDER)["pos"]


def test_grid_hold_pick_and_wheel(velmar, tmp_path):
    velmar.store({"Lupe": ("REG_DWORD", 8)})
    velmar.start()
    path = tmp_path / "screen.ppm"
    for x, colour in ((600, "FFFFFF"), (640, "000000")):  # white left of black, the mouse on the first black column
        velmar.prefix.spawn(velmar.probe, "colorwindow", x, 100, 40, 40, colour, log=tmp_path / f"{colour}.log")
    ruler = velmar.place(100, 300, 500, 200)["rect"]
    move_mouse(640, 120)
    velmar.shows(path, ruler, "640 px", "120 px", "000-000-000")
    shot = Screenshot(path)
    cx, cy = shot.crossing(ruler, CROSSHAIR)
    # Factor 8: the cursor's block starts 4 pixels left of the crosshair; a grid line starts each
    # block, its pixels alternating black and white, on the white picture and on the black one.
    block = (cx - 4, cy - 4)
    for x, inside in ((block[0] - 16, WHITE), (block[0] + 16, BLACK)):
        line = [shot.pixel(x, y) for y in range(block[1] + 10, block[1] + 16)]
        assert set(line) == {BLACK, WHITE} and all(a != b for a, b in zip(line, line[1:])), f"no grid line at {x}; {shot}"
        assert {shot.pixel(x + k, block[1] + 12) for k in range(1, 8)} == {inside}, f"a line inside a block at {x}; {shot}"
    # Space holds: the mouse moves away, the readouts and the picture stay, the crosshair turns red.
    velmar.focus()
    velmar.pin_keyboard()
    move_mouse(640, 120)
    velmar.shows(path, ruler, "640 px", "120 px")
    press_keys("space")
    move_mouse(300, 650)
    wait_for(lambda: Screenshot(path).crossing(ruler, HELD), lambda at: at == (cx, cy), "the red crosshair of a hold")
    velmar.shows(path, ruler, "640 px", "120 px", "000-000-000")
    # The screen under the picture changes: the held picture stays as it was.
    velmar.prefix.spawn(velmar.probe, "colorwindow", 600, 100, 80, 40, "00FF00", log=tmp_path / "green.log")
    wait_for_pixel(path, 610, 110, (0, 255, 0))
    velmar.focus()  # the new window took the keyboard
    # Pointing into the held picture picks its pixels: two blocks left of the cursor's is white.
    move_mouse(block[0] - 12, cy)
    velmar.shows(path, ruler, "638 px", "120 px", "255-255-255")
    move_mouse(block[0] + 20, cy)
    velmar.shows(path, ruler, "642 px", "000-000-000")
    press_keys("space")  # let go: everything follows the mouse again
    move_mouse(300, 650)
    velmar.shows(path, ruler, "300 px", "650 px")
    # Two notches away from the user over the ruler, then one over its slider: three steps more,
    # the thumb up, in the magnifier's corner, in the registry, and after a restart.
    click(ruler[0] + 100, ruler[1] + 150, button=4, repeat=2)
    wait_for(velmar.window, lambda w: shown_factor(w) == 10, "two steps more")
    slider = child(velmar.window(), MAGNIFIER_SLIDER)["rect"]
    click((slider[0] + slider[2]) // 2, slider[3] - 3, button=4)
    wait_for(velmar.window, lambda w: shown_factor(w) == 11, "one more")
    velmar.shows(path, ruler, "\u00d711")
    assert velmar.saved_value("Lupe") == ("REG_DWORD", 11)
    velmar.end()
    assert shown_factor(velmar.start()) == 11, "the stored factor after a restart"


def test_a_300_by_130_ruler_magnifies_where_the_mouse_points_with_a_crosshair_seen_on_any_colour(velmar, tmp_path):
    velmar.start()
    path = tmp_path / "s.ppm"
    ruler = velmar.place(100, 300, 300, 130)["rect"]
    for x, colour in ((600, (0x33, 0x66, 0xCC)), (700, WHITE)):
        velmar.prefix.spawn(velmar.probe, "colorwindow", x, 100, 80, 80, "%02X%02X%02X" % colour, log=tmp_path / f"{x}.log")
    for x, colour in ((640, (0x33, 0x66, 0xCC)), (740, WHITE)):
        move_mouse(x, 140)

        def crosshair(shot):  # the blue line's pixels, when a white one runs beside them over the picture of the colour
            blue = [(px, py) for py in range(ruler[1], ruler[3]) for px in range(ruler[0], ruler[2]) if shot.pixel(px, py) == CROSSHAIR]
            cx, cy = shot.crossing(ruler, CROSSHAIR) or (0, 0)
            beside = [shot.pixel(cx + 1, y) for y in range(cy - 20, cy - 5)] + [shot.pixel(x, cy + 1) for x in range(cx - 20, cx - 5)]
            return blue if len(blue) > 60 and set(beside) == {WHITE} and shot.pixel(cx - 1, cy - 1) == colour else None
        blue = wait_for(lambda: crosshair(Screenshot(path)), what=f"a crosshair over {colour}")
        shot = Screenshot(path)
        picture = [(px, py) for py in range(ruler[1], ruler[3]) for px in range(ruler[0], ruler[2]) if shot.pixel(px, py) == colour]
        if colour != WHITE:  # the crosshair stays inside the picture
            xs, ys = [p[0] for p in picture], [p[1] for p in picture]
            assert all(min(xs) <= px <= max(xs) and min(ys) <= py <= max(ys) for px, py in blue), "the crosshair leaves the picture"
