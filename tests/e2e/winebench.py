"""The bench: the ruler under Wine in a prefix of its own, looked at from outside and driven by real input."""
# Everything waits by polling against a deadline: a program that crashes or never shows its
# window fails the test quickly with a message, it never hangs the run. There is no window
# manager: the X keyboard focus stays PointerRoot, so keys reach the window under the pointer,
# and Wine hands them to the focus of its foreground window, which a left click sets.
from __future__ import annotations

import json
import os
import re
import subprocess
import time
from pathlib import Path

SETTINGS_KEY = r"HKCU\Software\zp-r\Velmar\Option"
UI_TIMEOUT = 15.0  # the ruler's answer to one input; Wine on a busy machine can lag seconds
BACKGROUND, TICK, BLACK, CROSSHAIR = (0, 255, 255), (64, 64, 64), (0, 0, 0), (0, 0, 255)
IDCANCEL, ALPHA_SLIDER, PERCENT_EDIT = 2, 35, 1012
GERMAN, ENGLISH = "de_DE.UTF-8", "en_US.UTF-8"  # display languages, as LANG gives them to Wine


def wait_for(read, accept=bool, what: str = "", timeout: float = UI_TIMEOUT):
    # Polls read() until accept(value) holds and returns that value; a timeout names the last one.
    end = time.monotonic() + timeout
    while not accept(value := read()):
        assert time.monotonic() < end, f"timed out after {timeout:.0f} s waiting for {what}; last seen: {value!r:.400}"
        time.sleep(0.05)
    return value


def run(args: list, env: dict = None, quiet: bool = False, timeout: float = 300.0) -> subprocess.CompletedProcess:
    # Runs a command to its end; quiet gives it no pipes, which Wine's background programs would hold open.
    # Wine's own programs answer in the OEM code page of the display language (German: 850).
    pipes = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) if quiet else dict(capture_output=True, text=True, errors="replace")
    return subprocess.run([str(a) for a in args], env=env, stdin=subprocess.DEVNULL, timeout=timeout, **pipes)


SETTINGS = ("MitTransparentSlider", "Einheit", "Zoom")


def settings(slider: str = None, unit: str = None, zoom: int = None) -> dict:
    # The ruler's first three settings as the registry holds them; those not given are missing.
    values = zip(SETTINGS, (("REG_SZ", slider), ("REG_SZ", unit), ("REG_DWORD", zoom)))
    return {name: value for name, value in values if value[1] is not None}


def centre(rect) -> tuple:
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def child(window: dict, ident: int) -> dict:
    return next(control for control in window["children"] if control["id"] == ident)


