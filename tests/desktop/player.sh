#!/usr/bin/env bash
# The music player on the desktop: a song added through the real file dialog (its path typed,
# Enter pressed) and double-clicked plays (SDL's disk driver writes the tone to a file) and its
# title shows in the strip; a garbage .mp3 gives the load error box and silences the old song;
# a close request while a song plays ends the program cleanly.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"

start_display 1280 800
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
left=1158

songs="$work/my songs"
mkdir -p "$songs"
tone "$songs/a tone.mp3" 30 440
head -c 20000 /dev/urandom >"$songs/bad.mp3"

start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "$left 0 122 800"

dialog_window() { xdotool search --onlyvisible --name '^Open$' 2>/dev/null | head -n1; }
has_dialog() { [ -n "$(dialog_window)" ]; }
no_dialog() { [ -z "$(dialog_window)" ]; }
has_output() { [ -s "$SDL_DISKAUDIOFILE" ]; }

# add_song PATH: Open, the path typed into the dialog, Enter.
add_song() {
    xdotool mousemove $((left + 14 + 8)) $((397 + 7)) click 1
    wait_until "the file dialog" has_dialog
    xdotool windowfocus --sync "$(dialog_window)"
    sleep 0.3 # the name field takes the focus once the dialog is shown
    xdotool type --delay 10 "$1"
    xdotool key Return
    wait_until "the file dialog to close" no_dialog
}

# The strip, cut out of a screenshot: pnlDisplay is 87 x 12 at 21, 377.
strip() { convert "$1" -crop "87x12+$((left + 21))+377" +repage -depth 8 "$2"; }
lit_pixels() { convert "$1" -colorspace gray -threshold 60% -format '%[fx:int(mean*w*h+0.5)]' info:; }

# Stop the title turning (a click on the strip) so that what it shows can be compared.
xdotool mousemove $((left + 21 + 10)) $((377 + 6)) click 1
wait_until "the audio device's output" has_output
add_song "$songs/a tone.mp3"
pass "a song added through the file dialog"
screenshot "$work/before.png"
strip "$work/before.png" "$work/strip-before.png"

double_click_row 0
wait_until "the tone in the audio output" sounding_at 440
pass "the double-clicked song plays"
screenshot "$work/playing.png"
strip "$work/playing.png" "$work/strip-playing.png"
[ "$(compare -metric AE "$work/strip-before.png" "$work/strip-playing.png" null: 2>&1)" != 0 ] ||
    fail "the title strip did not change when the song started"
[ "$(lit_pixels "$work/strip-playing.png")" -gt 20 ] || fail "no title in the strip"
pass "the song's title shows in the strip"

add_song "$songs/bad.mp3"
double_click_row 1
wait_until "the load error box" has_box
wait_until "the old song to stop" silent
pass "a garbage .mp3 gives the message box, and the old song stops"
xdotool windowfocus --sync "$(box_window)" key Return
wait_until "the box to close" no_box

double_click_row 0
wait_until "the tone again" sounding_at 440
"$BRIVANE_CLOSE_WINDOW" "$window" || fail "could not send the close request to $window"
wait_until "the program to end while the song plays" process_gone "$program_pid"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit status $status while a song played"
pass "a close request while a song plays ends the program with exit status 0"
