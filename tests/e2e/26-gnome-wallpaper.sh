#!/usr/bin/env bash
# --wallpaper under GNOME's compositor, which has no background layer for programs: status 1 and one
# line that says so and what to use instead.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
unset G_MESSAGES_DEBUG
start_kelo wallpaper --wallpaper
wait_for_exit "$KELO_PID" 10
[ "$EXIT_STATUS" = 1 ] || fail "exit status $EXIT_STATUS, not 1"
[ "$(wc -l <"$CASE_DIR/wallpaper.log")" = 1 ] || fail "not one line: $(cat "$CASE_DIR/wallpaper.log")"
grep -q 'GNOME.*menu or a keyboard shortcut' "$CASE_DIR/wallpaper.log" || fail "the line names no way out"
pass "status 1 and one line: $(cat "$CASE_DIR/wallpaper.log")"
