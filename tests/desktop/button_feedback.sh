#!/usr/bin/env bash
# Mouse input on screen reaches the kit in client coordinates and its routing holds: a left
# press on btnStop shows the pressed picture "stop1"; the pointer leaving the button keeps it
# (the left press captures the mouse); the release off the button brings back "stop".
source "$(dirname "$0")/lib.sh"

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"
left=1158

normal=$(artwork stop)
pressed=$(artwork stop1)
# A pixel of the button where the two pictures differ.
spot=""
for candidate in "11 11" "5 11" "11 5" "17 11" "11 17" "7 7" "15 15" "3 11" "11 3"; do
    read -r px py <<<"$candidate"
    if [ "$(pixel "$normal" "$px" "$py")" != "$(pixel "$pressed" "$px" "$py")" ]; then
        spot=$candidate
        break
    fi
done
[ -n "$spot" ] || fail "stop and stop1 look the same at every pixel tried"
read -r px py <<<"$spot"
x=$((left + 14 + px))
y=$((428 + py))
normal_colour=$(pixel "$normal" "$px" "$py")
pressed_colour=$(pixel "$pressed" "$px" "$py")

wait_until "btnStop drawn ($normal_colour at $x,$y)" screen_pixel_is "$x" "$y" "$normal_colour"
xdotool mousemove "$x" "$y" mousedown 1
wait_until "the pressed picture while the button is held ($pressed_colour)" \
    screen_pixel_is "$x" "$y" "$pressed_colour"
pass "left press on btnStop shows stop1"

xdotool mousemove $((left + 60)) 650
sleep 0.5  # a move is no event to wait for: give a wrong repaint the chance to happen
[ "$(screen_pixel "$x" "$y")" = "$pressed_colour" ] ||
    fail "the pressed picture went away when the pointer left the button while held"
xdotool mouseup 1
wait_until "the normal picture after the release off the button ($normal_colour)" \
    screen_pixel_is "$x" "$y" "$normal_colour"
pass "release off the button brings back stop"
