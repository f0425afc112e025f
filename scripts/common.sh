# shellcheck shell=bash
# Sourced by test.sh and run.sh.
# start_xvfb: a private Xvfb screen of 1024x768 at depth 24; sets XVFB_PID and DISPLAY.
# stop_xvfb: ends that server and no other.
# boot_wine_prefix DIR: a new Wine prefix whose wineserver keeps running until `wineserver -k`.

XVFB_PID=""

start_xvfb() {
    local display_file
    display_file=$(mktemp)
    # -displayfd: Xvfb takes the first free display number itself and writes it to fd 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number=""
    for _ in $(seq 200); do
        number=$(tr -dc '0-9' <"$display_file")
        [ -n "$number" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$display_file"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    for _ in $(seq 200); do
        if xdpyinfo >/dev/null 2>&1; then
            echo "Xvfb is running on $DISPLAY (pid $XVFB_PID)"
            return 0
        fi
        sleep 0.05
    done
    echo "Xvfb on $DISPLAY does not answer" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}

boot_wine_prefix() {
    local prefix=$1
    mkdir -p "$prefix"
    # The server first (it refuses -p once one runs); then wineboot, with its output to
    # /dev/null, since Wine's background programs would otherwise hold a caller's pipes open.
    if ! WINEPREFIX=$prefix wineserver -p >/dev/null 2>&1 </dev/null ||
       ! WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1 </dev/null; then
        echo "could not start Wine in $prefix" >&2
        return 1
    fi
    # Wine's own copies of the Windows fonts, so that "MS Sans Serif" has its Windows metrics.
    if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    fi
}
