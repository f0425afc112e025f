"""The readouts follow the mouse anywhere; the numbers on screen are right and carry their units."""
from test_menu_and_dialog import IN_PIXEL, ZOOM, choose, marks
from winebench import move_mouse, wait_for_pixel


def test_readouts_follow_the_mouse_anywhere_and_carry_their_units(velmar, tmp_path):
    velmar.store({"Einheit": ("REG_SZ", "MM"), "Zoom": ("REG_DWORD", 120)})
    velmar.start()
    shot_path = tmp_path / "screen.ppm"
    # A thin ruler in centimetres: 100 pixels are 26.5 mm, 22.0 mm calibrated by the zoom of 120;
    # the mouse on the mark numbered 1 reads 10 mm to within a pixel, at zoom 120 and at 150.
    ruler = velmar.place(100, 300, 489, 41)["rect"]
    move_mouse(200, 500)
    velmar.shows(shot_path, ruler, "22.0 mm")
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
    velmar.prefix.spawn(velmar.probe, "colorwindow", 620, 100, 12, 9, "204080", log=tmp_path / "square.log")
    wait_for_pixel(shot_path, 631, 108, (0x20, 0x40, 0x80))
    move_mouse(620, 100)
    velmar.shows(shot_path, ruler, "620 px", "100 px", "520 px", "032-064-128", "20-40-80")
    # A turned ruler measures from its top edge, the number near it.
    ruler = velmar.place(300, 100, 41, 489)["rect"]
    for down in (100, 200):
        move_mouse(600, 100 + down)
        velmar.shows(shot_path, (ruler[0], ruler[1], ruler[2], ruler[1] + 80), f"{down} px")
