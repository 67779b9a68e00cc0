# Shared helpers of the desktop tests (sourced, not run).
#
# Each test gets its own Xvfb display (a free number chosen by the server itself) with no window
# manager, starts the real program on it from a foreign working directory, and waits for what it
# checks with a generous timeout instead of fixed sleeps. Everything it started is stopped on
# exit, whatever the outcome.
#
# Environment (set by CTest): BRIVANE (the executable), BRIVANE_CLOSE_WINDOW (the close-request
# helper), BRIVANE_SOURCE_DIR (the repository, for the artwork files).

set -euo pipefail

: "${BRIVANE:?BRIVANE must name the brivane executable}"
: "${BRIVANE_SOURCE_DIR:?BRIVANE_SOURCE_DIR must name the repository}"

# Seconds to wait for any one condition; a loaded machine gets the benefit of the doubt.
WAIT_SECONDS=${BRIVANE_TEST_WAIT:-60}

work=$(mktemp -d "${TMPDIR:-/tmp}/brivane-desktop.XXXXXX")
chmod 700 "$work"
started_pids=()
program_pid=""

cleanup() {
    local status=$?
    local pid
    # The program first, then the X server it was drawing on.
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        pid=${started_pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${started_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ -s "$work/brivane.log" ]; then
        echo "--- the program's output:" >&2
        cat "$work/brivane.log" >&2
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

pass() { echo "ok: $*"; }

# wait_until DESCRIPTION COMMAND...: runs COMMAND until it succeeds or the time is up.
wait_until() {
    local what=$1
    shift
    local deadline=$((SECONDS + WAIT_SECONDS))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            fail "timed out after ${WAIT_SECONDS}s waiting for: $what"
        fi
        sleep 0.1
    done
}

# start_display WIDTH HEIGHT: a private X server of that size; exports DISPLAY.
start_display() {
    local width=$1 height=$2
    local fdfile="$work/display"
    : >"$fdfile"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
        3>"$fdfile" >"$work/xvfb.log" 2>&1 &
    started_pids+=($!)
    wait_until "Xvfb to choose a display" test -s "$fdfile"
    export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
    wait_until "the X server on $DISPLAY to answer" xwininfo -root
    # The program's session needs nothing else of the machine's desktop.
    unset WAYLAND_DISPLAY
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
}

# start_program: the real executable, started from a working directory of its own so that it
# must find its files beside itself. Sets program_pid.
start_program() {
    mkdir -p "$work/cwd"
    (cd "$work/cwd" && exec "$BRIVANE") >"$work/brivane.log" 2>&1 &
    program_pid=$!
    started_pids+=("$program_pid")
}

# The id of the visible sidebar window, empty when there is none.
sidebar_window() {
    xdotool search --onlyvisible --name '^Sidebar$' 2>/dev/null | head -n1
}

has_sidebar_window() { [ -n "$(sidebar_window)" ]; }

# wait_for_sidebar: waits until the sidebar is mapped and prints its window id.
wait_for_sidebar() {
    wait_until "the sidebar window to be mapped" has_sidebar_window
    sidebar_window
}

# geometry WINDOW: "left top width height" of the window on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^  Width:/ { w = $NF }
        /^  Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# geometry_is WINDOW "LEFT TOP WIDTH HEIGHT": succeeds when the window has that geometry.
geometry_is() { [ "$(geometry "$1")" = "$2" ]; }

# wait_for_geometry WINDOW "LEFT TOP WIDTH HEIGHT": waits until the window has that geometry.
wait_for_geometry() {
    local deadline=$((SECONDS + WAIT_SECONDS))
    until geometry_is "$1" "$2"; do
        if ((SECONDS >= deadline)); then
            fail "the window is at '$(geometry "$1")', not at '$2' (waited ${WAIT_SECONDS}s)"
        fi
        sleep 0.1
    done
}

# screenshot FILE: the whole screen as a PNG.
screenshot() { import -window root "$1"; }

# pixel FILE X Y: the colour of one pixel of a picture file as #RRGGBB (alpha left out).
pixel() {
    convert "$1" -alpha off -crop "1x1+$2+$3" +repage -depth 8 txt:- |
        sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | head -n1 | tr 'a-f' 'A-F'
}

# differences SHOT X Y FILE PX PY WIDTH HEIGHT: how many pixels of the WIDTH x HEIGHT area at
# X,Y of the screenshot differ from the area at PX,PY of the picture file.
differences() {
    local shot=$1 x=$2 y=$3 file=$4 px=$5 py=$6 w=$7 h=$8
    convert "$shot" -alpha off -crop "${w}x${h}+${x}+${y}" +repage "$work/region.screen.png"
    convert "$file" -alpha off -crop "${w}x${h}+${px}+${py}" +repage "$work/region.art.png"
    compare -metric AE "$work/region.screen.png" "$work/region.art.png" null: 2>&1 || true
}

# screen_pixel X Y: the colour of one screen pixel, from a fresh screenshot.
screen_pixel() {
    screenshot "$work/pixel.png"
    pixel "$work/pixel.png" "$1" "$2"
}

# screen_pixel_is X Y COLOUR: succeeds when that screen pixel has that colour.
screen_pixel_is() { [ "$(screen_pixel "$1" "$2")" = "$3" ]; }

# artwork NAME: the committed artwork file of an image resource or design picture (the files
# are named in lower case).
artwork() {
    local name=${1,,} dir file
    for dir in images design; do
        file="$BRIVANE_SOURCE_DIR/resources/$dir/$name.bmp"
        if [ -f "$file" ]; then
            echo "$file"
            return 0
        fi
    done
    fail "no artwork file for '$name' in resources/images or resources/design"
}

# process_gone PID: succeeds once the process has ended (a child not yet waited for counts).
process_gone() {
    [ ! -e "/proc/$1" ] || awk '{ exit !($3 == "Z") }' "/proc/$1/stat" 2>/dev/null
}
