#!/usr/bin/env bash
# A running screen saver follows its settings file: a saved change of the background colour shows on
# the screen within 2 s, without a restart, and a change that fails a check leaves the picture.
# Prints the time from the write to the first screenshot of the new picture (an upper bound: a
# screenshot takes a moment too).
source "$(dirname "$0")/lib.sh"
set_setting 32 1
set_setting 33 3
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 1
screenshot before >/dev/null
[ "$(main_colour before)" = '#000000' ] || fail "the background is $(main_colour before), not black"
set_setting 90 1
wait_for_main_colour after '#000080' 3
(($(echo "$WAITED" | tr -d .) <= 2000)) || fail "the new colour took $WAITED s"
running "$KELO_PID" || fail "the screen saver ended"
# Placidus at 67 degrees with another colour: the latitude message, the picture as it was.
set_setting 22 67
set_setting 90 4
wait_for_log kelo 'Your latitude is too high.' 1 3
dismiss_box
screenshot refused >/dev/null
[ "$(main_colour refused)" = '#000080' ] || fail "a refused file changed the picture to $(main_colour refused)"
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "a saved background colour shown after $WAITED s; a refused file left the picture"
