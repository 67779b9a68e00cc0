#!/usr/bin/env bash
# The skin on screen: areas of the sidebar where the window definition puts a picture and
# nothing lies over it must show exactly the committed artwork file, read now (so the test
# follows the artwork when it changes), and the first slide found beside the executable.
source "$(dirname "$0")/lib.sh"

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"
left=1158

# picture | where the widget is in the client area (x y) | an area of the picture (x y w h)
areas=(
    "panel|0 0|0 0 6 800"          # pan, the skin: the strip left of every widget
    "panel|0 0|116 0 6 118"        # pan: right of the clock
    "panel|0 0|0 544 122 256"      # pan: everything below the calendar
    "image1|6 390|0 0 116 7"       # the player plate, above its buttons
    "stop|14 428|0 0 23 23"        # btnStop, an opaque button, whole
    "calendar1|8 495|0 0 110 6"    # Image9, the calendar plate, above the month name
)

# The first frame may come a moment after the window is mapped.
want=$(pixel "$(artwork panel)" 2 300)
wait_until "the skin on screen" screen_pixel_is $((left + 2)) 300 "$want"

screenshot "$work/screen.png"
for entry in "${areas[@]}"; do
    IFS='|' read -r name widget area <<<"$entry"
    read -r wx wy <<<"$widget"
    read -r px py w h <<<"$area"
    count=$(differences "$work/screen.png" $((left + wx + px)) $((wy + py)) \
        "$(artwork "$name")" "$px" "$py" "$w" "$h")
    [ "$count" = "0" ] ||
        fail "$name ${w}x${h} at $px,$py (client $((wx + px)),$((wy + py))): $count pixels differ from the artwork"
    pass "$name ${w}x${h} at $px,$py on screen exactly as in the artwork"
done

# The first slide comes from the folder beside the executable although the program was started
# from another one: the slide widget `imagine` (11,124, 103 x 92) shows one of the pictures of
# Slide/ there (one of them: the slide show may have moved on by now).
slides=$(dirname "$BRIVANE")/Slide
slide_shown() {
    local file
    screenshot "$work/slide.png"
    for file in "$slides"/1[0-5].bmp; do
        [ "$(differences "$work/slide.png" $((left + 11)) 124 "$file" 0 0 103 92)" = 0 ] && return 0
    done
    return 1
}
wait_until "a picture of $slides in the slide widget" slide_shown
pass "the slide widget shows a picture of the Slide folder beside the executable"
