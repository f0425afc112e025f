"""Runs the ruler under Wine on an X display and looks at it from outside.

Everything here waits by polling against a deadline: a program that crashes or never shows
its window fails the test quickly with a message, it never hangs the run.
"""
from __future__ import annotations

import json
import os
import re
import shutil
import subprocess
import time
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Optional, TypeVar

REPO_ROOT = Path(__file__).resolve().parents[2]
RULER_TITLE = "Velmar"
SETTINGS_KEY = r"HKCU\Software\zp-r\Velmar\Option"

POLL_SECONDS = 0.05
WINE_FONTS = Path("/usr/share/wine/fonts")  # Wine's own copies of the Windows fonts (fonts-wine)
COMMAND_TIMEOUT = 60.0      # one wine or X tool call; a fresh prefix can be slow to answer
WINDOW_TIMEOUT = 45.0       # first start of a program in a fresh prefix
EXIT_TIMEOUT = 15.0

T = TypeVar("T")


class Deadline:
    def __init__(self, seconds: float):
        self.end = time.monotonic() + seconds

    def expired(self) -> bool:
        return time.monotonic() >= self.end


def wait_until(check: Callable[[], Optional[T]], timeout: float, what: str) -> T:
    """Polls check() until it returns something other than None or False; fails after timeout."""
    deadline = Deadline(timeout)
    while True:
        result = check()
        if result is not None and result is not False:
            return result
        if deadline.expired():
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(POLL_SECONDS)


def run_tool(args: list, env: Optional[dict] = None,
             timeout: float = COMMAND_TIMEOUT) -> subprocess.CompletedProcess:
    """Runs a command to its end and returns it, failing the test when it does not end in time."""
    try:
        return subprocess.run([str(a) for a in args], env=env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, errors="replace", timeout=timeout)
    except subprocess.TimeoutExpired:
        raise AssertionError(f"{args[0]} did not finish within {timeout:.0f} s: {args}") from None


def run_quiet(args: list, env: dict, timeout: float = COMMAND_TIMEOUT) -> int:
    """Runs a command with no pipes to us: Wine's background processes started by it (wineserver,
    services, explorer) would otherwise hold our pipes open until they end."""
    try:
        quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return subprocess.run([str(a) for a in args], env=env, timeout=timeout, **quiet).returncode
    except subprocess.TimeoutExpired:
        raise AssertionError(f"{args[0]} did not finish within {timeout:.0f} s: {args}") from None


