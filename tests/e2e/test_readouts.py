"""A tall ruler's readouts, colour and magnifier follow the mouse anywhere, and the numbers on screen are right."""
from winebench import BLACK, CROSSHAIR, Screenshot, centre, move_mouse, wait_for, wait_for_pixel

SAMPLE, CHANGED = (0x20, 0x40, 0x80), (0xCC, 0x66, 0x33)
SQUARE = (620, 100, 12, 9)  # a coloured window: x, y, width, height on the screen


def test_readouts_colour_and_magnifier_show_what_is_under_the_mouse(velmar, tmp_path):
    velmar.start()
    left, top, right, bottom = velmar.place(100, 300, 400, 130)["rect"]
    x, y, width, height = SQUARE
    velmar.prefix.spawn(velmar.probe, "colorwindow", *SQUARE, "%02X%02X%02X" % SAMPLE, log=tmp_path / "square.log")
    shot_path = tmp_path / "screen.ppm"
    wait_for_pixel(shot_path, x + width - 1, y + height - 1, SAMPLE)
    # The rows of ink of each text in the ruler's font.
    texts = {text: velmar.ask("text", 96, text)["rows"] for text in ("620", "100", "105", "520", "032-064-128", "20-40-80")}

    def shows(*placed):  # (client x, client y, text) each drawn in black, its top-left corner there
        def check(shot):
            return all(shot.ink(left + cx, top + cy, texts[text], BLACK) == texts[text] for cx, cy, text in placed)
        return wait_for(lambda: Screenshot(shot_path), check, f"the readouts {placed}")
    # The position in screen pixels, the distance from the ruler's left edge, the colour in
    # decimal and hexadecimal; the mouse need not be over the ruler.
    move_mouse(x, y)
    shot = shows((56, 28, "620"), (56, 43, "100"), (45, 14, "520"), (83, 28, "032-064-128"), (83, 43, "20-40-80"))
    assert {shot.pixel(left + sx, top + sy) for sx in range(150, 168) for sy in range(28, 55)} == {SAMPLE}, shot
    # The magnifier shows the square magnified twice, its top-left pixel (the cursor's) where
    # the cursor's pixel goes (after half of the image, rounded up), and the crosshair at the
    # image's centre.
    image = (176, 34, right - left - 44, bottom - top - 34)
    bx, by = (image[i] + 2 * (((image[i + 2] - image[i]) // 2 + 1) // 2) for i in (0, 1))
    mx, my = centre(image)
    expected = {(bx + 2 * width - 1, by + 2 * height - 1): SAMPLE, (bx + 2 * width, by): BLACK, (bx, by + 2 * height): BLACK,
                (mx, my): CROSSHAIR, (mx, my - 10): CROSSHAIR, (mx + 9, my): CROSSHAIR,  # and the raised frame:
                (170, my): (255, 255, 255), (right - left - 38, my): (64, 64, 64), (right - left - 39, my): (128, 128, 128)}
    assert {p: shot.pixel(left + p[0], top + p[1]) for p in expected} == expected, f"not the square as the block at {bx}, {by}; {shot}"
    # A move in y alone changes the position's y; the distance stays.
    move_mouse(x, y + 5)
    shows((56, 28, "620"), (56, 43, "105"), (45, 14, "520"))
    # The screen changes under the resting mouse: the magnifier follows within a second.
    velmar.prefix.spawn(velmar.probe, "colorwindow", *SQUARE, "%02X%02X%02X" % CHANGED, log=tmp_path / "changed.log")
    wait_for_pixel(shot_path, x, y, CHANGED)
    wait_for(lambda: Screenshot(shot_path).pixel(left + bx + 1, top + by + 1), lambda p: p == CHANGED,
             "the magnifier to show the new colour under the resting mouse", timeout=1.0)
