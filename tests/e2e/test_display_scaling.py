"""The ruler at 150 % display scaling (144 dpi): the 96-dpi ruler scaled, still measuring device pixels."""
from test_menu_and_dialog import IN_LOGICAL, choose, marks
from winebench import BACKGROUND, BLACK, IDCANCEL, Screenshot, child, move_mouse, wait_for, wait_for_pixel


def scaled(value: int) -> int:
    return (value * 144 + 48) // 96  # a length of the 96-dpi layout at 144 dpi, rounded as the program rounds


def test_at_150_percent_ticks_fall_on_device_pixels_and_everything_else_is_scaled(velmar, tmp_path):
    velmar.prefix.set_dpi(144)
    window = velmar.start()
    assert window["dpi"] == 144 and 1.4 * 41 <= window["rect"][3] - window["rect"][1] <= 1.6 * 41, window["rect"]
    marks(velmar, tmp_path, {99: 0, 100: scaled(8) - 1, 101: 0}, "a pixel tick at device pixel 100, 12 long")
    window = velmar.place(20, 20, 640, 260)
    velmar.prefix.spawn(velmar.probe, "colorwindow", 600, 460, 300, 300, "3366CC", log=tmp_path / "c.log")
    wait_for_pixel(tmp_path / "s.ppm", 750, 610, (0x33, 0x66, 0xCC))
    move_mouse(750, 610)
    colour = (scaled(83), scaled(28), scaled(168), scaled(61))
    swatch = colour[2] - scaled(20)
    shot = wait_for(lambda: Screenshot(tmp_path / "s.ppm"), lambda s: s.pixel(20 + swatch, 20 + colour[1]) == (0x33, 0x66, 0xCC),
                    "the swatch to show the colour under the mouse")
    # The colour lines end before the swatch, the position lines before the colour pane, and
    # the magnifier shows the square and its crosshair only.
    for x0, x1, y0, y1 in [(colour[0], swatch, colour[1], colour[1] + scaled(30)), (scaled(56), colour[0], scaled(28), scaled(81))]:
        ink = [x for x in range(x0, x1) if any(shot.pixel(20 + x, 20 + y) != BACKGROUND for y in range(y0, y1))]
        assert ink and ink[-1] < x1 - 1, f"text in columns {ink} reaches {x1}; {shot}"
    image = (scaled(176), scaled(34), 640 - scaled(44), 260 - scaled(34))
    assert {shot.pixel(20 + x, 20 + y) for x in range(image[0], image[2]) for y in range(image[1], image[3])} <= \
        {(0x33, 0x66, 0xCC), (0, 0, 255)}, shot
    # The close button's face is the 144-dpi one: its cross, 7 pixels wide at 96 dpi, is 11 here.
    b_left, b_top = child(window, IDCANCEL)["rect"][:2]
    edge = scaled(1)
    cross = [x for x in range(edge, scaled(12) - edge) if any(shot.pixel(b_left + x, b_top + y) == BLACK for y in range(edge, scaled(13) - edge))]
    assert len(cross) == scaled(7), f"the cross spans columns {cross} of the button; {shot}"
    velmar.end()
    velmar.store({"Einheit": ("REG_SZ", "INCH")})
    velmar.start()
    marks(velmar, tmp_path, {143: 0, 144: scaled(10) - 1, 145: 0}, "the inch tick at device pixel 144, 15 long")


def test_logical_pixels_at_150_percent_count_what_applications_call_a_pixel(velmar, tmp_path):
    velmar.prefix.set_dpi(144)
    left, top = velmar.start()["rect"][:2]
    choose(velmar, *IN_LOGICAL)
    wait_for(velmar.saved, lambda saved: saved["Einheit"] == ("REG_SZ", "DIP"), "the logical unit to be stored")
    # Marks every 5 logical pixels at round(q x 1.5): the long ones every 150 device pixels.
    long_tick, short_tick = scaled(10) - 1, scaled(3) - 1
    marks(velmar, tmp_path, {0: long_tick, 8: short_tick, 149: 0, 150: long_tick, 151: 0, 300: long_tick, 450: long_tick},
          "logical pixel ticks at 144 dpi")
    number = velmar.ask("text", 144, "240")["rows"]
    move_mouse(left + 360, top + 120)  # 360 device pixels right of the zero edge
    wait_for(lambda: Screenshot(tmp_path / "s.ppm"), lambda shot: shot.ink(left + scaled(45), top + scaled(14), number) == number,
             "the distance readout to show 240")
