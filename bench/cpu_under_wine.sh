#!/usr/bin/env bash
# CPU share of the running ruler at rest under Wine: the ruler is made 600x150 (or the given
# size) so that every pane shows (position, distance, colour, magnifier), the mouse rests off
# the ruler, and the CPU time of velmar.exe, wineserver and Xvfb is read from /proc over the
# given seconds.
#
#   bench/cpu_under_wine.sh [seconds [width height]]   (default 20 600 150; needs build/win)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
width=${2:-600}
height=${3:-150}
exe=build/win/velmar.exe
probe=build/win/velmar_probe.exe
for f in "$exe" "$probe"; do
    [ -f "$f" ] || { echo "$f is missing: run scripts/test.sh (or the cross build) first" >&2; exit 1; }
done

# shellcheck source=scripts/common.sh
source scripts/common.sh
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    timeout 30 wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
boot_wine_prefix "$WINEPREFIX"
wine "$exe" >/dev/null 2>&1 &
for _ in $(seq 1 200); do
    wine "$probe" window Velmar >/dev/null 2>&1 && break
    sleep 0.1
done
wine "$probe" place Velmar 100 100 "$width" "$height" >/dev/null
xdotool mousemove 500 600
sleep 2  # let the start-up settle before measuring

cpu_ticks() {  # user + system clock ticks of this prefix's processes whose command line matches $1
    local total=0 pid
    for pid in $(pgrep -f "$1"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
        total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || echo 0)))
    done
    echo "$total"
}
xvfb_ticks() { awk '{print $14 + $15}' "/proc/$XVFB_PID/stat"; }
share() {  # percent of one core between two tick counts
    awk -v a="$1" -v b="$2" -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN { printf "%.1f", (b - a) * 100 / hz / s }'
}

v0=$(cpu_ticks 'velmar\.exe'); w0=$(cpu_ticks 'wineserver'); x0=$(xvfb_ticks)
sleep "$seconds"
v1=$(cpu_ticks 'velmar\.exe'); w1=$(cpu_ticks 'wineserver'); x1=$(xvfb_ticks)

echo "over ${seconds} s at rest, ruler ${width}x${height}:"
echo "  velmar.exe  $(share "$v0" "$v1") % of one core"
echo "  wineserver  $(share "$w0" "$w1") %"
echo "  Xvfb        $(share "$x0" "$x1") %"
