#!/usr/bin/env bash
# Exit mode 1: a click ends the screen saver; keys and movement do not.
source "$(dirname "$0")/lib.sh"
set_setting 33 1
xdotool mousemove 5 5
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 0.5
xdotool key a Return
xdotool mousemove 300 300
sleep 0.2
xdotool mousemove 400 380
still_running "$KELO_PID" "a key or movement"
xdotool click 1
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "keys and movement ignored; a click ends it"
