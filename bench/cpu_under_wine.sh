#!/usr/bin/env bash
# CPU share of the ruler under Wine, side by side with the ruler built from another commit and
# with the yardstick (bench/Yardstick.cpp: what the 1 ms polling of cursor and magnifier costs
# without any painting). In each scenario the three run one after the other over the same
# seconds, in a rotating order, for several rounds; the medians and their ratios are printed.
#
#   bench/cpu_under_wine.sh [--baseline COMMIT] [--rounds N] [--seconds S]
#
# The baseline defaults to the commit before the ruler stopped repainting at rest; it is built
# from a clean export of that commit. Needs build/win (scripts/test.sh or scripts/run.sh).
# Scenarios, the mouse resting off the ruler: a 600x150 ruler showing every pane; the ruler as
# it starts (thin, only the distance pane); the 600x150 ruler over a pattern that changes under
# its magnifier ten times a second. The yardstick always watches the 600x150 ruler's area. Then
# this program alone, the 600x150 and the thin ruler with spans on and off, the mouse resting over
# the probe's picture of things to measure.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

baseline=b14bc95
rounds=3
seconds=20
while [ $# -gt 0 ]; do
    case $1 in
        --baseline) baseline=$2; shift 2 ;;
        --rounds) rounds=$2; shift 2 ;;
        --seconds) seconds=$2; shift 2 ;;
        *) echo "usage: $0 [--baseline COMMIT] [--rounds N] [--seconds S]" >&2; exit 2 ;;
    esac
done
for f in velmar.exe velmar_probe.exe velmar_yardstick.exe; do
    [ -f "build/win/$f" ] || { echo "build/win/$f is missing: run scripts/test.sh first" >&2; exit 1; }
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

echo "=== building the ruler of $baseline"
mkdir "$work/baseline"
git archive "$baseline" | tar -x -C "$work/baseline"
cmake -S "$work/baseline" -B "$work/baseline/build" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$work/baseline/build" --target velmar -j"${JOBS:-2}" >/dev/null
mkdir "$work/previous"
cp "$work/baseline/build/velmar.exe" "$work/previous/velmar.exe"

start_xvfb
boot_wine_prefix "$WINEPREFIX"
probe=build/win/velmar_probe.exe

pid_of() {  # the Windows process of this prefix whose command line holds $1
    local pid
    for pid in $(pgrep -f "$1"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
    done
}
ticks() {  # user + system clock ticks of a process, 0 once it is gone
    awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}
server_ticks() { local pid; pid=$(pid_of wineserver); [ -n "$pid" ] && ticks "$pid" || echo 0; }

# start PROGRAM SCENARIO: starts "this", "previous" or "yardstick" and waits until it runs.
start() {
    case $1 in
        yardstick) wine build/win/velmar_yardstick.exe 600 150 >/dev/null 2>&1 & ;;
        this) wine build/win/velmar.exe >/dev/null 2>&1 & ;;
        previous) wine "$work/previous/velmar.exe" >/dev/null 2>&1 & ;;
    esac
    if [ "$1" = yardstick ]; then
        for _ in $(seq 100); do [ -n "$(pid_of velmar_yardstick)" ] && return; sleep 0.1; done
        return
    fi
    for _ in $(seq 200); do wine "$probe" windows Velmar 2>/dev/null | grep -q '"rect"' && break; sleep 0.1; done
    [ "$2" = thin ] || wine "$probe" place Velmar 100 100 600 150 >/dev/null
}
stop() {
    local pid
    pid=$(pid_of "${1}.exe")
    [ -n "$pid" ] && kill "$pid" && while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
    return 0
}

# measure PROGRAM SCENARIO: prints "app server xvfb", percent of one core over $seconds.
measure() {
    start "$1" "$2"
    local name=velmar; [ "$1" = yardstick ] && name=velmar_yardstick
    xdotool mousemove 360 490  # below the ruler; over the picture's first box when it is shown
    sleep 2  # the start settles
    local pid a0 s0 x0 a1 s1 x1
    pid=$(pid_of "$name.exe")
    a0=$(ticks "$pid"); s0=$(server_ticks); x0=$(ticks "$XVFB_PID")
    sleep "$seconds"
    a1=$(ticks "$pid"); s1=$(server_ticks); x1=$(ticks "$XVFB_PID")
    stop "$name"
    awk -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v a=$((a1 - a0)) -v w=$((s1 - s0)) -v x=$((x1 - x0)) \
        'BEGIN { printf "%.2f %.2f %.2f\n", a * 100 / hz / s, w * 100 / hz / s, x * 100 / hz / s }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

programs=(this previous yardstick)
for scenario in full thin pattern; do
    pattern_pid=""
    if [ "$scenario" = pattern ]; then
        wine "$probe" colorwindow 400 500 300 200 3366CC CC6633 100 >/dev/null 2>&1 &
        pattern_pid=$!
        sleep 2
    fi
    for round in $(seq "$rounds"); do
        for i in 0 1 2; do
            program=${programs[$(( (i + round) % 3 ))]}
            echo "$scenario $program $(measure "$program" "$scenario")" >>"$work/results"
        done
    done
    [ -n "$pattern_pid" ] && { stop velmar_probe; wait "$pattern_pid" 2>/dev/null || true; }
done

# Spans on and off, this program alone, the mouse resting over the picture of things to measure.
wine "$probe" picture 300 450 >/dev/null 2>&1 &
picture_pid=$!
for round in $(seq "$rounds"); do
    for spans in 0 1; do
        wine reg add 'HKCU\Software\zp-r\Velmar\Option' /v Kanten /t REG_DWORD /d "$spans" /f >/dev/null 2>&1
        for scenario in full thin; do
            echo "spans$spans-$scenario this $(measure this "$scenario")" >>"$work/results"
        done
    done
done
stop velmar_probe
wait "$picture_pid" 2>/dev/null || true

echo
echo "CPU, percent of one core, median of $rounds rounds of $seconds s (baseline $baseline):"
printf '%-8s %-10s %8s %11s %6s\n' scenario program app wineserver Xvfb
for scenario in full thin pattern; do
    for program in "${programs[@]}"; do
        row=()
        for column in 3 4 5; do
            row+=("$(awk -v s="$scenario" -v p="$program" -v c="$column" '$1 == s && $2 == p { print $c }' \
                     "$work/results" | median)")
        done
        printf '%-8s %-10s %8s %11s %6s\n' "$scenario" "$program" "${row[@]}"
        eval "${scenario}_${program}=${row[0]}"
    done
done
echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
for scenario in full thin pattern; do
    this=${scenario}_this previous=${scenario}_previous yardstick=${scenario}_yardstick
    echo "$scenario: this/yardstick $(ratio "${!this}" "${!yardstick}")," \
         "this/previous $(ratio "${!this}" "${!previous}"), previous/yardstick $(ratio "${!previous}" "${!yardstick}")"
done
for scenario in full thin; do
    on=$(awk -v s="spans1-$scenario" '$1 == s { print $3 }' "$work/results" | median)
    off=$(awk -v s="spans0-$scenario" '$1 == s { print $3 }' "$work/results" | median)
    echo "$scenario, the mouse over the picture: spans on $on %, off $off %, on/off $(ratio "$on" "$off")"
done
