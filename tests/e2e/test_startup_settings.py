"""The ruler's first start, the three settings it keeps in the registry, the ways it ends, its
first picture, and that the program runs on a bare Windows."""
import re
import shutil
from pathlib import Path

import pytest

from peresources import RT_MANIFEST, read_resources
from winebench import SETTINGS_KEY, RegValue, click, press_keys, run_tool, wait_for_pixel

WS_POPUP = 0x80000000
WS_CAPTION = 0x00C00000  # WS_BORDER | WS_DLGFRAME
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
IDCANCEL = 2

BACKGROUND = (0, 255, 255)
TICK = (64, 64, 64)


def settings(slider: str, unit: str, zoom: int) -> dict:
    return {"MitTransparentSlider": RegValue("REG_SZ", slider), "Einheit": RegValue("REG_SZ", unit),
            "Zoom": RegValue("REG_DWORD", zoom)}


DEFAULTS = settings("0", "PIX", 100)


def size(rect) -> tuple:
    return rect[2] - rect[0], rect[3] - rect[1]


def centre(rect) -> tuple:
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def close_button(window: dict) -> dict:
    buttons = [child for child in window["children"] if child["id"] == IDCANCEL]
    assert len(buttons) == 1, f"expected one close button (id 2), found {window['children']}"
    return buttons[0]


def end_with_escape(window: dict) -> None:
    click(*centre(window["rect"]))  # no window manager: the click gives the ruler the keyboard
    press_keys("Escape")


def end_with_close_button(window: dict) -> None:
    click(*centre(close_button(window)["rect"]))


def store(prefix, values: dict) -> None:
    for name, value in values.items():
        prefix.reg_add(SETTINGS_KEY, name, value.type, value.data)
    stored = prefix.reg_query(SETTINGS_KEY) or {}
    assert all(stored.get(name) == value for name, value in values.items()), stored


def saved_settings(prefix) -> dict:
    values = prefix.reg_query(SETTINGS_KEY)
    assert values is not None, "the settings key does not exist"
    return {name: values.get(name) for name in DEFAULTS}


def run_and_end(velmar, end) -> None:
    end(velmar.start())
    assert velmar.wait_exit() == 0, f"the ruler did not exit cleanly:\n{velmar.output()}"


# --- first start ---------------------------------------------------------------------------

def test_first_start_creates_the_settings_key(prefix, velmar):
    assert prefix.reg_query(SETTINGS_KEY) is None, "a fresh prefix already holds the settings key"
    velmar.start()
    assert prefix.reg_query(SETTINGS_KEY) is not None, "the running ruler has not created its key"
    velmar.assert_running("while its key was looked at")


