#!/usr/bin/env python3
"""Checks that every include of the program reaches down its layers, never up.

The layers, bottom up: base/ (and the resource ids in res/), platform/, zoom/, ruler/, app/. A
file may include its own layer and those below. platform/ and every win32/ folder talk to
Windows; every other folder is pure: it includes no pure file's way up, nothing of platform/ or
of a win32/ folder, and of the system's headers only the C++ standard library's.
Prints each include that breaks a rule and exits 1 when there is one.
"""
import re
import sys
from pathlib import Path

RANKS = {"base": 0, "res": 0, "platform": 1, "zoom": 2, "ruler": 3, "app": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def is_pure(path: str) -> bool:
    return not path.startswith("platform/") and "/win32/" not in path


def faults(root: Path):
    files = sorted(p for layer in RANKS for p in (root / layer).rglob("*") if p.suffix in (".h", ".cpp"))
    for file in files:
        source = file.relative_to(root).as_posix()
        for kind, target in INCLUDE.findall(file.read_text(encoding="utf-8")):
            layer = target.split("/")[0]
            if kind == "<":
                if is_pure(source) and (target.endswith(".h") or "/" in target):
                    yield f"{source}: a pure file includes the system's <{target}>"
            elif layer not in RANKS:
                yield f'{source}: "{target}" lies outside the layers'
            elif RANKS[layer] > RANKS[source.split("/")[0]]:
                yield f'{source}: "{target}" reaches up from {source.split("/")[0]}/ to {layer}/'
            elif is_pure(source) and not is_pure(target):
                yield f'{source}: a pure file includes "{target}", which talks to Windows'
    yield from ()


def main() -> int:
    root = Path(__file__).resolve().parents[1]
    found = list(faults(root))
    for fault in found:
        print(fault)
    print(f"includes: {len(found)} reaching up or out" if found else "includes: every one reaches down its layers")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
