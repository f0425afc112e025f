"""The ruler at 150 % display scaling (144 dpi): the 96-dpi ruler scaled, still measuring device pixels."""
from winebench import (BACKGROUND, IDCANCEL, Screenshot, child, move_mouse, size, tick_rows, wait_for,
                       wait_for_pixel)

DPI = 144
PATTERN = (0x33, 0x66, 0xCC)


def scaled(value: int) -> int:
    """A length of the 96-dpi layout at 144 dpi, rounded as the program rounds it."""
    return (value * DPI + 48) // 96


def start_scaled(velmar, unit: str) -> dict:
    velmar.prefix.set_dpi(DPI)
    velmar.store({"Einheit": ("REG_SZ", unit)})
    window = velmar.start()
    assert window["dpi"] == [DPI, DPI]
    return window


def test_ticks_fall_on_device_pixels_and_grow_with_the_scaling(velmar, tmp_path):
    window = start_scaled(velmar, "PIX")
    assert 1.4 * 41 <= size(window["rect"])[1] <= 1.6 * 41, f"{window['rect']} is not about 1.5 times as high"
    # A tick of length n shows n - 1 rows: the 50-pixel series' 8 become 12.
    wait_for(lambda: tick_rows(tmp_path / "screen.ppm", window, (99, 100, 101)),
             lambda rows: rows == {99: 0, 100: scaled(8) - 1, 101: 0}, "a pixel tick at device pixel 100")
    velmar.end()
    velmar.store({"Einheit": ("REG_SZ", "INCH")})
    window = velmar.start()
    wait_for(lambda: tick_rows(tmp_path / "screen.ppm", window, (143, 144, 145)),
             lambda rows: rows == {143: 0, 144: scaled(10) - 1, 145: 0}, "the inch tick at device pixel 144")


def ink(pixel) -> bool:
    return pixel != BACKGROUND


def test_readouts_keep_clear_of_each_other_and_the_close_cross_is_scaled(velmar, tmp_path):
    start_scaled(velmar, "PIX")
    velmar.prefix.wine(velmar.probe, "place", "Velmar", 20, 20, 640, 260)
    window = velmar.wait_for_rect([20, 20, 660, 280], "the ruler to be 640x260 at the top left")
    left, top = window["rect"][:2]
    # A coloured square under the mouse, clear of the ruler and of what the magnifier copies.
    velmar.prefix.spawn(velmar.probe, "colorwindow", 600, 460, 300, 300, "%02X%02X%02X" % PATTERN,
                        log=tmp_path / "colorwindow.log")
    wait_for_pixel(tmp_path / "screen.ppm", 750, 610, PATTERN)
    move_mouse(750, 610)
    colour = (scaled(83), scaled(28), scaled(168), scaled(61))
    swatch_left = colour[2] - scaled(20)
    shot = wait_for(lambda: Screenshot(tmp_path / "screen.ppm"),
                    lambda shot: shot.pixel(left + swatch_left + 5, top + colour[1] + 5) == PATTERN,
                    "the swatch to show the colour under the mouse")

    def columns_with_ink(x0: int, x1: int, y0: int, y1: int) -> list:
        return [x for x in range(x0, x1) if any(ink(shot.pixel(left + x, top + y)) for y in range(y0, y1))]
    # The colour lines end before the swatch, and the position lines before the colour pane.
    colour_text = columns_with_ink(colour[0], swatch_left, colour[1], colour[1] + scaled(30))
    assert colour_text and colour_text[-1] < swatch_left - 1, f"colour text in columns {colour_text}; {shot}"
    position_text = columns_with_ink(scaled(38) + scaled(18), colour[0], scaled(28), scaled(81))
    assert position_text and position_text[-1] < colour[0] - 1, f"position text in columns {position_text}; {shot}"
    # The magnifier's image shows the square and the crosshair, nothing else.
    image = (scaled(170) + scaled(6), scaled(28) + scaled(6), 640 - scaled(38) - scaled(6), 260 - scaled(28) - scaled(6))
    stray = {shot.pixel(left + x, top + y) for x in range(image[0], image[2]) for y in range(image[1], image[3])}
    assert stray <= {PATTERN, (0, 0, 255)}, f"the magnifier shows {stray}; {shot}"

    # The close button's face is drawn for 144 dpi: its cross, 7 pixels wide at 96 dpi, is 11 here.
    b_left, b_top = child(window, IDCANCEL)["rect"][:2]
    edge, face = scaled(1), (scaled(12), scaled(13))  # inside the black outer edge of the face
    cross = [x for x in range(edge, face[0] - edge)
             if any(shot.pixel(b_left + x, b_top + y) == (0, 0, 0) for y in range(edge, face[1] - edge))]
    assert len(cross) == scaled(7), f"the cross spans columns {cross} of the button; {shot}"
