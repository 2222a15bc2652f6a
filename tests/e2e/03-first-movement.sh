#!/usr/bin/env bash
# Exit mode 0: keys and clicks are ignored; the first pointer movement is only recorded; a bump of a few
# pixels from there goes on, a movement beyond the resting distance (10 pixels) ends the screen saver.
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
xdotool mousemove 203 198
still_running "$KELO_PID" "a bump of three pixels"
xdotool mousemove 230 200
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "first movement recorded, a bump ignored, a real movement ends it"
