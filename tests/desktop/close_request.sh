#!/usr/bin/env bash
# The window manager's close request (WM_DELETE_WINDOW) ends the program as Exit does: the
# window goes away and the process ends with exit status 0.
source "$(dirname "$0")/lib.sh"

start_display 1024 768
start_program
window=$(wait_for_sidebar)

"$BRIVANE_CLOSE_WINDOW" "$window" || fail "could not send the close request to $window"
wait_until "the program to end after the close request" process_gone "$program_pid"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit status $status"
[ -z "$(sidebar_window)" ] || fail "the sidebar window is still on screen"
pass "a close request ended the program with exit status 0"
