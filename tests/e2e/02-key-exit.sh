#!/usr/bin/env bash
# Exit mode 3: a character key ends the screen saver; Shift alone, arrows, clicks and movement do not.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
xdotool mousemove 5 5
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 0.5
xdotool key Shift_L
still_running "$KELO_PID" "Shift alone"
xdotool key Left F5
still_running "$KELO_PID" "an arrow key and a function key"
xdotool mousemove 300 300
sleep 0.2
xdotool mousemove 320 340 click 1
still_running "$KELO_PID" "movement and a click"
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "Shift, arrows, movement and clicks ignored; A ends it"
