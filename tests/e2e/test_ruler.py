"""The ruler's first start, the settings it keeps in the registry, and that it runs alone."""
import re

import pytest

from winebench import ALPHA_SLIDER, IDCANCEL, SETTINGS_KEY, centre, child, click, move_mouse, run, settings, wait_for

KEPT, KEPT_MM = settings("1", "INCH", 150), settings("0", "MM", 120)


def test_first_start_shows_a_centred_topmost_borderless_pixel_ruler(velmar):
    window = velmar.start()
    assert velmar.prefix.reg_query(SETTINGS_KEY) is not None, "the running ruler has not created its key"
    # WS_EX_TOPMOST and WS_POPUP without WS_CAPTION, WS_SYSMENU or WS_THICKFRAME
    assert window["exstyle"] & 0x8 and window["style"] & 0x80C40000 == 0x80000000
    left, top, right, bottom = window["rect"]
    assert 440 <= right - left <= 540 and 30 <= bottom - top <= 50, window["rect"]
    assert max(abs(a - b) for a, b in zip(centre(window["rect"]), centre(window["workarea"]))) <= 3, window["rect"]
    button = child(window, IDCANCEL)["rect"]
    assert (right - button[2], button[1] - top) == (12, 12), "the close button is not inside the ticks by the top-right corner"
    assert [c["id"] for c in window["children"] if c["visible"]] == [IDCANCEL]


@pytest.mark.parametrize("stored, end, reads", [
    ({}, "Escape", "96 Pixel"), (KEPT, "Escape", "1.0 Zoll"), (KEPT_MM, "close button", "21.2 mm"),
    *[({"Einheit": ("REG_SZ", "MM"), "Zoom": value}, "Escape", "25.4 mm") for value in [("REG_BINARY", bytes(range(1, 17))), ("REG_DWORD", 0xFFFFFFF6)]],
    *[({name: ("REG_SZ", text)}, "Escape", "96 Pixel") for name, text in [
        ("Einheit", "mm"), ("Einheit", "CM"), ("MitTransparentSlider", "1 "), ("Einheit", "INCH" * 25000)]],
])
def test_settings_are_read_at_start_and_none_is_rewritten(velmar, stored, end, reads):
    # What the ruler read shows in its distance, 96 pixels right of its zero edge, and its slider;
    # whatever it read, even what it could not use, is left as it was.
    velmar.store(stored)
    rect = velmar.start()["rect"]
    move_mouse(rect[0] + 96, rect[1] + 200)
    wait_for(lambda: velmar.ask("accvalue", "Velmar")["value"], lambda value: value == f"Abstand {reads}", f"the distance in {reads}")
    assert child(velmar.window(), ALPHA_SLIDER)["visible"] == (stored == KEPT)
    values = velmar.prefix.reg_query(SETTINGS_KEY)
    click(*centre(child(velmar.window(), IDCANCEL)["rect"])) if end == "close button" else velmar.end()
    velmar.wait_exit()
    assert {name: value for name, value in velmar.prefix.reg_query(SETTINGS_KEY).items() if name != "Fenster"} == values


def test_runs_alone_with_windows_own_dlls_and_one_manifest(velmar):
    dlls = {dll.lower() for dll in re.findall(r"DLL Name: (\S+)", run(["x86_64-w64-mingw32-objdump", "-p", velmar.exe]).stdout)}
    assert "user32.dll" in dlls and dlls <= {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll", "msvcrt.dll",
                                             "ole32.dll", "oleacc.dll", "oleaut32.dll"}
    resources = run(["x86_64-w64-mingw32-windres", "-i", velmar.exe, "-O", "rc"]).stdout
    manifests = re.findall(r"^(\S+) 24\b[^\n]*\nBEGIN\n(.*?)^END", resources, re.M | re.S)
    assert [name for name, _ in manifests] == ["1"] and "<assembly" in manifests[0][1], manifests