class WinePrefix:
    # One Wine prefix and the wineserver that runs in it.
    def __init__(self, path: Path):
        self.path, self.spawned = Path(path), []
        # Wine takes the display language from LANG; the tests run in German unless one says otherwise.
        inherited = {name: value for name, value in os.environ.items() if not name.startswith("LC_")}
        self.env = dict(inherited, WINEPREFIX=str(self.path), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                        LANG=GERMAN)

    @classmethod
    def create(cls, path: Path) -> WinePrefix:
        # A fresh prefix as the scripts make one (with Wine's own Windows fonts) and no crash
        # dialog, its wineserver ended.
        prefix = cls(path)
        scripts = Path(__file__).resolve().parents[2] / "scripts"
        assert run(["bash", "-c", f'source "{scripts}/common.sh" && boot_wine_prefix "$1"', "-", path], prefix.env, quiet=True).returncode == 0
        prefix.reg_import(r"HKCU\Software\Wine\WineDbg", {"ShowCrashDialog": ("REG_DWORD", 0)})
        prefix.shutdown()
        return prefix

    def clone(self, path: Path) -> WinePrefix:
        # A copy with its wineserver and Wine's background programs started, so that Wine answers fast.
        assert run(["cp", "-a", self.path, path]).returncode == 0
        copy = WinePrefix(path)
        copy.start_server()
        return copy

    def start_server(self) -> None:
        run(["wineserver", "-p"], self.env, quiet=True)
        assert run(["wine", "reg", "query", r"HKCU\Software\Wine"], self.env, quiet=True).returncode == 0, "no Wine"

    def wine(self, *args) -> subprocess.CompletedProcess:
        return run(["wine", *args], self.env, timeout=60)

    def spawn(self, *args, log: Path, debug: str = "-all", lang: str = GERMAN) -> subprocess.Popen:
        # Starts a Wine program in the background, its output going to log; shutdown() ends it.
        with open(log, "wb") as output:
            self.spawned.append(subprocess.Popen(["wine", *map(str, args)], env=dict(self.env, WINEDEBUG=debug, LANG=lang),
                                                 stdin=subprocess.DEVNULL, stdout=output, stderr=subprocess.STDOUT))
        return self.spawned[-1]

    def reg_import(self, key: str, values: dict) -> None:
        # Writes {name: (type, data)} through a .reg file, which also takes data too long for a command line.
        kinds = {"REG_DWORD": lambda data: f"dword:{data:08x}", "REG_SZ": lambda data: f'"{data}"',
                 "REG_BINARY": lambda data: "hex:" + ",".join(f"{byte:02x}" for byte in data)}
        key = key.replace("HKCU", "HKEY_CURRENT_USER").replace("HKLM", "HKEY_LOCAL_MACHINE")
        reg_file = self.path.with_name(self.path.name + "-import.reg")
        reg_file.write_text(f"Windows Registry Editor Version 5.00\r\n\r\n[{key}]\r\n" + "".join(
            f'"{name}"={kinds[kind](data)}\r\n' for name, (kind, data) in values.items()), encoding="ascii")
        assert self.wine("reg", "import", "Z:" + str(reg_file.resolve()).replace("/", "\\")).returncode == 0

    def reg_query(self, key: str):
        # {name: (type, data)} of the key, data an int for REG_DWORD; None without the key.
        done = self.wine("reg", "query", key)
        return None if done.returncode else {
            name: (kind, int(text, 16) if kind == "REG_DWORD" else text)
            for name, kind, text in re.findall(r"^    (.*?)    (REG_[A-Z_]+)    ?(.*?)\r?$", done.stdout, re.M)}

    def set_dpi(self, dpi: int) -> None:
        # Sets the display's resolution (LogPixels) for the programs started from now on.
        for key in (r"HKCU\Control Panel\Desktop", r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts"):
            self.reg_import(key, {"LogPixels": ("REG_DWORD", dpi)})
        self.shutdown()  # Wine's own programs keep the resolution they started with
        self.start_server()

    def shutdown(self) -> None:
        # Ends every process of this prefix and waits for its wineserver to go.
        run(["wineserver", "-k"], self.env)
        for process in self.spawned:
            process.kill()  # nothing when wineserver -k has ended it already
            process.wait()
        run(["wineserver", "-w"], self.env)


class Velmar:
    # The ruler program in one prefix, and velmar_probe.exe to ask Windows about its windows.
    def __init__(self, prefix: WinePrefix, exe: Path, probe: Path):
        self.prefix, self.exe, self.probe, self.process = prefix, exe, probe, None

    def start(self, lang: str = GERMAN) -> dict:
        # Starts the ruler (again, once it has ended) in the display language of lang and returns
        # its window once it is shown. Wine's heap checking fills freed blocks, so a handler that
        # goes on with a deleted object faults instead of passing by chance.
        self.process = self.prefix.spawn(self.exe, log=self.prefix.path.with_suffix(".log"), debug="warn+heap", lang=lang)
        wait_for(lambda: self.process.poll() is not None or self.windows("Velmar"), what="the ruler's window", timeout=45)
        return self.window()

    def ask(self, *args) -> dict:
        # The probe's JSON answer; a second try tells a passing hiccup of Wine (once seen: exit
        # code 1 and no output at all) from a probe that really cannot answer.
        done = self.prefix.wine(self.probe, *args)
        done = done if done.returncode == 0 else self.prefix.wine(self.probe, *args)
        assert done.returncode == 0, f"velmar_probe {args} failed ({done.returncode}): {done.stdout!r}"
        return json.loads(done.stdout.splitlines()[-1])

    def windows(self, title: str) -> list:
        # The shown top-level windows with exactly that title, their controls' live texts included.
        return self.ask("windows", title)["windows"]

    def window(self) -> dict:
        # The ruler's window (not a message box of it), with the screen's work area and resolution.
        assert self.process.poll() is None, f"the ruler ended with exit code {self.process.poll()}"
        found = self.ask("windows", "Velmar")
        return dict(next(w for w in found["windows"] if not w["owned"]), workarea=found["workarea"], dpi=found["dpi"])

    def wait_exit(self) -> None:
        # Waits for the ruler to end on its own and checks that it ended cleanly.
        assert self.process.wait(timeout=15) == 0, f"the ruler ended with exit code {self.process.poll()}"

    def focus(self) -> None:
        # Clicks the ruler's middle, then waits until it has the keyboard and the press's move
        # loop (which would take an Escape as its own) is over.
        rect = self.window()["rect"]
        click(*centre(rect))
        wait_for(self.window, lambda w: w["foreground"] and w["focused"] and not w["moving"] and w["rect"] == rect,
                 "the ruler to take the keyboard, its move loop over")

    def pin_keyboard(self) -> None:
        # Keeps X's keyboard focus on the ruler while the mouse is elsewhere (without a window
        # manager it follows the pointer); on Windows the ruler's click alone keeps it.
        xdotool("windowfocus", "--sync", xdotool("search", "--name", "^Velmar$").split()[0])

    def store(self, values: dict) -> None:
        # Puts {name: (type, data)} into the settings key before the start.
        if values:
            self.prefix.reg_import(SETTINGS_KEY, values)

    def saved(self) -> dict:
        # The first three settings as the registry holds them, those that are there.
        values = self.prefix.reg_query(SETTINGS_KEY) or {}
        return {name: values[name] for name in SETTINGS if name in values}

    def saved_value(self, name: str):
        # One value of the settings key as (type, data), None when missing.
        return (self.prefix.reg_query(SETTINGS_KEY) or {}).get(name)

    def end(self) -> None:
        # Ends the ruler with Escape.
        self.focus()
        press_keys("Escape")
        self.wait_exit()

    def menus(self, count: int, timeout: float = UI_TIMEOUT) -> list:
        # Waits until count popup menus (here the only shown untitled windows) are open; returns their rectangles.
        return wait_for(lambda: [m["rect"] for m in self.windows("")], lambda m: len(m) == count, f"{count} menus", timeout)

    def open_menu(self, point: tuple) -> list:
        # Right-clicks at a screen point and returns the context menu's rectangle once it is shown.
        # Wine without a window manager sometimes loses a click that comes just after a menu
        # closed (the old build does the same, about one time in eight): the click is tried once more.
        click(*point, button=3)
        try:
            return self.menus(1, timeout=5)[0]
        except AssertionError:
            click(*point, button=3)
            return self.menus(1)[0]

    def wait_for_rect(self, expected, what: str) -> dict:
        return wait_for(self.window, lambda window: window["rect"] == list(expected), what)

    def shows(self, path: Path, area, *texts: str, dpi: int = 96, menu: bool = False) -> dict:
        # Waits until each text stands, in the ruler's font (or the menus') and in black, in area
        # of the screen; returns where, by text.
        rows = {text: self.ask(*(("menutext",) if menu else ("text", dpi)), text)["rows"] for text in texts}

        def look():
            shot = Screenshot(path)
            return {text: shot.find(rows[text], area) for text in texts}
        found = wait_for(look, lambda seen: all(seen.values()), f"{texts} in {area}")
        return {text: places[0] for text, places in found.items()}

    def place(self, left: int, top: int, width: int, height: int) -> dict:
        self.ask("place", "Velmar", left, top, width, height)
        return self.wait_for_rect([left, top, left + width, top + height], f"the ruler at {left},{top} {width}x{height}")


def xdotool(*args) -> str:
    done = run(["xdotool", *args], timeout=60)
    assert done.returncode == 0, f"xdotool {args} failed: {done.stderr}"
    return done.stdout


def move_mouse(x: int, y: int) -> None:
    # Moves the pointer and waits until it is there; `mousemove --sync` to where it is would wait 15 s.
    if xdotool("getmouselocation").split()[:2] != [f"x:{x}", f"y:{y}"]:
        xdotool("mousemove", "--sync", x, y)


DOUBLE_CLICK_TIME = 0.5  # Windows' default, which Wine keeps
_last_click = (0.0, None)  # when and where the last click of the left button ended


def click(x: int, y: int, button: int = 1, repeat: int = 1) -> None:
    # A single click never joins the one before into a double-click: at the same place it waits
    # until the system's double-click time has passed.
    global _last_click
    move_mouse(x, y)
    since, where = time.monotonic() - _last_click[0], _last_click[1]
    if button == 1 and where and abs(where[0] - x) <= 4 and abs(where[1] - y) <= 4 and since < DOUBLE_CLICK_TIME + 0.1:
        time.sleep(DOUBLE_CLICK_TIME + 0.1 - since)
    xdotool("click", "--repeat", repeat, "--delay", 60, button)
    if button == 1:
        _last_click = (time.monotonic(), (x, y))


def press_keys(*keys: str) -> None:
    xdotool("key", *keys)


def drag(start: tuple, end: tuple, held=None, started=None, steps: int = 6):
    # Presses the left button at start, waits for started() if given (the ruler reads a press's
    # zone from where the mouse is when it handles it), moves to end in even steps, returns
    # held() and releases the button.
    move_mouse(*start)
    xdotool("mousedown", 1)
    try:
        if started:
            wait_for(started, what="the press to start the system's move or size loop")
        for step in range(1, steps + 1):
            move_mouse(start[0] + (end[0] - start[0]) * step // steps, start[1] + (end[1] - start[1]) * step // steps)
        return held() if held else None
    finally:
        xdotool("mouseup", 1)  # a button left down would spoil every later test on this display


class Screenshot:
    # One capture of the whole X screen with exact 8-bit pixel values, kept at path.
    def __init__(self, path: Path):
        self.path = path
        assert run(["import", "-window", "root", "-depth", "8", f"ppm:{path}"]).returncode == 0
        header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", data := Path(path).read_bytes())
        self.width, self.pixels = int(header[1]), data[header.end():]

    def __repr__(self) -> str:
        return f"the screenshot {self.path}"

    def pixel(self, x: int, y: int) -> tuple:
        return tuple(self.pixels[3 * (y * self.width + x):3 * (y * self.width + x) + 3])

    def crossing(self, area, colour: tuple):
        # Where a crosshair of colour crosses in area: the column and the row most of its pixels share.
        pixels = [(x, y) for y in range(area[1], area[3]) for x in range(area[0], area[2]) if self.pixel(x, y) == colour]
        most = lambda values: max(set(values), key=values.count)  # noqa: E731
        return (most([x for x, _ in pixels]), most([y for _, y in pixels])) if pixels else None

    def find(self, rows: list, area, colour: tuple = BLACK) -> list:
        # Where in area (left, top, right, bottom) the ink of rows stands exactly: the boxes
        # (left, top, right, bottom) of its inked part, nothing else of colour among it.
        inked = [y for y, row in enumerate(rows) if "#" in row]
        columns = [x for x in range(len(rows[0])) if any(row[x] == "#" for row in rows)]
        if not inked:
            return []
        shape = [row[columns[0]:columns[-1] + 1] for row in rows[inked[0]:inked[-1] + 1]]
        left, top, right, bottom = area
        lines = ["".join("#" if self.pixel(x, y) == colour else "." for x in range(left, right)) for y in range(top, bottom)]
        found = []
        for y in range(len(lines) - len(shape) + 1):
            x = lines[y].find(shape[0])
            while x >= 0:
                if all(lines[y + i][x:x + len(line)] == line for i, line in enumerate(shape)):
                    found.append((left + x, top + y, left + x + len(shape[0]), top + y + len(shape)))
                x = lines[y].find(shape[0], x + 1)
        return found


def wait_for_pixel(path: Path, x: int, y: int, colour: tuple) -> Screenshot:
    # Screenshots until (x, y) shows colour, e.g. to wait for a window's first paint.
    return wait_for(lambda: Screenshot(path), lambda shot: shot.pixel(x, y) == colour, f"{colour} at ({x}, {y})")
