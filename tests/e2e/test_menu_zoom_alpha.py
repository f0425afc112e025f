"""The context menu, the zoom dialog and the window's transparency, driven through the X server as
a user drives them: right-clicks, keys, clicks and drags. Settings go into the registry before the
start and are read back after the ruler has ended, which is when it writes them."""
import json
import shutil
from pathlib import Path

import pytest

from winebench import (SETTINGS_KEY, Velmar, click, move_mouse, press_keys, run_tool, take_screenshot,
                       visible_x_window, wait_until, xdotool)

STEP_TIMEOUT = 15.0  # one reaction of the ruler, seen through screenshots or the probe under Wine

TICK = (64, 64, 64)
WS_EX_LAYERED = 0x80000
LWA_ALPHA = 2

IDOK, IDCANCEL = 1, 2
ALPHA_SLIDER = 35
RADIO_125, RADIO_120, RADIO_100, RADIO_75 = 1006, 1007, 1009, 1010
RADIOS = range(1003, 1012)
PERCENT_EDIT = 1012
INVALID_NUMBER = "Bitte geben Sie eine ganze Zahl ein."

# Keys that walk the context menu from nothing selected; the separator is skipped.
IN_INCH = ("Down",) * 3
TRANSPARENT = ("Down",) * 4
ZOOM_SUBMENU = ("Down",) * 5 + ("Right",)  # opens it with its first item, "100%", selected
ZOOM_ITEMS = ("100%", "120%", "150%", "75%", "andere")


# --- polling -------------------------------------------------------------------------------

def wait_for(read, accept, what: str, timeout: float = STEP_TIMEOUT):
    """Polls read() until accept(value) holds and returns that value; a timeout names the last value."""
    last = []

    def check():
        last[:] = [read()]
        return (last[0],) if accept(last[0]) else None
    try:
        return wait_until(check, timeout, what)[0]
    except AssertionError as error:
        raise AssertionError(f"{error}; last seen: {last[0] if last else None!r}") from None


# --- window texts --------------------------------------------------------------------------

# The probe reports rectangles and styles but no texts, and a message box carries the ruler's title.
# This helper lists every shown top-level window with a given title and, for each control in it,
# its live text (WM_GETTEXT) and check state.
TEXTS_SOURCE = r"""
#include <windows.h>
#include <stdio.h>
#include <wchar.h>

static int g_windows, g_children;

static void PutText(const wchar_t *text) {
    char utf8[4096];
    if (!WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL))
        utf8[0] = 0;
    putchar('"');
    for (const unsigned char *c = (const unsigned char *)utf8; *c; ++c) {
        if (*c == '"' || *c == '\\')
            printf("\\%c", *c);
        else if (*c < 0x20)
            printf("\\u%04x", *c);
        else
            putchar(*c);
    }
    putchar('"');
}

static void PutRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    printf("[%ld, %ld, %ld, %ld]", r.left, r.top, r.right, r.bottom);
}

/* Sent, not read from the window manager's copy: an edit's text lives in the control. */
static LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
        return -1;
    return (LRESULT)result;
}

static BOOL CALLBACK PutChild(HWND child, LPARAM unused) {
    wchar_t text[1024] = L"", name[256] = L"";
    (void)unused;
    Ask(child, WM_GETTEXT, 1024, (LPARAM)text);
    GetClassNameW(child, name, 256);
    printf("%s{\"id\": %d, \"class\": ", g_children++ ? ", " : "", GetDlgCtrlID(child));
    PutText(name);
    printf(", \"text\": ");
    PutText(text);
    printf(", \"rect\": ");
    PutRect(child);
    printf(", \"checked\": %d}", _wcsicmp(name, L"Button") == 0 ? (int)Ask(child, BM_GETCHECK, 0, 0) : 0);
    return TRUE;
}

static BOOL CALLBACK PutWindow(HWND hwnd, LPARAM title) {
    wchar_t text[512] = L"";
    GetWindowTextW(hwnd, text, 512);
    if (wcscmp(text, (const wchar_t *)title) != 0 || !IsWindowVisible(hwnd))
        return TRUE;
    printf("%s{\"hwnd\": %llu, \"rect\": ", g_windows++ ? ", " : "", (unsigned long long)(UINT_PTR)hwnd);
    PutRect(hwnd);
    printf(", \"children\": [");
    g_children = 0;
    EnumChildWindows(hwnd, PutChild, 0);
    printf("]}");
    return TRUE;
}

int wmain(int argc, wchar_t **argv) {
    if (argc != 2)
        return 1;
    printf("{\"windows\": [");
    EnumWindows(PutWindow, (LPARAM)argv[1]);
    printf("]}\n");
    fflush(stdout);
    return 0;
}
"""


