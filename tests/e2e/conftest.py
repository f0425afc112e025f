"""Fixtures for the end-to-end tests: one prepared Wine prefix per run, a fresh copy of it per
test, and the ruler started in that copy. The X display comes from DISPLAY (scripts/test.sh
starts a private Xvfb); the programs come from VELMAR_EXE and VELMAR_PROBE, by default the
cross build in build/win."""
import os
from pathlib import Path

import pytest

from winebench import REPO_ROOT, Probe, Velmar, WinePrefix, move_mouse


def _built_program(variable: str, default: str) -> Path:
    path = Path(os.environ.get(variable) or REPO_ROOT / default)
    if not path.is_file():
        pytest.fail(f"{path} does not exist: cross-build first, or set {variable}", pytrace=False)
    return path


@pytest.fixture(scope="session")
def velmar_exe() -> Path:
    return _built_program("VELMAR_EXE", "build/win/velmar.exe")


@pytest.fixture(scope="session")
def probe_exe() -> Path:
    return _built_program("VELMAR_PROBE", "build/win/velmar_probe.exe")


@pytest.fixture(scope="session")
def display() -> str:
    name = os.environ.get("DISPLAY")
    if not name:
        pytest.fail("DISPLAY is not set: run scripts/test.sh, which starts a private Xvfb", pytrace=False)
    return name


@pytest.fixture(scope="session")
def wine_template(tmp_path_factory, display) -> WinePrefix:
    """A prefix made once per run; tests work on copies, so none sees another's registry."""
    template = WinePrefix.create(tmp_path_factory.mktemp("wine") / "template")
    yield template
    template.remove()


@pytest.fixture
def prefix(wine_template, tmp_path) -> WinePrefix:
    """A fresh copy of the template; everything running in it is ended after the test."""
    fresh = wine_template.copy_to(tmp_path / "prefix")
    fresh.boot()
    yield fresh
    fresh.shutdown()
    fresh.remove()


@pytest.fixture
def velmar(prefix, velmar_exe, probe_exe) -> Velmar:
    """The ruler in the test's own prefix, not yet started; the mouse starts in the screen's corner."""
    move_mouse(0, 0)
    return Velmar(prefix, velmar_exe, Probe(prefix, probe_exe))
