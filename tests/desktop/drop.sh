#!/usr/bin/env bash
# Files dropped from another program onto the playlist (a real drag and drop between two X
# clients): a song in a folder whose path is longer than 300 characters, a song with a UTF-8
# name and a folder come in, in the drop's order, and each plays from its whole path (the
# folder gives the load error box). $1 is the drag source helper (drag_files.cpp).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"
drag_files=${1:?the drag source helper}

start_display 1280 800
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"

deep="$work/songs"
while [ ${#deep} -lt 320 ]; do deep="$deep/a folder with a long name"; done
mkdir -p "$deep" "$work/songs/Müzik/a folder"
tone "$deep/deep song.mp3" 30 440
tone "$work/songs/Müzik/şarkı ♫.wav" 30 880

start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"

"$drag_files" "$deep/deep song.mp3" "$work/songs/Müzik/şarkı ♫.wav" "$work/songs/Müzik/a folder" \
    >"$work/drag.log" 2>&1 &
started_pids+=($!)
source_window() { xdotool search --onlyvisible --name '^drag source$' 2>/dev/null | head -n1; }
has_source() { [ -n "$(source_window)" ]; }
wait_until "the drag source" has_source
dropped() { grep -q . "$work/drag.log"; }

# Press on the source, move over the playlist in steps (as a hand would), release there.
xdotool mousemove 100 100 mousedown 1
for x in 150 400 700 1000 1150 1180 1200; do
    xdotool mousemove "$x" 330
    sleep 0.1
done
sleep 0.3
xdotool mouseup 1
wait_until "the drop to end" dropped
[ "$(cat "$work/drag.log")" = copied ] || fail "the playlist refused the drop: $(cat "$work/drag.log")"
pass "the playlist took the drop"

double_click_row 0
wait_until "the song from the long path (440 Hz)" sounding_at 440
pass "a song whose path has ${#deep} characters and more plays from its whole path"
double_click_row 1
wait_until "the song with the UTF-8 name (880 Hz), second in the drop" sounding_at 880
pass "the second file of the drop plays from its UTF-8 path"
double_click_row 2
wait_until "the load error box for the folder" has_box
pass "the folder came in third and gives the load error box"