@pytest.fixture(scope="session")
def texts_exe(tmp_path_factory) -> Path:
    compiler = shutil.which("x86_64-w64-mingw32-gcc")
    assert compiler, "x86_64-w64-mingw32-gcc is missing: it builds the window-text helper"
    directory = tmp_path_factory.mktemp("texts")
    source = directory / "velmar_texts.c"
    source.write_text(TEXTS_SOURCE)
    exe = directory / "velmar_texts.exe"
    run = run_tool([compiler, "-std=c11", "-O1", "-municode", "-o", exe, source])
    assert run.returncode == 0, f"building the window-text helper failed:\n{run.stderr}"
    return exe


@pytest.fixture
def texts(prefix, texts_exe):
    """texts(title): the shown top-level windows with exactly that title, with their controls."""
    def shown_windows(title: str) -> list:
        run = prefix.wine(texts_exe, title)
        assert run.returncode == 0, f"velmar_texts {title} failed ({run.returncode}): {run.stderr}"
        lines = [line for line in run.stdout.splitlines() if line.startswith("{")]
        assert lines, f"velmar_texts printed no JSON: {run.stdout!r}"
        return json.loads(lines[-1])["windows"]
    return shown_windows


def control(window: dict, ident: int) -> dict:
    found = [child for child in window["children"] if child["id"] == ident]
    assert len(found) == 1, f"expected one control {ident}, found {window['children']}"
    return found[0]


def centre(rect) -> tuple:
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


# --- the ruler -----------------------------------------------------------------------------

def store(prefix, **values) -> None:
    for name, data in values.items():
        kind = "REG_DWORD" if isinstance(data, int) else "REG_SZ"
        prefix.reg_add(SETTINGS_KEY, name, kind, data)


def client_point(window: dict, x: int, y: int) -> tuple:
    return window["client"][0] + x, window["client"][1] + y


