"""Fixtures: one prepared Wine prefix per run and, per test, a fresh copy of it with the ruler ready to start."""
# The X display comes from DISPLAY (scripts/test.sh starts a private Xvfb); the programs come
# from VELMAR_EXE and VELMAR_PROBE, by default the cross build in build/win.
import os
import shutil
from pathlib import Path

import pytest

from winebench import REPO_ROOT, Velmar, WinePrefix, move_mouse


def built(variable: str, name: str) -> Path:
    path = Path(os.environ.get(variable) or REPO_ROOT / "build/win" / name)
    if not path.is_file():
        pytest.fail(f"{path} does not exist: cross-build first, or set {variable}", pytrace=False)
    return path


@pytest.fixture(scope="session")
def velmar_exe() -> Path:
    return built("VELMAR_EXE", "velmar.exe")


@pytest.fixture(scope="session")
def wine_template(tmp_path_factory) -> WinePrefix:
    if not os.environ.get("DISPLAY"):
        pytest.fail("DISPLAY is not set: run scripts/test.sh, which starts a private Xvfb", pytrace=False)
    template = WinePrefix.create(tmp_path_factory.mktemp("wine") / "template")
    yield template
    shutil.rmtree(template.path, ignore_errors=True)


@pytest.fixture
def velmar(wine_template, velmar_exe, tmp_path) -> Velmar:
    """The ruler, not yet started, in its own copy of the prefix, which is ended after the test."""
    prefix = wine_template.clone(tmp_path / "prefix")  # no test sees another's registry
    move_mouse(0, 0)
    yield Velmar(prefix, velmar_exe, built("VELMAR_PROBE", "velmar_probe.exe"))
    prefix.shutdown()
    shutil.rmtree(prefix.path, ignore_errors=True)