def windows_path(path: Path) -> str:
    """The path of a Unix file as a Wine program sees it (through drive Z:)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


# --- registry -----------------------------------------------------------------------------

@dataclass(frozen=True)
class RegValue:
    type: str   # "REG_SZ", "REG_DWORD", ...
    data: object  # str for texts, int for REG_DWORD/REG_QWORD, bytes for REG_BINARY


_REG_LINE = re.compile(r"^    (.*?)    (REG_[A-Z_]+)    ?(.*)$")


def parse_reg_query(output: str) -> dict:
    """Values of one key from `reg query` output, by name."""
    values = {}
    for line in output.splitlines():
        match = _REG_LINE.match(line.rstrip("\r"))
        if not match:
            continue
        name, kind, text = match.groups()
        if kind in ("REG_DWORD", "REG_QWORD"):
            data: object = int(text, 16)
        elif kind == "REG_BINARY":
            data = bytes.fromhex(text)
        else:
            data = text
        values[name] = RegValue(kind, data)
    return values


# --- Wine prefix ---------------------------------------------------------------------------

class WinePrefix:
    """One Wine prefix and the wineserver that runs in it."""

    def __init__(self, path: Path):
        self.path = Path(path)
        self.env = dict(os.environ)
        self.env.update(WINEPREFIX=str(self.path), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self._spawned: list = []

    @classmethod
    def create(cls, path: Path) -> "WinePrefix":
        """A fresh prefix with Wine's crash dialog off, its wineserver ended."""
        prefix = cls(path)
        prefix.path.mkdir(parents=True, exist_ok=True)
        run_quiet(["wineserver", "-p"], prefix.env)  # before wineboot: it refuses once a server runs
        code = run_quiet(["wineboot", "-i"], prefix.env, timeout=300)
        assert code == 0, f"wineboot -i failed with exit code {code}"
        prefix._install_wine_fonts()
        prefix.reg_add(r"HKCU\Software\Wine\WineDbg", "ShowCrashDialog", "REG_DWORD", 0)
        prefix.shutdown()
        return prefix

    def _install_wine_fonts(self) -> None:
        """Puts Wine's "MS Sans Serif" and friends where a program finds them. Without them a dialog
        font falls back to a host font with other metrics, and dialog units turn into other sizes."""
        fonts = self.path / "drive_c" / "windows" / "Fonts"
        for font in sorted(WINE_FONTS.glob("*")) if WINE_FONTS.is_dir() else []:
            if not (fonts / font.name).exists():
                shutil.copy2(font, fonts / font.name)

    def copy_to(self, path: Path) -> "WinePrefix":
        run = run_tool(["cp", "-a", self.path, path], timeout=300)
        assert run.returncode == 0, f"copying the Wine prefix failed: {run.stderr}"
        return WinePrefix(path)

    def boot(self) -> None:
        """Starts the prefix's wineserver and Wine's own background programs, to stay until
        shutdown(): later Wine commands then answer in a fraction of a second."""
        run_quiet(["wineserver", "-p"], self.env)
        code = run_quiet(["wine", "reg", "query", r"HKCU\Software\Wine"], self.env)
        assert code == 0, f"Wine does not start in {self.path} (exit code {code})"

    def wine(self, *args, timeout: float = COMMAND_TIMEOUT) -> subprocess.CompletedProcess:
        return run_tool(["wine", *args], env=self.env, timeout=timeout)

    def spawn(self, *args, log: Path) -> subprocess.Popen:
        """Starts a Wine program in the background, its output going to log; shutdown() ends it."""
        with open(log, "wb") as output:
            process = subprocess.Popen(["wine", *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                                       stdout=output, stderr=subprocess.STDOUT)
        self._spawned.append(process)
        return process

    def _check(self, *args, timeout: float = COMMAND_TIMEOUT) -> subprocess.CompletedProcess:
        run = run_tool(list(args), env=self.env, timeout=timeout)
        assert run.returncode == 0, f"{' '.join(map(str, args))} failed ({run.returncode}): {run.stderr}"
        return run

    def reg_add(self, key: str, name: str, kind: str, data) -> None:
        if kind == "REG_BINARY" and isinstance(data, (bytes, bytearray)):
            data = bytes(data).hex()
        self._check("wine", "reg", "add", key, "/v", name, "/t", kind, "/d", str(data), "/f")

    def reg_import(self, reg_file: Path) -> None:
        """Imports a .reg file: the way in for data too long for a command line."""
        self._check("wine", "reg", "import", windows_path(reg_file))

    def reg_query(self, key: str) -> Optional[dict]:
        """The key's values by name, or None when the key does not exist."""
        run = self.wine("reg", "query", key)
        return parse_reg_query(run.stdout) if run.returncode == 0 else None

    def shutdown(self) -> None:
        """Ends every process of this prefix and waits for its wineserver to go."""
        run_tool(["wineserver", "-k"], env=self.env, timeout=COMMAND_TIMEOUT)
        for process in self._spawned:
            try:
                process.wait(timeout=EXIT_TIMEOUT)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._spawned.clear()
        run_tool(["wineserver", "-w"], env=self.env, timeout=COMMAND_TIMEOUT)

    def remove(self) -> None:
        shutil.rmtree(self.path, ignore_errors=True)


# --- the probe and the ruler ---------------------------------------------------------------

class Probe:
    """velmar_probe.exe, run in the ruler's prefix; its answers are parsed JSON."""
    NO_WINDOW = 2

    def __init__(self, prefix: WinePrefix, exe: Path):
        self.prefix = prefix
        self.exe = exe

    def _ask(self, *args) -> Optional[dict]:
        run = self.prefix.wine(self.exe, *args)
        if run.returncode not in (0, self.NO_WINDOW):
            # Seen once in a long run: exit code 1 and no output at all. Asking again tells a
            # passing hiccup of Wine from a probe that really cannot answer.
            run = self.prefix.wine(self.exe, *args)
        if run.returncode == self.NO_WINDOW:
            return None
        assert run.returncode == 0, \
            f"velmar_probe {args} failed ({run.returncode}): {run.stdout!r} {run.stderr!r}"
        lines = [line for line in run.stdout.splitlines() if line.startswith("{")]
        assert lines, f"velmar_probe {args} printed no JSON: {run.stdout!r}"
        return json.loads(lines[-1])

    def window(self, title: str = RULER_TITLE) -> Optional[dict]:
        return self._ask("window", title)

    def layered(self, title: str = RULER_TITLE) -> Optional[dict]:
        return self._ask("layered", title)

    def screen(self) -> dict:
        return self._ask("screen")


def visible_x_window(title: str) -> bool:
    """True when a mapped X window has exactly this title; cheaper to poll than the probe."""
    run = run_tool(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"])
    return run.returncode == 0 and bool(run.stdout.strip())


class Velmar:
    """The ruler program running in one prefix."""

    def __init__(self, prefix: WinePrefix, exe: Path, probe: Probe):
        self.prefix = prefix
        self.exe = exe
        self.probe = probe
        self.process: Optional[subprocess.Popen] = None
        self.log = prefix.path.with_name(prefix.path.name + "-velmar.log")

    def start(self, timeout: float = WINDOW_TIMEOUT) -> dict:
        """Starts the ruler and returns the probe's facts about its window once it is shown."""
        assert self.process is None, "the ruler was already started"
        self.process = self.prefix.spawn(self.exe, log=self.log)
        wait_until(self._shown_or_failed, timeout, "the ruler's window")
        return wait_until(self._visible_window, timeout, "the probe to see the ruler's window")

    def _shown_or_failed(self) -> bool:
        self.assert_running("before its window appeared")
        return visible_x_window(RULER_TITLE)

    def _visible_window(self) -> Optional[dict]:
        self.assert_running("while its window was being looked at")
        info = self.probe.window()
        return info if info and info["visible"] else None

    def window(self) -> dict:
        """The probe's facts about the ruler's window now; fails when there is none."""
        info = self.probe.window()
        assert info is not None, "the ruler's window does not exist"
        return info

    def assert_running(self, when: str) -> None:
        assert self.process is not None, "the ruler was not started"
        code = self.process.poll()
        assert code is None, f"the ruler ended {when} with exit code {code}; its output:\n{self.output()}"

    def output(self) -> str:
        """The end of what Wine and the program wrote, for failure messages."""
        return self.log.read_text(errors="replace")[-2000:] if self.log.exists() else ""

    def wait_exit(self, timeout: float = EXIT_TIMEOUT) -> int:
        """Waits for the process to end on its own and returns its exit code."""
        assert self.process is not None, "the ruler was not started"
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the ruler was still running {timeout:.0f} s later") from None


# --- screen and input ----------------------------------------------------------------------

Colour = tuple  # (red, green, blue)


class Screenshot:
    """One capture of the whole X screen with exact 8-bit pixel values."""

    def __init__(self, path: Path):
        self.path = Path(path)
        self.width, self.height, self.pixels = _read_ppm(self.path.read_bytes())

    def pixel(self, x: int, y: int) -> Colour:
        assert 0 <= x < self.width and 0 <= y < self.height, f"({x}, {y}) lies off the screen"
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])


