#!/usr/bin/env bash
# Hints on screen: resting the pointer on a widget that carries a hint shows a tool tip (the
# sidebar is not the active window here: there is no window manager to activate it), moving off
# takes it away, the hint-less `prev` shows none, and the playlist (a native list box) has its
# own.
source "$(dirname "$0")/lib.sh"

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"
left=1158

tooltip_shown() {
    local w
    for w in $(xdotool search --onlyvisible --class brivane 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP &&
            return 0
    done
    return 1
}
no_tooltip() { ! tooltip_shown; }

# The skin's left edge carries no hint: the place to go between the checks.
rest_off() {
    xdotool mousemove $((left + 2)) 600
    wait_until "the hint to go away" no_tooltip
}

# cases: widget | a point inside it (client x y) | hint expected (yes/no)
cases=(
    "Play|63 422|yes"
    "prev|31 418|no"
    "ListBox1|60 330|yes"
    "next|94 420|no"
    "btnStop|25 439|yes"
)
for case in "${cases[@]}"; do
    IFS='|' read -r name at expected <<<"$case"
    read -r x y <<<"$at"
    rest_off
    xdotool mousemove $((left + x)) "$y"
    if [ "$expected" = yes ]; then
        wait_until "the hint of $name" tooltip_shown
        pass "$name shows its hint"
    else
        # Nothing to wait for: give a hint the time it would take to show (Qt: 0.7 s).
        sleep 2
        no_tooltip || fail "$name shows a hint; it has none"
        pass "$name shows no hint"
    fi
done
