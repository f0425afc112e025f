"""Fixtures: one prepared Wine prefix per run and, per test, a fresh copy of it with the ruler ready to start."""
# The X display comes from DISPLAY (scripts/test.sh starts a private Xvfb); the programs come
# from VELMAR_EXE and VELMAR_PROBE, by default the cross build in build/win.
import os
import shutil
from pathlib import Path

import pytest

from winebench import Velmar, WinePrefix, move_mouse


@pytest.fixture(scope="session")
def wine_template(tmp_path_factory) -> WinePrefix:
    assert os.environ.get("DISPLAY"), "DISPLAY is not set: run scripts/test.sh, which starts a private Xvfb"
    template = WinePrefix.create(tmp_path_factory.mktemp("wine") / "template")
    yield template
    shutil.rmtree(template.path, ignore_errors=True)


@pytest.fixture
def velmar(wine_template, tmp_path) -> Velmar:
    # The ruler, not yet started, in its own copy of the prefix (no test sees another's
    # registry), which is ended after the test.
    build = Path(__file__).resolve().parents[2] / "build/win"
    exe, probe = (Path(os.environ.get(variable) or build / name) for variable, name in
                  (("VELMAR_EXE", "velmar.exe"), ("VELMAR_PROBE", "velmar_probe.exe")))
    assert exe.is_file() and probe.is_file(), f"{exe} or {probe} is missing: cross-build first"
    prefix = wine_template.clone(tmp_path / "prefix")
    move_mouse(0, 0)
    yield Velmar(prefix, exe, probe)
    prefix.shutdown()
    shutil.rmtree(prefix.path, ignore_errors=True)