def end_and_read_settings(velmar, window: dict) -> dict:
    """Ends the ruler with Escape and returns what it wrote: {name: data}."""
    width = window["client"][2] - window["client"][0]
    click(*client_point(window, width // 2, 20))  # no window manager: the click gives the ruler the keys
    press_keys("Escape")
    assert velmar.wait_exit() == 0, f"the ruler did not exit cleanly:\n{velmar.output()}"
    values = velmar.prefix.reg_query(SETTINGS_KEY)
    assert values is not None, "the settings key does not exist"
    return {name: value.data for name, value in values.items()}


def tick_rows(tmp_path: Path, window: dict, columns) -> dict:
    """For each client column, how many rows from the top edge down show the tick colour: a
    numbered mark shows 9, shorter marks fewer, no mark 0."""
    shot = take_screenshot(tmp_path / "screen.ppm")
    left, top = window["client"][:2]
    rows = {}
    for x in columns:
        count = 0
        while count < 20 and shot.pixel(left + x, top + count) == TICK:
            count += 1
        rows[x] = count
    return rows


def wait_for_marks(tmp_path: Path, window: dict, expected: dict, what: str) -> None:
    wait_for(lambda: tick_rows(tmp_path, window, expected), lambda rows: rows == expected, what)


# --- popup menus ---------------------------------------------------------------------------

def popup_menus() -> list:
    """(x, y, width, height) of each shown untitled X window of the ruler: Wine's popup menus."""
    run = run_tool(["xdotool", "search", "--onlyvisible", "--class", r"^velmar\.exe$"])
    menus = []
    for window in run.stdout.split():
        if run_tool(["xdotool", "getwindowname", window]).stdout.strip():
            continue
        shell = run_tool(["xdotool", "getwindowgeometry", "--shell", window]).stdout
        fields = dict(line.split("=", 1) for line in shell.split() if "=" in line)
        if {"X", "Y", "WIDTH", "HEIGHT"} <= fields.keys():
            menus.append(tuple(int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")))
    return menus


def wait_for_menus(count: int) -> list:
    return wait_for(popup_menus, lambda menus: len(menus) == count, f"{count} open popup menus")


def open_menu(point: tuple) -> tuple:
    """Right-clicks at a screen point and returns the context menu's box once it is shown."""
    click(*point, button=3)
    return wait_for_menus(1)[0]


def choose_with_keys(*keys: str) -> None:
    press_keys(*keys, "Return")
    wait_for_menus(0)


def open_zoom_submenu(point: tuple) -> tuple:
    """Opens the context menu at point and its "Zoom" submenu; returns the submenu's box."""
    menu = open_menu(point)
    press_keys(*ZOOM_SUBMENU)
    submenu = [box for box in wait_for_menus(2) if box != menu]
    assert len(submenu) == 1, f"cannot tell the submenu from the menu at {menu}"
    return submenu[0]


def item_centre(menu: tuple, index: int, count: int) -> tuple:
    """The middle of item index in a menu of count equally high items; the frame is a few
    pixels, far less than half an item."""
    x, y, width, height = menu
    return x + width // 2, y + height * (2 * index + 1) // (2 * count)


# --- the zoom dialog -----------------------------------------------------------------------

def open_zoom_dialog(velmar, point: tuple, texts) -> dict:
    """Chooses "Zoom" > "andere" by keyboard and returns the dialog's controls once it is shown."""
    open_zoom_submenu(point)
    choose_with_keys(*("Down",) * ZOOM_ITEMS.index("andere"))
    wait_until(lambda: visible_x_window("Zoom"), STEP_TIMEOUT, "the zoom dialog")
    dialogs = texts("Zoom")
    assert len(dialogs) == 1, f"expected one zoom dialog, found {dialogs}"
    velmar.assert_running("with its zoom dialog open")
    return dialogs[0]


def dialog_state(texts) -> tuple:
    """The edit's text and the checked radios of the shown zoom dialog, or None without one."""
    dialogs = texts("Zoom")
    if len(dialogs) != 1:
        return None
    dialog = dialogs[0]
    checked = [child["id"] for child in dialog["children"] if child["id"] in RADIOS and child["checked"]]
    return control(dialog, PERCENT_EDIT)["text"], checked


def wait_for_dialog_state(texts, edit: str, radios: list, what: str) -> None:
    wait_for(lambda: dialog_state(texts), lambda state: state == (edit, radios), what)


def click_edit_end(dialog: dict) -> None:
    """Puts the keyboard into the percent edit with the caret after its last character."""
    edit = control(dialog, PERCENT_EDIT)["rect"]
    click(edit[0] + 8, (edit[1] + edit[3]) // 2)  # left part: the spin covers the edit's right end
    press_keys("End")


def wait_dialog_closed() -> None:
    wait_until(lambda: not visible_x_window("Zoom"), STEP_TIMEOUT, "the zoom dialog to close")


# --- the context menu ----------------------------------------------------------------------

def test_menu_opens_at_the_press_point_and_inch_repaints_the_scale(prefix, velmar, tmp_path):
    window = velmar.start()
    assert velmar.probe.screen()["dpi"] == [96, 96], "the scale columns below assume 96 dpi"
    # Pixel scale: a numbered mark at 100, nothing at 96. Inch scale: the mark of 1 inch at 96.
    wait_for_marks(tmp_path, window, {96: 0, 100: 9}, "the pixel scale")

    for press, keys in (((150, 20), ("Escape",)), ((300, 30), IN_INCH + ("Return",))):
        point = client_point(window, *press)
        menu = open_menu(point)
        assert menu[:2] == point, f"menu box {menu}, pressed at {point}"
        press_keys(*keys)
        wait_for_menus(0)

    wait_for_marks(tmp_path, window, {96: 9, 100: 0}, "the inch scale")
    saved = end_and_read_settings(velmar, window)
    assert (saved["Einheit"], saved["Zoom"], saved["MitTransparentSlider"]) == ("INCH", 100, "0")


def test_zoom_preset_chosen_with_the_mouse_rescales_centimetres_and_is_kept(prefix, velmar, tmp_path):
    store(prefix, Einheit="MM")
    window = velmar.start()
    assert velmar.probe.screen()["dpi"] == [96, 96], "the scale columns below assume 96 dpi"
    # Centimetre marks at 96 dpi: zoom 100 numbers 37, 75, 113 (56 is the 15 mm mark, 8 long);
    # zoom 75 numbers 28, 56, 85.
    wait_for_marks(tmp_path, window, {56: 7, 75: 9}, "the centimetre scale at zoom 100")

    submenu = open_zoom_submenu(client_point(window, 200, 20))
    click(*item_centre(submenu, ZOOM_ITEMS.index("75%"), len(ZOOM_ITEMS)))
    wait_for_menus(0)

    wait_for_marks(tmp_path, window, {56: 9, 75: 0}, "the centimetre scale at zoom 75")
    saved = end_and_read_settings(velmar, window)
    assert (saved["Einheit"], saved["Zoom"]) == ("MM", 75)


def test_transparent_shows_the_alpha_slider_and_is_kept(prefix, velmar):
    window = velmar.start()
    assert not control(window, ALPHA_SLIDER)["visible"], "the alpha slider is shown on a first start"

    open_menu(client_point(window, 150, 20))
    choose_with_keys(*TRANSPARENT)

    wait_for(lambda: control(velmar.window(), ALPHA_SLIDER)["visible"], bool, "the alpha slider to show")
    layered = velmar.probe.layered()
    assert not layered["exstyle"] & WS_EX_LAYERED, f"showing the slider made the window layered: {layered}"
    saved = end_and_read_settings(velmar, window)
    assert (saved["MitTransparentSlider"], saved["Einheit"]) == ("1", "PIX")


# --- the zoom dialog -----------------------------------------------------------------------

def test_zoom_dialog_ok_takes_the_typed_number_and_cancel_keeps_the_zoom(prefix, velmar, texts):
    store(prefix, Einheit="MM")
    window = velmar.start()
    point = client_point(window, 200, 20)
    dialog = open_zoom_dialog(velmar, point, texts)
    placed = velmar.probe.window("Zoom")
    assert placed and all(abs(a - b) <= 1 for a, b in zip(centre(placed["rect"]), centre(window["rect"]))), \
        f"dialog {placed and placed['rect']} is not centred over the ruler {window['rect']}"
    wait_for_dialog_state(texts, "100", [RADIO_100], "the dialog to show zoom 100")

    click_edit_end(dialog)
    press_keys("BackSpace", "BackSpace")  # "1"
    press_keys("3", "0")
    wait_for_dialog_state(texts, "130", [], "the typed 130 with no preset selected")
    press_keys("Return")
    wait_dialog_closed()
    assert end_and_read_settings(velmar, window)["Zoom"] == 130

    again = Velmar(prefix, velmar.exe, velmar.probe)
    window = again.start()
    dialog = open_zoom_dialog(again, point, texts)
    wait_for_dialog_state(texts, "130", [], "the dialog to show zoom 130")
    click(*centre(control(dialog, RADIO_75)["rect"]))
    wait_for_dialog_state(texts, "75", [RADIO_75], "the 75% preset")
    click(*centre(control(dialog, IDCANCEL)["rect"]))
    wait_dialog_closed()
    assert end_and_read_settings(again, window)["Zoom"] == 130


def test_letter_in_the_zoom_edit_is_refused_and_the_number_comes_back(prefix, velmar, texts):
    store(prefix, Einheit="MM", Zoom=120)
    window = velmar.start()
    dialog = open_zoom_dialog(velmar, client_point(window, 200, 20), texts)
    wait_for_dialog_state(texts, "120", [RADIO_120], "the dialog to show zoom 120")

    click_edit_end(dialog)
    press_keys("x")

    def message_boxes() -> list:
        return [box for box in texts("Velmar")
                if any(child["text"] == INVALID_NUMBER for child in box["children"])]
    box = wait_for(message_boxes, lambda boxes: len(boxes) == 1, "the invalid-number message")[0]
    message = next(child for child in box["children"] if child["text"] == INVALID_NUMBER)
    click(*centre(message["rect"]))  # gives the message box the keys
    press_keys("Return")
    wait_for(message_boxes, lambda boxes: not boxes, "the message to close")
    wait_for_dialog_state(texts, "120", [RADIO_120], "the previous number to come back")

    press_keys("End", "BackSpace", "5")  # the focus is back in the edit
    wait_for_dialog_state(texts, "125", [RADIO_125], "the typed 125")
    press_keys("Return")
    wait_dialog_closed()
    assert end_and_read_settings(velmar, window)["Zoom"] == 125


# --- transparency --------------------------------------------------------------------------

def translucent(info) -> bool:
    return bool(info and info["exstyle"] & WS_EX_LAYERED and info["ok"] and info["flags"] & LWA_ALPHA
                and 20 <= info["alpha"] < 255)


def opaque(info) -> bool:
    return bool(info and not info["exstyle"] & WS_EX_LAYERED)


def pointer() -> tuple:
    shell = run_tool(["xdotool", "getmouselocation", "--shell"]).stdout
    fields = dict(line.split("=", 1) for line in shell.split() if "=" in line)
    return int(fields["X"]), int(fields["Y"])


def move_pointer(x: int, y: int) -> None:
    """move_mouse, also when the pointer is already there: `xdotool mousemove --sync` then waits
    about 15 s for a move away that never comes."""
    if pointer() != (x, y):
        move_mouse(x, y)


def drag_and_check(start: tuple, end_x: int, check) -> object:
    """Drags from start to (end_x, same row) and returns check() while the button is still held."""
    move_pointer(*start)
    xdotool("mousedown", 1)
    try:
        step = 5 if end_x > start[0] else -5
        xdotool("mousemove", "--sync", start[0] + step, start[1])  # a hand starts with a small move
        xdotool("mousemove", "--sync", end_x, start[1])
        return check()
    finally:
        xdotool("mouseup", 1)


def test_dragging_the_alpha_slider_layers_the_window_and_back_to_the_end_unlayers_it(prefix, velmar):
    store(prefix, MitTransparentSlider="1")
    window = velmar.start()
    slider = control(window, ALPHA_SLIDER)
    left, top = window["client"][:2]
    assert slider["visible"] and slider["rect"] == [left + 10, top + 10, left + 80, top + 25], slider
    assert opaque(velmar.probe.layered()), "the ruler starts translucent"

    thumb = (slider["rect"][2] - 8, slider["rect"][1] + 7)  # at the right end: position 255
    moved_to = thumb[0] - 40
    held = drag_and_check(thumb, moved_to, lambda: wait_for(
        velmar.probe.layered, translucent, "the window to turn translucent while the thumb moves"))
    released = velmar.probe.layered()
    assert translucent(released) and released["alpha"] == held["alpha"], (held, released)

    drag_and_check((moved_to, thumb[1]), slider["rect"][2] + 30, lambda: wait_for(
        velmar.probe.layered, opaque, "WS_EX_LAYERED to go at the slider's right end"))
    assert opaque(velmar.probe.layered())
    velmar.assert_running("after the drags")
