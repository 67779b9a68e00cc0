#!/usr/bin/env bash
# The analog clock on screen at a fixed local time: the program runs from a folder of its own
# with an lclock.ini written here, under libfaketime with the wall clock held at 10:15:00 (the
# monotonic clock stays real, so the timers tick). At minute 15 the minute hand lies along the
# pivot's row: with length 30 and width 1 it covers the 30 pixels from the pivot to the right,
# without its end pixel, in the highlight colour of the desktop palette.
source "$(dirname "$0")/lib.sh"

faketime_library=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$faketime_library" ] || fail "libfaketime is not installed ($faketime_library)"

# The program's folder: the executable, its slides and our settings.
program_dir="$work/program"
mkdir -p "$program_dir"
cp "$BRIVANE" "$program_dir/brivane"
if [ -d "$(dirname "$BRIVANE")/Slide" ]; then cp -r "$(dirname "$BRIVANE")/Slide" "$program_dir/"; fi
cx=52 cy=52 length=30
cat >"$program_dir/lclock.ini" <<EOF
[plugin]
center x=$cx
center y=$cy
radius minute=$length
width minute=1
radius hour=20
width hour=3
radius second=35
width second=1
EOF
# Only the program sees the fixed time; the tools of the test keep the real one.
cat >"$program_dir/at-fixed-time" <<EOF
#!/bin/sh
LD_PRELOAD="$faketime_library" FAKETIME="2026-03-07 10:15:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    exec "$program_dir/brivane"
EOF
chmod +x "$program_dir/at-fixed-time"
BRIVANE="$program_dir/at-fixed-time"

# Qt's own palette, not one of a desktop theme that the machine may name.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"
# Image2, the clock, lies at (10, 8) in the window.
left=$((1158 + 10)) top=8
screen_x() { echo $((left + cx + $1)); }
row=$((top + cy))

# Until the first tick the design picture shows; the pivot then turns to the hand's colour.
the_hand_is_drawn() {
    screenshot "$work/clock.png"
    local pivot tip end
    pivot=$(pixel "$work/clock.png" "$(screen_x 0)" "$row")
    tip=$(pixel "$work/clock.png" "$(screen_x $((length - 1)))" "$row")
    end=$(pixel "$work/clock.png" "$(screen_x "$length")" "$row")
    [ "$pivot" = "$tip" ] && [ "$pivot" != "$end" ] && [ "$pivot" != "#000000" ]
}
wait_until "the minute hand along the pivot's row" the_hand_is_drawn

highlight=$(pixel "$work/clock.png" "$(screen_x 0)" "$row")
# Qt's default palette (no platform theme) highlights in #308CC6.
[ "$highlight" = "#308CC6" ] || fail "the minute hand is $highlight, not the palette's #308CC6"
for ((dx = 0; dx < length; dx++)); do
    got=$(pixel "$work/clock.png" "$(screen_x $dx)" "$row")
    [ "$got" = "$highlight" ] || fail "minute hand pixel at offset ($dx, 0) is $got, not $highlight"
done
pass "the minute hand covers offsets (0, 0) to ($((length - 1)), 0) in $highlight"

for at in "$length 0" "5 -1" "5 1" "15 -1" "15 1"; do
    read -r dx dy <<<"$at"
    got=$(pixel "$work/clock.png" "$(screen_x "$dx")" $((row + dy)))
    [ "$got" != "$highlight" ] || fail "pixel at offset ($dx, $dy) is in the hand's colour"
done
pass "the end pixel and the rows beside the hand are not in the hand's colour"
