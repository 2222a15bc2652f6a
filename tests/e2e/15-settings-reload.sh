#!/usr/bin/env bash
# A running screen saver follows its settings file: a saved change of the background colour is on the
# screen within 2 s, without a restart, whether an editor writes it or "kelo /c" beside the running one
# saves it, and a change that fails a check leaves the picture. Prints the times from the write and
# from the Save to the new colour in the screen's bottom right corner.
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
saver=$KELO_PID
running "$saver" || fail "the screen saver ended"
# "kelo /c" beside it opens only the dialog; its Save reaches the running screen saver (green, 2).
start_kelo editor /c
editor=$KELO_PID
wait_for_window 'Program Options' 15
sleep 1
xdotool windowfocus --sync "$WINDOW"
sleep 0.3
to_text_page
first_character_in_text 90 2
time_to_pixel "${corner[@]}" '#008000' 2 xdotool key ctrl+s
saved_after=$WAITED
quit
wait_for_exit "$editor" 5
[ "$EXIT_STATUS" = 0 ] || fail "the dialog beside the screen saver ended with status $EXIT_STATUS"
[ "$(xdotool search --onlyvisible --name '^SCRNSAVE KELO$' | wc -l)" = 1 ] || fail "not one chart window"
running "$saver" || fail "the screen saver ended with the dialog"
KELO_PID=$saver
# Placidus at 67 degrees with another colour: the latitude message, the picture as it was.
set_setting 22 67 90 4
wait_for_log kelo 'Your latitude is too high.' 1 3
dismiss_box
time_to_pixel "${corner[@]}" '#008000' 1 true
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "a new background colour on the screen $shown_after s after a write, $saved_after s after a Save in kelo /c; a refused file left the picture"
