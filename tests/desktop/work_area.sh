#!/usr/bin/env bash
# A change of the work area (a panel appearing, moving or growing: on X11 the root window's
# _NET_WORKAREA) places the sidebar again against the new right edge, as tall as the new area,
# and the skin is drawn at the new place.
source "$(dirname "$0")/lib.sh"

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"

panel=$(artwork panel)
# cases: the work area as _NET_WORKAREA gives it (left, top, width, height), then where the
# sidebar must go (left top width height)
cases=(
    "0, 0, 1000, 700|878 0 122 700"       # a panel on the right and one at the bottom
    "0, 30, 1280, 740|1158 30 122 740"    # a panel on top
    "40, 0, 1240, 800|1158 0 122 800"     # a panel on the left: the sidebar stays put
)
for case in "${cases[@]}"; do
    area=${case%%|*}
    expected=${case##*|}
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$area"
    wait_for_geometry "$window" "$expected"
    read -r left top _ _ <<<"$expected"
    want=$(pixel "$panel" 2 300)
    wait_until "the skin drawn at the new place (panel pixel 2,300 = $want)" \
        screen_pixel_is $((left + 2)) $((top + 300)) "$want"
    pass "work area '$area': sidebar at $expected, skin drawn there"
done
