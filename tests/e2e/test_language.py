"""The ruler in German and in English, as the display language or "Sprache" chooses: its menu, its zoom dialog and its accessible value."""
import pytest

from test_menu_and_dialog import IN_INCH, OTHER, TRANSPARENT, ZOOM, choose, dialog, dismiss_message, open_menu, type_into_edit
from winebench import ENGLISH, GERMAN, IDCANCEL, centre, child, click, move_mouse, press_keys, wait_for

COPY_RGB, EDGES = ("Down",) * 7 + ("Right", "Down", "Down"), ("Down",) * 8  # "rgb()", the spans item
WORDS = {
    GERMAN: {"menu": ["in cm", "in Pixel", "in logischen Pixeln", "in Inch", "Transparent", "Zoom", "Farbe kopieren als",
                      "Kanten messen"], "other": "andere", "dialog": ["OK", "Abbrechen", "Zoommodus", "Prozent:"],
             "message": "Bitte geben Sie eine ganze Zahl ein.", "value": "Abstand 64.8 mm"},
    ENGLISH: {"menu": ["in cm", "in pixels", "in logical pixels", "in inches", "Transparency", "Zoom", "Copy color as",
                       "Measure edges"], "other": "other...", "dialog": ["OK", "Cancel", "Zoom mode", "Percent:"],
              "message": "Please enter a whole number.", "value": "Distance 64.8 millimeters"},
}


@pytest.mark.parametrize("lang, stored, language", [(GERMAN, None, GERMAN), (ENGLISH, None, ENGLISH),
                                                   (GERMAN, "EN", ENGLISH), (ENGLISH, "DE", GERMAN)],
                         ids=["german", "english", "sprache-en", "sprache-de"])
def test_the_ruler_speaks_the_chosen_language_and_every_item_does_what_it_did(velmar, tmp_path, lang, stored, language):
    words = WORDS[language]
    velmar.store({"Einheit": ("REG_SZ", "MM"), **({"Sprache": ("REG_SZ", stored)} if stored else {})})
    rect = velmar.start(lang)["rect"]
    move_mouse(rect[0] + 245, rect[3] + 100)
    wait_for(lambda: velmar.ask("accvalue", "Velmar"), lambda seen: seen == {"name": "Velmar", "value": words["value"]},
             "the accessible value")
    menu = open_menu(velmar)
    velmar.shows(tmp_path / "s.ppm", menu, *words["menu"], menu=True)
    press_keys(*ZOOM)
    velmar.shows(tmp_path / "s.ppm", next(box for box in velmar.menus(2) if box != menu), words["other"], menu=True)
    press_keys(*OTHER[len(ZOOM):], "Return")
    box = dialog(velmar, "100", ["100"])  # found by its caption, "Zoom"
    assert set(words["dialog"]) <= {control["text"] for control in box["children"]}
    type_into_edit(box, "1", "x")
    dismiss_message(velmar, words["message"])
    dialog(velmar, "1", [])
    click(*centre(child(box, IDCANCEL)["rect"]))
    dialog(velmar, None, [])
    for keys, name, value in ((TRANSPARENT, "MitTransparentSlider", ("REG_SZ", "1")), (EDGES, "Kanten", ("REG_DWORD", 1)),
                              (COPY_RGB, "Farbformat", ("REG_SZ", "RGB")), (IN_INCH, "Einheit", ("REG_SZ", "INCH"))):
        choose(velmar, *keys)
        wait_for(lambda: velmar.saved_value(name), lambda saved: saved == value, f"{name} set from the menu")
    assert velmar.saved_value("Sprache") == (("REG_SZ", stored) if stored else None), "the choice is never written"
