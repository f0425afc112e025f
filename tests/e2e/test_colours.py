"""Colours the way designers use them: the colour now, copied in the chosen format, and its contrast with a reference."""
from test_menu_and_dialog import choose
from test_spans import copies
from winebench import move_mouse, press_keys

COPY_AS_HSL = ("Down",) * 7 + ("Right",) + ("Down",) * 3  # "Farbe kopieren als", then its fourth item


def test_the_colour_now_its_format_and_its_contrast(velmar, tmp_path):
    velmar.start()
    path = tmp_path / "s.ppm"
    ruler = velmar.place(100, 300, 170, 130)["rect"]  # too small for a magnifier: the colour follows all the same
    choose(velmar, *COPY_AS_HSL)
    # The screen changes under the resting mouse: the colour readout follows, Ctrl+C copies the new
    # colour (a new window may take the keyboard: the ruler is clicked again before the key).
    move_mouse(720, 120)
    for colour, text, hsl in (("3366CC", "051-102-204", "hsl(220, 60%, 50%)"), ("777777", "119-119-119", "hsl(0, 0%, 47%)")):
        velmar.prefix.spawn(velmar.probe, "colorwindow", 700, 100, 50, 50, colour, log=tmp_path / f"{colour}.log")
        velmar.shows(path, ruler, text)
        velmar.focus()
        copies(velmar, (720, 120), hsl, "ctrl+c")
    # Ctrl+R takes the grey as the reference; over white the third line reads the contrast, cut to 4.47.
    press_keys("ctrl+r")
    velmar.prefix.spawn(velmar.probe, "colorwindow", 800, 100, 50, 50, "FFFFFF", log=tmp_path / "white.log")
    move_mouse(820, 120)
    velmar.shows(path, ruler, "255-255-255", "4.47:1")
