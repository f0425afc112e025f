"""The ruler at 150 % display scaling (144 dpi): the 96-dpi ruler scaled, still measuring device pixels."""
from test_menu_and_dialog import IN_LOGICAL, choose, marks
from test_spans import at, copies, show_picture
from winebench import move_mouse, wait_for


def scaled(value: int) -> int:
    return (value * 144 + 48) // 96  # a length of the 96-dpi layout at 144 dpi, rounded as the program rounds


def test_at_150_percent_everything_is_scaled_and_logical_pixels_count_what_applications_call_a_pixel(velmar, tmp_path):
    velmar.prefix.set_dpi(144)
    velmar.store({"Kanten": ("REG_DWORD", 1)})
    window = velmar.start()
    assert window["dpi"] == 144 and 1.4 * 41 <= window["rect"][3] - window["rect"][1] <= 1.6 * 41, window["rect"]
    marks(velmar, tmp_path, {99: 0, 100: scaled(8) - 1, 101: 0}, "a pixel tick at device pixel 100, 12 long")
    # Logical pixels, chosen in the menu: marks every 5 at round(q x 1.5), the long ones every 150.
    ruler = velmar.place(20, 20, 734, 63)["rect"]
    choose(velmar, *IN_LOGICAL)
    wait_for(velmar.saved, lambda saved: saved["Einheit"] == ("REG_SZ", "DIP"), "the logical unit to be stored")
    long_tick, short_tick = scaled(10) - 1, scaled(3) - 1
    marks(velmar, tmp_path, {0: long_tick, 8: short_tick, 149: 0, 150: long_tick, 151: 0, 300: long_tick, 450: long_tick},
          "logical pixel ticks at 144 dpi")
    move_mouse(ruler[0] + 360, ruler[1] + 120)  # 360 device pixels right of the zero edge: in the font made for 144 dpi
    velmar.shows(tmp_path / "s.ppm", ruler, "240 lpx", dpi=144)
    # Spans count logical pixels too: a box 150 device pixels wide reads 100.
    show_picture(velmar, tmp_path)
    velmar.focus()
    copies(velmar, at(90, 160), "100 lpx")
