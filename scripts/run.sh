#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine.
# With DISPLAY set the ruler opens on that display, in $WINEPREFIX or Wine's default prefix.
# Without DISPLAY it runs on a private Xvfb in a throw-away prefix, saves a screenshot of the
# screen to velmar-screenshot.png in the repository root, and ends everything again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD
EXE=$ROOT/build/win/velmar.exe
SCREENSHOT=$ROOT/velmar-screenshot.png
WINDOW_TIMEOUT=60  # seconds; the first start in a new prefix is slow

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

bash scripts/install-deps.sh
echo "=== Windows build (mingw-w64)"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build/win -j"${JOBS:-2}"

if [ -n "${DISPLAY:-}" ]; then
    echo "=== Velmar on $DISPLAY (Wine prefix ${WINEPREFIX:-$HOME/.wine}); Escape or the close button ends it"
    exec wine "$EXE"
fi

# shellcheck source=scripts/common.sh
source scripts/common.sh
WINEPREFIX=""
cleanup() {
    if [ -n "$WINEPREFIX" ]; then
        timeout 30 wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "=== no DISPLAY: running on a private Xvfb"
start_xvfb
WINEPREFIX=$(mktemp -d /tmp/velmar-run.XXXXXX)
export WINEPREFIX
echo "preparing a Wine prefix in $WINEPREFIX"
boot_wine_prefix "$WINEPREFIX"

wine "$EXE" >/dev/null 2>&1 &
velmar_pid=$!
window=""
for _ in $(seq $((WINDOW_TIMEOUT * 10))); do
    window=$(xdotool search --onlyvisible --name '^Velmar$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    if ! kill -0 "$velmar_pid" 2>/dev/null; then
        wait "$velmar_pid" && code=0 || code=$?
        echo "Velmar ended before its window appeared (exit code $code)" >&2
        exit 1
    fi
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "Velmar showed no window within $WINDOW_TIMEOUT s" >&2
    exit 1
fi

# Wait for the first paint: the ruler's cyan background inside the window.
eval "$(xdotool getwindowgeometry --shell "$window")"
probe_x=$((X + 150)) probe_y=$((Y + HEIGHT / 2))
for _ in $(seq 100); do
    import -window root -crop "1x1+$probe_x+$probe_y" -depth 8 txt:- 2>/dev/null | grep -q '(0,255,255)' && break
    sleep 0.1
done
import -window root "$SCREENSHOT"
echo "Velmar showed a ${WIDTH}x${HEIGHT} window at $X,$Y; ending it"
timeout 30 wineserver -k 2>/dev/null || true
wait "$velmar_pid" 2>/dev/null || true
echo "Screenshot saved to $SCREENSHOT"