def _read_ppm(data: bytes) -> tuple:
    """Width, height and RGB bytes of a binary PPM (P6) with 8-bit samples."""
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    assert magic == b"P6" and maxval == 255, f"not an 8-bit PPM: {fields}"
    start = position + 1  # exactly one whitespace byte before the samples
    return width, height, data[start:start + 3 * width * height]


def take_screenshot(path: Path) -> Screenshot:
    run = run_tool(["import", "-window", "root", "-depth", "8", f"ppm:{path}"])
    assert run.returncode == 0, f"taking a screenshot failed: {run.stderr}"
    return Screenshot(path)


def wait_for_pixel(path: Path, x: int, y: int, colour: Colour, timeout: float = 10.0) -> Screenshot:
    """Screenshots until (x, y) shows colour, e.g. to wait for a window's first paint."""
    def painted() -> Optional[Screenshot]:
        shot = take_screenshot(path)
        return shot if shot.pixel(x, y) == colour else None
    return wait_until(painted, timeout, f"colour {colour} at ({x}, {y})")


def xdotool(*args) -> None:
    run = run_tool(["xdotool", *args])
    assert run.returncode == 0, f"xdotool {args} failed: {run.stderr}"


def move_mouse(x: int, y: int) -> None:
    xdotool("mousemove", "--sync", x, y)


def click(x: int, y: int, button: int = 1) -> None:
    """A press and release at (x, y). There is no window manager: a click is what focuses a window."""
    move_mouse(x, y)
    xdotool("click", button)


def press_keys(*keys: str) -> None:
    xdotool("key", *keys)
