#!/usr/bin/env bash
# Without KELO.INI the program says "KELO.INI File Not Found", with the path it looked for on a second
# line, and ends with a failure status.
source "$(dirname "$0")/lib.sh"
rm "$SETTINGS"
start_kelo kelo
wait_for_log kelo 'KELO.INI File Not Found' 1 15
grep -qF -- "$SETTINGS" "$CASE_DIR/kelo.log" || fail "the message does not name $SETTINGS"
dismiss_box
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" != 0 ] || fail "exit status 0"
xdotool search --onlyvisible --name '^SCRNSAVE KELO$' >/dev/null 2>&1 && fail "a chart window appeared"
pass "message shown, exit status $EXIT_STATUS"
