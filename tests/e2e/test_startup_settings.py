"""The ruler's first start and picture, the settings it keeps in the registry, how it ends, and that it runs alone."""
import re
import shutil

import pytest

from winebench import (BACKGROUND, IDCANCEL, SETTINGS_KEY, TICK, Velmar, centre, child, click, inside,
                       press_keys, run, settings, size, wait_for_pixel)

WS_POPUP, WS_CAPTION, WS_SYSMENU, WS_THICKFRAME = 0x80000000, 0x00C00000, 0x00080000, 0x00040000
DEFAULTS, KEPT, KEPT_MM = settings(), settings("1", "INCH", 150), settings("0", "MM", 120)


def test_first_start_creates_the_key_and_shows_a_centred_topmost_borderless_strip(velmar):
    assert velmar.prefix.reg_query(SETTINGS_KEY) is None, "a fresh prefix already holds the settings key"
    window = velmar.start()
    assert velmar.prefix.reg_query(SETTINGS_KEY) is not None, "the running ruler has not created its key"
    assert window["topmost"], "the ruler is not topmost"
    assert window["style"] & WS_POPUP and not window["style"] & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), \
        f"style {window['style']:#x} is no popup, or has a caption, border, frame or system menu"
    assert window["client"] == window["rect"], "the client area is not the whole window"

    width, height = size(window["rect"])
    assert 440 <= width <= 540 and 30 <= height <= 50, (width, height)
    work = window["workarea"]
    centred = (work[0] + (size(work)[0] - width) // 2, work[1] + (size(work)[1] - height) // 2)
    assert all(abs(a - b) <= 3 for a, b in zip(window["rect"], centred)), (window["rect"], work)

    button = child(window, IDCANCEL)
    assert button["class"].lower() == "button" and button["visible"]
    assert (window["rect"][2] - button["rect"][2], button["rect"][1] - window["rect"][1]) == (5, 5), \
        "the close button is not 5 px from the right edge and 5 px below the top"
    assert [control["id"] for control in window["children"] if control["visible"]] == [IDCANCEL], \
        "a thin ruler shows no control besides the close button"
    velmar.assert_running("after its start")


# --- settings kept from run to run --------------------------------------------------------

def close_with_button(velmar):
    click(*centre(child(velmar.window(), IDCANCEL)["rect"]))


def enter_then_escape(velmar):
    velmar.focus()
    press_keys("Return")
    # Starting the probe under Wine takes far longer than the ruler needs for one key.
    assert velmar.window()["visible"], "Return hid the ruler"
    press_keys("Escape")  # a hidden ruler would no longer have the keyboard


@pytest.mark.parametrize("stored, end, expected", [
    pytest.param({}, Velmar.end, DEFAULTS, id="first-run-escape-writes-defaults"),
    pytest.param({}, enter_then_escape, DEFAULTS, id="enter-leaves-the-ruler-working"),
    pytest.param(KEPT, Velmar.end, KEPT, id="inch-kept-by-escape"),
    pytest.param(KEPT, close_with_button, KEPT, id="inch-kept-by-close-button"),
    pytest.param(KEPT_MM, close_with_button, KEPT_MM, id="mm-kept-by-close-button"),
    *[pytest.param({name: (kind, data)}, Velmar.end, DEFAULTS, id=f"malformed-{what}") for what, name, kind, data in [
        ("zoom-16-byte-binary", "Zoom", "REG_BINARY", bytes(range(1, 17))),
        ("zoom-negative", "Zoom", "REG_DWORD", 0xFFFFFFF6),
        ("zoom-zero", "Zoom", "REG_DWORD", 0),
        ("unit-lower-case-mm", "Einheit", "REG_SZ", "mm"),
        ("unit-cm", "Einheit", "REG_SZ", "CM"),
        ("slider-one-and-blank", "MitTransparentSlider", "REG_SZ", "1 "),
        ("unit-100-kb", "Einheit", "REG_SZ", "INCH" * 25000),
    ]],
])
def test_settings_are_read_at_start_and_written_back_at_the_end(velmar, stored, end, expected):
    velmar.store(stored)
    velmar.start()
    end(velmar)
    velmar.wait_exit()
    assert velmar.saved() == expected


# --- the first picture ---------------------------------------------------------------------

PIXEL_SERIES = ((5, 3), (10, 5), (50, 8), (100, 10))  # (step, tick length) of the pixel scale
DISTANCE_PANE = (45, 14, 85, 34)


def on_tick(x: int, y: int, width: int, height: int) -> bool:
    """Whether the pixel scale marks client pixel (x, y)."""
    # The scale's rectangle lies one pixel outside the window, so a tick of length n shows n - 1
    # pixels; the left and right edges are marked only when the scale is more than 40 high.
    extent = height + 2
    return any((x % step == 0 and (y <= length - 2 or y >= height + 1 - length))
               or (extent > 40 and extent > step and y >= step and y % step == 0
                   and (x <= length - 2 or x >= width + 1 - length)) for step, length in PIXEL_SERIES)


def test_default_ruler_shows_the_pixel_scale(velmar, tmp_path):
    window = velmar.start()
    left, top = window["client"][:2]
    width, height = size(window["client"])
    shot = wait_for_pixel(tmp_path / "screen.ppm", left + 150, top + height // 2, BACKGROUND)

    # Where the scale decides the colour: numbered marks, their ends and the gaps beside them.
    points = [(5, 0), (5, 1), (5, 2), (150, height // 2)] + [(150, y) for y in range(8)]
    points += [(x, 5) for x in (0, 1, 2, width - 3, width - 2, width - 1)]
    for x in range(0, width, 100):
        points += [(x, y) for y in [*range(10), *range(height - 10, height)]] + [(x + 2, 0), (x + 2, height - 1)]
    middle = -1 + (height + 2) // 2  # numbers of a thin ruler sit in one row, centred here
    numbers = [(x - 15, middle - 10, x + 15, middle + 10) for x in range(0, width + 1, 100)]
    button = [edge - origin for edge, origin in zip(child(window, IDCANCEL)["rect"], (left, top) * 2)]
    wrong = []
    for x, y in points:
        expected = TICK if on_tick(x, y, width, height) else BACKGROUND
        hidden = inside(x, y, DISTANCE_PANE) or inside(x, y, button) or \
            (expected == BACKGROUND and any(inside(x, y, box) for box in numbers))  # a number may ink it
        if 0 <= x < width and 0 <= y < height and not hidden and shot.pixel(left + x, top + y) != expected:
            wrong.append(f"({x}, {y}): {shot.pixel(left + x, top + y)}, expected {expected}")
    assert not wrong, f"{width}x{height} ruler, {shot}:\n" + "\n".join(wrong)


# --- the program runs alone ----------------------------------------------------------------

WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll", "msvcrt.dll",
                "ucrtbase.dll", "shell32.dll", "ole32.dll", "uxtheme.dll", "comdlg32.dll", "msimg32.dll",
                "shlwapi.dll"}


def test_imports_only_dlls_that_windows_provides(velmar_exe):
    objdump = shutil.which("x86_64-w64-mingw32-objdump")
    assert objdump, "x86_64-w64-mingw32-objdump is missing (binutils-mingw-w64-x86-64)"
    imports = run([objdump, "-p", velmar_exe], check=True).stdout
    dlls = [name.lower() for name in re.findall(r"DLL Name: (\S+)", imports)]
    assert "user32.dll" in dlls, f"no imports found: {dlls}"
    foreign = [name for name in dlls if name not in WINDOWS_DLLS and not name.startswith("api-ms-win-crt-")]
    assert not foreign, f"needs DLLs that Windows does not provide: {foreign}"


def test_carries_exactly_one_manifest_named_1_which_the_loader_applies(velmar_exe):
    resources = run(["x86_64-w64-mingw32-windres", "-i", velmar_exe, "-O", "rc"], check=True).stdout
    manifests = re.findall(r"^(\S+) 24\b[^\n]*\nBEGIN\n(.*?)^END", resources, re.M | re.S)
    assert [name for name, _ in manifests] == ["1"], f"manifests: {manifests!r:.400}"
    assert "<assembly" in manifests[0][1]
