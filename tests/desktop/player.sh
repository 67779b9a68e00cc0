#!/usr/bin/env bash
# The music player on the desktop: a song added through the real file dialog (its path typed,
# Enter pressed) and double-clicked plays (SDL's disk driver writes the tone to a file) and its
# title shows in the strip; a garbage .mp3 gives the load error box and silences the old song;
# a close request while a song plays ends the program cleanly.
source "$(dirname "$0")/lib.sh"

start_display 1280 800
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
left=1158

songs="$work/my songs"
mkdir -p "$songs"
sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth 30 sine 440 gain -6
lame --quiet "$work/tone.wav" "$songs/a tone.mp3"
head -c 20000 /dev/urandom >"$songs/bad.mp3"

start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "$left 0 122 800"

# peak_of_last SECONDS: the loudest sample (0 to 1) of the last SECONDS written by SDL.
peak_of_last() {
    local bytes=$(($1 * 44100 * 4 / 10)) # $1 in tenths of a second
    tail -c "$bytes" "$SDL_DISKAUDIOFILE" |
        sox -t raw -r 44100 -e signed -b 16 -c 2 - -n stat 2>&1 |
        awk '/Maximum amplitude/ { print $3 }'
}
sounding() { awk -v p="$(peak_of_last 3)" 'BEGIN { exit !(p > 0.3) }'; }
silent() { awk -v p="$(peak_of_last 3)" 'BEGIN { exit !(p < 0.01) }'; }
written_bytes() { stat -c %s "$SDL_DISKAUDIOFILE" 2>/dev/null || echo 0; }
has_more_audio_than() { [ "$(written_bytes)" -gt "$1" ]; }

dialog_window() { xdotool search --onlyvisible --name '^Open$' 2>/dev/null | head -n1; }
has_dialog() { [ -n "$(dialog_window)" ]; }
no_dialog() { [ -z "$(dialog_window)" ]; }
box_window() { xdotool search --onlyvisible --name '^Brivane$' 2>/dev/null | head -n1; }
has_box() { [ -n "$(box_window)" ]; }
no_box() { [ -z "$(box_window)" ]; }

# add_song PATH: Open, the path typed into the dialog, Enter.
add_song() {
    xdotool mousemove $((left + 14 + 8)) $((397 + 7)) click 1
    wait_until "the file dialog" has_dialog
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
wait_until "the audio device's output" has_more_audio_than 0
add_song "$songs/a tone.mp3"
pass "a song added through the file dialog"
screenshot "$work/before.png"
strip "$work/before.png" "$work/strip-before.png"

# Row 0 of the playlist (13 pixels per row below a 1-pixel frame).
xdotool mousemove $((left + 6 + 30)) $((295 + 7)) click --repeat 2 --delay 80 1
wait_until "the tone in the audio output" sounding
pass "the double-clicked song plays"
screenshot "$work/playing.png"
strip "$work/playing.png" "$work/strip-playing.png"
[ "$(compare -metric AE "$work/strip-before.png" "$work/strip-playing.png" null: 2>&1)" != 0 ] ||
    fail "the title strip did not change when the song started"
[ "$(lit_pixels "$work/strip-playing.png")" -gt 20 ] || fail "no title in the strip"
pass "the song's title shows in the strip"

add_song "$songs/bad.mp3"
xdotool mousemove $((left + 6 + 30)) $((295 + 13 + 7)) click --repeat 2 --delay 80 1
wait_until "the load error box" has_box
wait_until "the old song to stop" silent
pass "a garbage .mp3 gives the message box, and the old song stops"
xdotool key Return
wait_until "the box to close" no_box

xdotool mousemove $((left + 6 + 30)) $((295 + 7)) click --repeat 2 --delay 80 1
wait_until "the tone again" sounding
"$BRIVANE_CLOSE_WINDOW" "$window" || fail "could not send the close request to $window"
wait_until "the program to end while the song plays" process_gone "$program_pid"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit status $status while a song played"
pass "a close request while a song plays ends the program with exit status 0"
