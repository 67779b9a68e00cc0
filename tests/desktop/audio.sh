# Helpers of the player's desktop tests (sourced after lib.sh): what SDL's disk driver wrote.
# The program writes its audio output to $SDL_DISKAUDIOFILE (44100 Hz, 16-bit stereo).

# tone FILE SECONDS HERTZ: a sine tone made with sox (a .wav) or sox and lame (a .mp3).
tone() {
    local file=$1 seconds=$2 hertz=$3
    case "$file" in
        *.mp3)
            sox -n -r 44100 -c 2 -b 16 "$work/tone-$hertz.wav" synth "$seconds" sine "$hertz" gain -6
            lame --quiet "$work/tone-$hertz.wav" "$file"
            ;;
        *) sox -n -r 44100 -c 2 -b 16 "$file" synth "$seconds" sine "$hertz" gain -6 ;;
    esac
}

# last_heard FIELD: a field of sox's statistics ("Maximum amplitude", "Rough frequency") of the
# last 0.3 seconds of the output's left channel.
last_heard() {
    tail -c $((44100 * 4 * 3 / 10)) "$SDL_DISKAUDIOFILE" |
        sox -t raw -r 44100 -e signed -b 16 -c 2 - -n remix 1 stat 2>&1 |
        awk -v f="$1" '{ line = $0; gsub(/ +/, " ", line) } index(line, f) == 1 { print $NF }'
}
sounding() { awk -v p="$(last_heard 'Maximum amplitude')" 'BEGIN { exit !(p > 0.3) }'; }
silent() { awk -v p="$(last_heard 'Maximum amplitude')" 'BEGIN { exit !(p < 0.01) }'; }
# sounding_at HERTZ: the last output is a tone of about that frequency.
sounding_at() {
    sounding && awk -v f="$(last_heard 'Rough frequency')" -v want="$1" \
        'BEGIN { exit !(f > want * 0.95 && f < want * 1.05) }'
}

box_window() { xdotool search --onlyvisible --name '^Brivane$' 2>/dev/null | head -n1; }
has_box() { [ -n "$(box_window)" ]; }
no_box() { [ -z "$(box_window)" ]; }

# double_click_row ROW: a double-click on that line of the playlist (13 pixels a line below a
# 1-pixel frame), with the sidebar at the right edge of a 1280-pixel-wide screen.
double_click_row() {
    xdotool mousemove $((1158 + 6 + 30)) $((295 + 1 + 13 * $1 + 6)) click --repeat 2 --delay 80 1
}
