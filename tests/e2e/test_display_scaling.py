"""The ruler at 150 % display scaling (144 dpi): the 96-dpi ruler scaled, still measuring device pixels."""
from test_menu_and_dialog import IN_LOGICAL, choose, marks
from winebench import BLACK, IDCANCEL, Screenshot, child, move_mouse, wait_for, wait_for_pixel


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
    # The readouts in the font made for 144 dpi, and the swatch 20 pixels wide at 96 dpi, scaled.
    velmar.shows(tmp_path / "s.ppm", window["rect"], "750 px", "610 px", "051-102-204", "33-66-CC", dpi=144)
    shot = Screenshot(tmp_path / "s.ppm")
    assert any(a[2] - a[0] == scaled(20) - 2 for a in shot.regions((0x33, 0x66, 0xCC), window["rect"])), shot
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
    ruler = velmar.start()["rect"]
    choose(velmar, *IN_LOGICAL)
    wait_for(velmar.saved, lambda saved: saved["Einheit"] == ("REG_SZ", "DIP"), "the logical unit to be stored")
    # Marks every 5 logical pixels at round(q x 1.5): the long ones every 150 device pixels.
    long_tick, short_tick = scaled(10) - 1, scaled(3) - 1
    marks(velmar, tmp_path, {0: long_tick, 8: short_tick, 149: 0, 150: long_tick, 151: 0, 300: long_tick, 450: long_tick},
          "logical pixel ticks at 144 dpi")
    move_mouse(ruler[0] + 360, ruler[1] + 120)  # 360 device pixels right of the zero edge
    velmar.shows(tmp_path / "s.ppm", ruler, "240 lpx", dpi=144)
