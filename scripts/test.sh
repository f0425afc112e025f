#!/usr/bin/env bash
# Builds and tests everything: the native tree (unit tests and a bounded fuzz run, through ctest),
# then the Windows tree, whose Win32 layer tests (ctest) and end-to-end tests (pytest) run under
# Wine on a private Xvfb.
# Prints the size of the tests against the program's, then ends with one line "N passed, M failed" (", K skipped" when some were skipped) and exits
# non-zero when anything failed or nothing ran. A build that fails, or an X server that does not
# start, counts as one failure.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD
JOBS=${JOBS:-2}
RESULTS=$ROOT/build/test-results
E2E_TIMEOUT=${E2E_TIMEOUT:-3000}  # seconds for the whole end-to-end run

# shellcheck source=scripts/common.sh
source scripts/common.sh

E2E_TMP=""
cleanup() {
    # Wine prefixes the tests left behind (only when pytest itself was killed): end their servers.
    if [ -n "$E2E_TMP" ] && [ -d "$E2E_TMP" ]; then
        find "$E2E_TMP" -name system.reg -printf '%h\n' 2>/dev/null | while read -r prefix; do
            WINEPREFIX=$prefix timeout 30 wineserver -k 2>/dev/null || true
        done
        rm -rf "$E2E_TMP"
    fi
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { echo; echo "=== $*"; }

bash scripts/install-deps.sh

# pytest comes from the distribution's python3-pytest; another python3 first on PATH may lack it.
PYTHON=python3
if ! python3 -c 'import pytest' 2>/dev/null && [ -x /usr/bin/python3 ]; then
    PYTHON=/usr/bin/python3
fi

rm -rf "$RESULTS"
mkdir -p "$RESULTS"
setup_failures=0
reports=()  # the JUnit files that must exist at the end; a missing one counts as a failure

step "native build (clang)"
native_built=true
if ! { cmake -S . -B build/native -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ &&
       cmake --build build/native -j"$JOBS"; }; then
    echo "native build FAILED"
    native_built=false
    setup_failures=$((setup_failures + 1))
fi

step "Windows build (mingw-w64)"
win_built=true
# GoogleTest is built from the sources libgtest-dev ships; ctest runs those tests through wine.
if ! { cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
             -DVELMAR_GOOGLETEST_SOURCE=/usr/src/googletest -DCMAKE_CROSSCOMPILING_EMULATOR=wine &&
       cmake --build build/win -j"$JOBS"; }; then
    echo "Windows build FAILED"
    win_built=false
    setup_failures=$((setup_failures + 1))
fi

if $native_built; then
    step "unit and fuzz tests (ctest)"
    reports+=("$RESULTS/native.xml")
    # Each unit test runs in a process of its own, in a new order every time.
    ctest --test-dir build/native --output-on-failure --timeout 900 --schedule-random \
          --output-junit "$RESULTS/native.xml" || true
fi

if $win_built && ! start_xvfb; then
    echo "no X display: the tests under Wine cannot run"
    setup_failures=$((setup_failures + 1))
    win_built=false
fi

if $win_built; then
    E2E_TMP=$(mktemp -d /tmp/velmar-e2e.XXXXXX)
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

    step "Win32 layer tests (ctest, under Wine)"
    reports+=("$RESULTS/win.xml")
    # A prefix booted beforehand, its server kept running: each test's Wine then starts fast.
    export WINEPREFIX=$E2E_TMP/win-tests
    boot_wine_prefix "$WINEPREFIX" || true
    ctest --test-dir build/win --output-on-failure --timeout 900 \
          --output-junit "$RESULTS/win.xml" || true
    wineserver -k || true
    unset WINEPREFIX

    step "end-to-end tests (pytest, under Wine)"
    reports+=("$RESULTS/e2e.xml")
    VELMAR_EXE=$ROOT/build/win/velmar.exe VELMAR_PROBE=$ROOT/build/win/velmar_probe.exe \
        timeout --kill-after=30 "$E2E_TIMEOUT" \
        "$PYTHON" -m pytest tests/e2e -p no:cacheprovider -q -rfE --basetemp="$E2E_TMP/pytest" \
                  --junitxml="$RESULTS/e2e.xml" || true
fi

step "results"
# Lines of the program's C++ and of everything under tests/ as git sees the tree, blank and
# comment lines left out (and, in the tests, preprocessor lines); the house keeps the tests at a
# quarter to a third of the program.
count_lines() {  # <regex of lines not to count> <pathspec>...
    local skip=$1
    shift
    git ls-files -co --exclude-standard -- "$@" | xargs -r cat 2>/dev/null | grep -c -v -E "$skip" || true
}
program_lines=$(count_lines '^\s*(//.*)?$' '*.cpp' '*.h' '*.hpp' '*.cc' ':!:tests/**')
test_lines=$(count_lines '^\s*(#.*|//.*)?$' 'tests/**.cpp' 'tests/**.h' 'tests/**.hpp' 'tests/**.cc' 'tests/**.py' 'tests/**.sh')
echo "tests: $test_lines lines, $((test_lines * 100 / program_lines)) % of the program's $program_lines"
"$PYTHON" - "$setup_failures" ${reports[@]+"${reports[@]}"} <<'PY'
import sys
import xml.etree.ElementTree as ElementTree

failed, passed, skipped = int(sys.argv[1]), 0, 0
for path in sys.argv[2:]:
    try:
        cases = ElementTree.parse(path).getroot().iter("testcase")
    except (OSError, ElementTree.ParseError) as error:
        print(f"cannot read {path}: {error}")
        failed += 1
        continue
    for case in cases:
        skip = case.find("skipped")
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.get("status") == "notrun" and not (skip is not None and
                                                     skip.get("message", "").startswith("SKIP_")):
            failed += 1  # ctest could not start it (e.g. "Unable to find executable")
        elif skip is not None or case.get("status") == "disabled":
            skipped += 1
        else:
            passed += 1
print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
sys.exit(1 if failed or passed == 0 else 0)
PY
