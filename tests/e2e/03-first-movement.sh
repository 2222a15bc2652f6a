#!/usr/bin/env bash
# Exit mode 0: keys and clicks are ignored; the first pointer movement is only recorded, the second ends
# the screen saver.
source "$(dirname "$0")/lib.sh"
set_setting 33 0
xdotool mousemove 5 5
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 0.5
xdotool key a
xdotool click 1
still_running "$KELO_PID" "a key or a click"
xdotool mousemove 200 200
still_running "$KELO_PID" "the first movement"
xdotool mousemove 201 200
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "first movement recorded, second (one pixel) ends it"
