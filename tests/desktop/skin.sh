#!/usr/bin/env bash
# The skin on screen: pixels of the sidebar sampled where the window definition puts a picture
# and nothing lies over it, compared with the committed artwork files read now (so the test
# follows the artwork when it changes).
source "$(dirname "$0")/lib.sh"

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"
left=1158

# picture | where the widget is in the client area (x y) | a pixel of the picture (x y)
samples=(
    "panel|0 0|2 300"           # pan: the skin background, left edge beside the playlist
    "panel|0 0|120 100"         # pan: right of the clock
    "Image1|6 390|2 2"          # the player plate, top-left
    "Image1|6 390|54 62"        # the player plate, below Play
    "Image1|6 390|110 65"       # the player plate, bottom-right
    "stop|14 428|11 11"         # btnStop, an opaque button, in its middle
    "stop|14 428|3 3"           # btnStop, near its corner
    "calendar1|8 495|2 2"       # Image9, the calendar plate, above the month name
    "calendar1|8 495|105 45"    # Image9, right of the day
)

# The first frame may come a moment after the window is mapped.
first=${samples[0]}
read -r wx wy <<<"$(cut -d'|' -f2 <<<"$first")"
read -r px py <<<"$(cut -d'|' -f3 <<<"$first")"
want=$(pixel "$(artwork "$(cut -d'|' -f1 <<<"$first")")" "$px" "$py")
wait_until "the skin on screen" screen_pixel_is $((left + wx + px)) $((wy + py)) "$want"

screenshot "$work/screen.png"
for sample in "${samples[@]}"; do
    IFS='|' read -r name widget at <<<"$sample"
    read -r wx wy <<<"$widget"
    read -r px py <<<"$at"
    want=$(pixel "$(artwork "$name")" "$px" "$py")
    got=$(pixel "$work/screen.png" $((left + wx + px)) $((wy + py)))
    [ "$got" = "$want" ] ||
        fail "$name pixel $px,$py at client $((wx + px)),$((wy + py)): screen $got, artwork $want"
    pass "$name pixel $px,$py on screen as in the artwork ($want)"
done
