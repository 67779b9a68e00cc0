#!/usr/bin/env bash
# The tray icon and its menu on a desktop whose tray host is trayer (XEmbed): the icon sits in
# the tray; a left click shows the hint box; a right click opens the menu; Settings maps the
# settings window in the middle of the screen, drawn from its artwork; a click on the digital
# clock's icon puts the time panel where the clock face was; Exit ends the program with status
# 0 and takes the icon out of the tray.
source "$(dirname "$0")/lib.sh"

width=1024
height=768
start_display "$width" "$height"

# The tray host: a panel along the bottom edge. It owns the tray selection before it maps the
# panel, so a mapped panel means a tray that takes icons.
trayer --edge bottom --align left --widthtype percent --width 100 --height 26 \
    --SetDockType true --SetPartialStrut true --tint 0x2b2b2b --transparent true --alpha 0 \
    >"$work/trayer.log" 2>&1 &
started_pids+=($!)
panel_window() { xdotool search --onlyvisible --name '^panel$' 2>/dev/null | head -n1; }
has_panel() { [ -n "$(panel_window)" ]; }
wait_until "the tray host's panel to be mapped" has_panel
panel=$(panel_window)

# visible_named NAME: the mapped top-level windows whose title is exactly NAME (xdotool's search
# ignores case, and the tray icon, the menu and the message box all carry the program's name).
visible_named() {
    local id
    for id in $(xwininfo -root -children | awk -v name="\"$1\":" '$2 == name { print $1 }'); do
        if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then echo "$id"; fi
    done
}

start_program
sidebar=$(wait_for_sidebar)
left=$((width - 122))

# --- the icon in the tray ------------------------------------------------------------------------

# "ID LEFT TOP WIDTH HEIGHT" of the program's window embedded in the panel, empty for none.
tray_icon() {
    xwininfo -tree -id "$panel" | awk '
        /"brivane"/ {
            split($NF, at, "+"); split($(NF - 1), size, "[x+]")
            print $1, at[2], at[3], size[1], size[2]; exit
        }'
}
has_tray_icon() { [ -n "$(tray_icon)" ]; }
wait_until "the icon to be embedded in the tray" has_tray_icon
read -r icon icon_left icon_top icon_width icon_height <<<"$(tray_icon)"
icon_x=$((icon_left + icon_width / 2))
icon_y=$((icon_top + icon_height / 2))
[ "$icon_top" -ge $((height - 26)) ] || fail "the icon is not in the panel: $(tray_icon)"
pass "the icon $icon is embedded in the tray at $icon_left,$icon_top (${icon_width}x$icon_height)"

# --- a left click: the hint box ------------------------------------------------------------------

box_window() { visible_named Brivane | head -n1; }
has_box() { [ -n "$(box_window)" ]; }
no_box() { [ -z "$(box_window)" ]; }
xdotool mousemove "$icon_x" "$icon_y" click 1
wait_until "a message box titled Brivane after a left click" has_box
pass "a left click opened a message box titled 'Brivane'"
xdotool key Return
wait_until "the message box to close on Return" no_box

# --- a right click: the menu -------------------------------------------------------------------

# "ID LEFT TOP WIDTH HEIGHT" of the open pop-up menu (a top-level override-redirect window of
# the program's), empty for none.
menu_window() {
    local id
    for id in $(visible_named brivane); do
        if xwininfo -id "$id" | grep -q 'Override Redirect State: yes'; then
            echo "$id $(geometry "$id")"
            return 0
        fi
    done
}
has_menu() { [ -n "$(menu_window)" ]; }
no_menu() { [ -z "$(menu_window)" ]; }

# A menu that has just closed may still hold the pointer grab for a moment, and a press then
# goes to it; so a right click that opens nothing within a few seconds is made once more.
open_menu() {
    local attempt
    for attempt in 1 2 3; do
        xdotool mousemove "$icon_x" "$icon_y" click 3
        WAIT_SECONDS=5 wait_until_quietly has_menu && break
    done
    wait_until "the menu to open after a right click" has_menu
    read -r menu menu_left menu_top menu_width menu_height <<<"$(menu_window)"
}

