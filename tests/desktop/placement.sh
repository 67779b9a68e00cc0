#!/usr/bin/env bash
# The sidebar on a screen of the given size: 122 pixels wide against the right edge, as tall as
# the screen (no panel, so the work area is the whole screen), and a window of the right kind:
# borderless, no taskbar button, not in the pager, not kept on top, reserving no space, and
# carrying the program icon.
# Usage: placement.sh WIDTH HEIGHT
source "$(dirname "$0")/lib.sh"
width=$1
height=$2

start_display "$width" "$height"
start_program
window=$(wait_for_sidebar)

expected="$((width - 122)) 0 122 $height"
wait_for_geometry "$window" "$expected"
pass "placed at $expected on a ${width}x${height} screen"

props=$(xprop -id "$window")
state=$(grep '^_NET_WM_STATE(ATOM)' <<<"$props" || true)
type=$(grep '^_NET_WM_WINDOW_TYPE(ATOM)' <<<"$props" || true)
grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$state" || fail "no skip-taskbar state: '$state'"
grep -q '_NET_WM_STATE_SKIP_PAGER' <<<"$state" || fail "no skip-pager state: '$state'"
grep -q '_NET_WM_WINDOW_TYPE_UTILITY' <<<"$type" || fail "not a tool window: '$type'"
if grep -q '_NET_WM_STATE_ABOVE\|_NET_WM_STATE_STAYS_ON_TOP' <<<"$state"; then
    fail "kept on top: '$state'"
fi
if grep -q '^_NET_WM_STRUT' <<<"$props"; then
    fail "reserves screen space: $(grep '^_NET_WM_STRUT' <<<"$props")"
fi
# Motif hints: flags bit 2 (decorations given) with decorations 0 is "no frame, no caption".
motif=$(sed -n 's/^_MOTIF_WM_HINTS([^)]*) = //p' <<<"$props")
decorations=$(awk -F', ' '{ print $3 }' <<<"$motif")
[ -n "$motif" ] && [ "$decorations" = "0x0" ] || fail "window decorations asked for: '$motif'"
pass "a borderless tool window off the taskbar and pager, not on top, reserving no space"

# The program's icon, at each of its sizes, is the window's icon.
icon=$(xprop -id "$window" _NET_WM_ICON)
for size in 48 32 16; do
    grep -q "Icon ($size x $size)" <<<"$icon" || fail "no ${size}x${size} image in the window icon"
done
pass "the window carries the program icon at 48, 32 and 16 pixels"
