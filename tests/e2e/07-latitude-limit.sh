#!/usr/bin/env bash
# Placidus at 67 degrees: every update shows the latitude message. The first one, at start-up, fails
# too, so there is no chart to show: the window shows its background only (one colour), and the next
# minute's failed update leaves it so. Takes up to a minute, waiting for the minute mark.
source "$(dirname "$0")/lib.sh"
set_setting 22 67
set_setting 27 1
set_setting 33 3
set_setting 90 1
message='Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.'
start_kelo kelo
wait_for_log kelo "$message" 1 15
dismiss_box
wait_for_window 'SCRNSAVE KELO' 10
sleep 1
[ "$(screenshot first)" = 1 ] || fail "the screen is not one colour before any good update"
has_colour first '#000080' || fail "not the background colour 1"
# The next minute mark: the same message, over the same picture.
wait_for_log kelo "$message" 2 65
wait_for_window 'Warning!' 5
[ "$(screenshot second 150x500+0+0)" = 1 ] || fail "the picture beside the box changed"
[ "$(grep -c 'message box' "$CASE_DIR/kelo.log")" = 2 ] || fail "more than one box per minute"
dismiss_box
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "latitude message at start-up and at the minute mark; background only"