# wait_until_quietly COMMAND...: as wait_until, but a timeout is only a failed status.
wait_until_quietly() {
    local deadline=$((SECONDS + WAIT_SECONDS))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.1
    done
}

open_menu
# Five items and two separators.
[ "$menu_height" -gt 80 ] || fail "the menu is only $menu_height pixels high"
pass "a right click opened the menu (${menu_width}x$menu_height at $menu_left,$menu_top)"
# Escape closes it without action.
xdotool key Escape
wait_until "the menu to close on Escape" no_menu
[ -z "$(visible_named Form3)" ] || fail "Escape opened the settings window"

# --- Settings: the settings window in the middle of the screen --------------------------------------

open_menu
xdotool mousemove $((menu_left + 30)) $((menu_top + 10)) click 1  # the first item: Settings
settings_window() { visible_named Form3 | head -n1; }
has_settings() { [ -n "$(settings_window)" ]; }
wait_until "the settings window to be mapped after Settings" has_settings
form3=$(settings_window)
form3_left=$(((width - 500) / 2))
form3_top=$(((height - 300) / 2))
wait_for_geometry "$form3" "$form3_left $form3_top 500 300"
pass "Settings mapped the settings window at $form3_left,$form3_top, the middle of the screen"

# Drawn from its artwork: the background, and the two icons on it.
background=$(artwork form3_background)
for at in "250 20" "300 150" "40 280" "470 200"; do
    read -r x y <<<"$at"
    want=$(pixel "$background" "$x" "$y")
    wait_until "the settings window's background at $x,$y to be $want" \
        screen_pixel_is $((form3_left + x)) $((form3_top + y)) "$want"
done
screenshot "$work/settings.png"
for icon_at in "24 64 form3_analog" "100 64 form3_digital"; do
    read -r x y name <<<"$icon_at"
    # The middle of an icon is opaque artwork: the screen shows it unchanged.
    want=$(pixel "$(artwork "$name")" 25 25)
    got=$(pixel "$work/settings.png" $((form3_left + x + 25)) $((form3_top + y + 25)))
    [ "$got" = "$want" ] || fail "the $name icon's middle is $got on screen, not $want"
done
pass "the settings window shows its background and both icons"

# --- the digital clock: the time panel where the clock face was ------------------------------------

panel_art=$(artwork ceasimg)
# A pixel of the time panel left of the time text; in the analog layout the face covers it.
panel_x=5
panel_y=20
panel_colour=$(pixel "$panel_art" "$panel_x" "$panel_y")
before=$(screen_pixel $((left + 21 + panel_x)) $((8 + panel_y)))
[ "$before" != "$panel_colour" ] || fail "the time panel shows before the digital clock is chosen"
xdotool mousemove $((form3_left + 125)) $((form3_top + 88)) click 1
wait_until "the time panel to show where the clock face was" \
    screen_pixel_is $((left + 21 + panel_x)) $((8 + panel_y)) "$panel_colour"
# The tall calendar page below the search box, away from its texts.
calendar_colour=$(pixel "$(artwork calendar)" 5 110)
wait_until "the tall calendar page at the bottom" \
    screen_pixel_is $((left + 8 + 5)) $((424 + 110)) "$calendar_colour"
screenshot "$work/digital.png"
[ -n "$(settings_window)" ] || fail "choosing the digital clock closed the settings window"
pass "the digital clock's icon changed the sidebar: the time panel and the tall calendar page"

# --- Exit: the program ends and its icon leaves the tray -----------------------------------------

open_menu
xdotool mousemove $((menu_left + 30)) $((menu_top + menu_height - 10)) click 1  # the last: Exit
wait_until "the program to end after Exit" process_gone "$program_pid"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit status $status"
no_tray_icon() { [ -z "$(tray_icon)" ]; }
wait_until "the icon to leave the tray" no_tray_icon
[ -z "$(sidebar_window)" ] || fail "the sidebar window is still on screen"
pass "Exit ended the program with exit status 0 and the icon left the tray"
