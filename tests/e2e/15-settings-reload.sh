#!/usr/bin/env bash
# A running screen saver follows its settings file: a saved change of the background colour is on the
# screen within 2 s, without a restart, and a change that fails a check leaves the picture. Prints the
# time from the write to the new colour in the screen's bottom right corner.
source "$(dirname "$0")/lib.sh"
set_setting 32 1
set_setting 33 3
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 1
read -r w h <<<"$(screen_size | tr x ' ')"
corner=("$((w - 2))" "$((h - 2))")
time_to_pixel "${corner[@]}" '#000000' 5 true
time_to_pixel "${corner[@]}" '#000080' 2 set_setting 90 1
shown_after=$WAITED
running "$KELO_PID" || fail "the screen saver ended"
# Placidus at 67 degrees with another colour: the latitude message, the picture as it was.
set_setting 22 67 90 4
wait_for_log kelo 'Your latitude is too high.' 1 3
dismiss_box
time_to_pixel "${corner[@]}" '#000080' 1 true
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "a saved background colour on the screen $shown_after s after the write; a refused file left the picture"
