#!/usr/bin/env bash
# A second screen saver of the same user ends at once and leaves the first one running.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
start_kelo first
first=$KELO_PID
wait_for_window 'SCRNSAVE KELO' 15
start_kelo second
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "the second instance ended with status $EXIT_STATUS"
running "$first" || fail "the first instance ended too"
windows=$(xdotool search --onlyvisible --name '^SCRNSAVE KELO$' | wc -l)
[ "$windows" = 1 ] || fail "$windows chart windows"
xdotool key a
wait_for_exit "$first" 5
pass "the second instance ended at once"