def test_default_ruler_is_a_centred_topmost_borderless_strip(velmar):
    window = velmar.start()
    assert window["title"] == "Velmar"
    assert window["topmost"], "the ruler is not topmost"
    assert window["style"] & WS_POPUP, f"style {window['style']:#x} is not a popup"
    assert window["style"] & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU) == 0, \
        f"style {window['style']:#x} has a caption, border, frame or system menu"
    assert window["client"] == window["rect"], "the client area is not the whole window"

    width, height = size(window["rect"])
    assert 30 <= height <= 50, f"height {height}"
    assert 440 <= width <= 540, f"width {width}"
    work = velmar.probe.screen()["workarea"]
    work_width, work_height = size(work)
    assert abs(window["rect"][0] - (work[0] + (work_width - width) // 2)) <= 3, (window["rect"], work)
    assert abs(window["rect"][1] - (work[1] + (work_height - height) // 2)) <= 3, (window["rect"], work)

    button = close_button(window)
    assert button["class"].lower() == "button" and button["visible"]
    assert window["rect"][2] - button["rect"][2] == 5, "close button not 5 px from the right edge"
    assert button["rect"][1] - window["rect"][1] == 5, "close button not 5 px below the top"
    assert [child["id"] for child in window["children"] if child["visible"]] == [IDCANCEL], \
        "a thin ruler shows no control besides the close button"


# --- settings kept from run to run --------------------------------------------------------

KEPT = settings("1", "INCH", 150)
KEPT_CENTIMETRES = settings("0", "MM", 120)


@pytest.mark.parametrize("stored, end, expected", [
    pytest.param({}, end_with_escape, DEFAULTS, id="first-run-escape-writes-defaults"),
    pytest.param(KEPT, end_with_escape, KEPT, id="inch-kept-by-escape"),
    pytest.param(KEPT, end_with_close_button, KEPT, id="inch-kept-by-close-button"),
    pytest.param(KEPT_CENTIMETRES, end_with_close_button, KEPT_CENTIMETRES, id="mm-kept-by-close-button"),
])
def test_settings_are_restored_and_written_back(prefix, velmar, stored, end, expected):
    store(prefix, stored)
    run_and_end(velmar, end)
    assert saved_settings(prefix) == expected


def huge_unit(prefix, tmp_path: Path) -> None:
    """An "Einheit" text of 100 KB, imported from a .reg file: too long for a command line."""
    reg_file = tmp_path / "huge.reg"
    reg_file.write_text("Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_CURRENT_USER\\Software\\zp-r\\Velmar\\Option]\r\n"
                        f"\"Einheit\"=\"{'INCH' * 25000}\"\r\n", encoding="ascii")
    prefix.reg_import(reg_file)
    assert len(prefix.reg_query(SETTINGS_KEY)["Einheit"].data) == 100000


def stored_value(name: str, kind: str, data):
    return lambda prefix, tmp_path: store(prefix, {name: RegValue(kind, data)})


@pytest.mark.parametrize("corrupt", [
    pytest.param(stored_value("Zoom", "REG_BINARY", bytes(range(1, 17))), id="zoom-16-byte-binary"),
    pytest.param(stored_value("Zoom", "REG_DWORD", 0xFFFFFFF6), id="zoom-negative"),
    pytest.param(stored_value("Zoom", "REG_DWORD", 0), id="zoom-zero"),
    pytest.param(stored_value("Einheit", "REG_SZ", "mm"), id="unit-lower-case-mm"),
    pytest.param(stored_value("Einheit", "REG_SZ", "CM"), id="unit-cm"),
    pytest.param(stored_value("MitTransparentSlider", "REG_SZ", "1 "), id="slider-one-and-blank"),
    pytest.param(huge_unit, id="unit-100-kb"),
])
def test_malformed_settings_give_defaults(prefix, velmar, tmp_path, corrupt):
    corrupt(prefix, tmp_path)
    run_and_end(velmar, end_with_escape)
    assert saved_settings(prefix) == DEFAULTS


def test_enter_leaves_the_ruler_shown_and_working(prefix, velmar):
    window = velmar.start()
    click(*centre(window["rect"]))
    press_keys("Return")
    # Starting the probe under Wine takes far longer than the ruler needs for one key.
    assert velmar.window()["visible"], "Return hid the ruler"
    velmar.assert_running("after Return")
    press_keys("Escape")  # a hidden ruler would no longer have the keyboard
    assert velmar.wait_exit() == 0
    assert saved_settings(prefix) == DEFAULTS


# --- the first picture ---------------------------------------------------------------------

PIXEL_SERIES = ((5, 3), (10, 5), (50, 8), (100, 10))  # (step, tick length) of the pixel scale
DISTANCE_PANE = (45, 14, 85, 34)


def on_tick(x: int, y: int, width: int, height: int) -> bool:
    """Whether the pixel scale marks client pixel (x, y). The scale's rectangle lies one pixel
    outside the window, so a tick of length n shows n - 1 pixels; the left and right edges are
    marked only when the scale is more than 40 high, from the first step on."""
    extent = height + 2
    for step, length in PIXEL_SERIES:
        if x % step == 0 and (y <= length - 2 or y >= height + 1 - length):
            return True
        if extent > 40 and extent > step and y >= step and y % step == 0 \
                and (x <= length - 2 or x >= width + 1 - length):
            return True
    return False


def inside(x: int, y: int, box) -> bool:
    return box[0] <= x < box[2] and box[1] <= y < box[3]


def sample_points(width: int, height: int) -> list:
    """Client pixels where the scale decides the colour: numbered marks, their ends and gaps."""
    points = []
    for x in range(0, width, 100):
        points += [(x, y) for y in range(10)] + [(x, y) for y in range(height - 10, height)]
        points += [(x + 2, 0), (x + 2, height - 1)]
    points += [(5, 0), (5, 1), (5, 2), (150, height // 2)] + [(150, y) for y in range(8)]
    points += [(x, 5) for x in (0, 1, 2, width - 3, width - 2, width - 1)]
    return [(x, y) for x, y in points if 0 <= x < width and 0 <= y < height]


def test_default_ruler_shows_the_pixel_scale(velmar, tmp_path):
    window = velmar.start()
    left, top = window["client"][:2]
    width, height = size(window["client"])
    shot = wait_for_pixel(tmp_path / "screen.ppm", left + 150, top + height // 2, BACKGROUND)

    middle = -1 + (height + 2) // 2  # numbers of a thin ruler sit in one row, centred here
    number_boxes = [(x - 15, middle - 10, x + 15, middle + 10) for x in range(0, width + 1, 100)]
    button = close_button(window)["rect"]
    button = (button[0] - left, button[1] - top, button[2] - left, button[3] - top)
    wrong = []
    for x, y in sample_points(width, height):
        expected = TICK if on_tick(x, y, width, height) else BACKGROUND
        if inside(x, y, DISTANCE_PANE) or inside(x, y, button):
            continue
        if expected == BACKGROUND and any(inside(x, y, box) for box in number_boxes):
            continue  # a number may ink this pixel
        actual = shot.pixel(left + x, top + y)
        if actual != expected:
            wrong.append(f"({x}, {y}): {actual}, expected {expected}")
    assert not wrong, f"{width}x{height} ruler, screenshot {shot.path}:\n" + "\n".join(wrong)


# --- the program runs alone ----------------------------------------------------------------

WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll", "msvcrt.dll",
                "ucrtbase.dll", "shell32.dll", "ole32.dll", "uxtheme.dll", "comdlg32.dll", "msimg32.dll",
                "shlwapi.dll"}


def test_imports_only_dlls_that_windows_provides(velmar_exe):
    objdump = shutil.which("x86_64-w64-mingw32-objdump")
    assert objdump, "x86_64-w64-mingw32-objdump is missing (binutils-mingw-w64-x86-64)"
    run = run_tool([objdump, "-p", velmar_exe])
    assert run.returncode == 0, run.stderr
    dlls = [name.lower() for name in re.findall(r"DLL Name: (\S+)", run.stdout)]
    assert "user32.dll" in dlls, f"no imports found: {dlls}"
    foreign = [name for name in dlls if name not in WINDOWS_DLLS and not name.startswith("api-ms-win-crt-")]
    assert not foreign, f"needs DLLs that Windows does not provide: {foreign}"


def test_carries_exactly_one_manifest(velmar_exe):
    manifests = [resource for resource in read_resources(velmar_exe) if resource.type == RT_MANIFEST]
    assert len(manifests) == 1, f"{len(manifests)} manifests: {[(m.name, m.language) for m in manifests]}"
    assert manifests[0].name == 1, "the loader applies only manifest 1 of an executable"
    assert b"<assembly" in manifests[0].data
