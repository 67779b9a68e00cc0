#!/usr/bin/env bash
# The shortcut icons and the search box on the desktop: each request reaches the program that
# stands for it, started with the expected arguments and without a shell. The desktop's programs
# are small recording scripts on PATH (gio and find too, so that emptying the trash deletes
# nothing of the machine's); a private home and XDG folders name a default media player.
source "$(dirname "$0")/lib.sh"

bin="$work/bin"
log="$work/started.log"
mkdir -p "$bin"
: >"$log"

# A recording script: appends its name and arguments to the log, one line per run, the fields
# separated by the unit separator (\037). It interprets nothing it is given.
record_as() {
    cat >"$bin/$1" <<EOF
#!/bin/sh
sep=\$(printf '\\037')
line=\${0##*/}
for a in "\$@"; do line="\$line\$sep\$a"; done
printf '%s\\n' "\$line" >>'$log'
EOF
    chmod +x "$bin/$1"
}
for program in xdg-open gio find gnome-software gedit gnome-calculator catfish test-player; do
    record_as "$program"
done

# The line a run of NAME with ARGS leaves in the log.
line_of() {
    local IFS=$'\037'
    printf '%s' "$*"
}

has_line() { grep -qxF -- "$1" "$log"; }
count_lines() { grep -cxF -- "$1" "$log" || true; }

export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_CONFIG_DIRS="$work/etc"
export XDG_DATA_HOME="$HOME/.local/share" XDG_DATA_DIRS="$work/share"
unset XDG_CURRENT_DESKTOP
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS" "$XDG_DATA_HOME/applications" "$XDG_DATA_DIRS"
printf '[Default Applications]\naudio/mpeg=brivane-test-player.desktop\n' \
    >"$XDG_CONFIG_HOME/mimeapps.list"
printf '[Desktop Entry]\nType=Application\nName=Player\nExec=test-player --play %%U\n' \
    >"$XDG_DATA_HOME/applications/brivane-test-player.desktop"
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"
echo old >"$XDG_DATA_HOME/Trash/files/old.txt"
export PATH="$bin:$PATH"

start_display 1280 800
start_program
window=$(wait_for_sidebar)
wait_for_geometry "$window" "1158 0 122 800"
left=1158

click_at() { xdotool mousemove $((left + $1)) "$2" click 1; }

# icon | its middle in the client area | the line the started program leaves
click_at 28 244  # Image3: the recycle bins
trash="$XDG_DATA_HOME/Trash"
# find with the home trash's files/ and info/ first (then any volume's), staying on each file
# system and deleting everything below them.
find_ran_on_trash() {
    local line fields n
    while IFS= read -r line; do
        IFS=$'\037' read -r -a fields <<<"$line"
        n=${#fields[@]}
        if [ "$n" -ge 7 ] && [ "${fields[0]}" = find ] && [ "${fields[1]}" = "$trash/files" ] &&
            [ "${fields[2]}" = "$trash/info" ] &&
            [ "${fields[*]:n-4}" = "-xdev -mindepth 1 -delete" ]; then
            return 0
        fi
    done <"$log"
    return 1
}
trash_emptied() { has_line "$(line_of gio trash --empty)" || find_ran_on_trash; }
wait_until "the trash emptied by gio or find" trash_emptied
pass "Image3 empties the trash (gio trash --empty, or find ... -xdev -mindepth 1 -delete)"

shortcuts=(
    "Image6|63 244|$(line_of gnome-software)"
    "Image5|97 244|$(line_of test-player --play)"
    "Image4|28 274|$(line_of catfish "$HOME")"
    "Image7|62 274|$(line_of gedit)"
    "Image8|97 274|$(line_of gnome-calculator)"
)
for row in "${shortcuts[@]}"; do
    IFS='|' read -r icon place expected <<<"$row"
    read -r x y <<<"$place"
    click_at "$x" "$y"
    wait_until "$icon to start: ${expected//$'\037'/ }" has_line "$expected"
    pass "$icon starts ${expected//$'\037'/ }"
done

# The search box: a text full of shell syntax reaches the opener as one unchanged argument.
marker="$work/marker"
text="\$(touch $marker); touch $marker | \`touch $marker\` & \"q\" 'q' > ~"
click_at 53 472  # Edit1
xdotool windowfocus --sync "$window" 2>/dev/null || true
click_at 53 472
xdotool type --delay 15 -- "$text"
xdotool key Return
expected=$(line_of xdg-open "$text")
wait_until "the opener to get the typed text" has_line "$expected"
pass "Enter in Edit1 hands the text to xdg-open unchanged"
click_at 107 472  # go
wait_until "go to open the same text again" test "$(count_lines "$expected")" -eq 2
sleep 0.5  # a wrongly run shell command would have had its chance by now
[ ! -e "$marker" ] || fail "a command in the search text was run"
pass "go opens the text again; nothing in it ran"
