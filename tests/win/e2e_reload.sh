#!/usr/bin/env bash
# Kelo.scr /s follows its settings file while it runs: a saved change of the background colour is on
# the screen within 2 s, without a restart. Prints the time from the write to the first screenshot of
# the new picture (an upper bound: a screenshot takes a moment too).
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder reload 32=1 33=3)
start_scr "$folder" /s
saver=$SCR_PID
focus_window "SCRNSAVE KELO" "no chart window"
sleep 1
import -window root "$KELO_E2E_WORK/reload-before.png"
[ "$(main_colour "$KELO_E2E_WORK/reload-before.png")" = '#000000' ] || fail "the background is not black"
sed -i '90s/^.\{7\}/1      /' "$folder/KELO.INI"
wait_for_main_colour "$KELO_E2E_WORK/reload-after.png" '#000080' 3 ||
  fail "the saved colour is not on the screen after 3 s"
(($(echo "$WAITED" | tr -d .) <= 2000)) || fail "the saved colour took $WAITED s"
kill -0 "$saver" 2>/dev/null || fail "the screen saver ended"
xdotool key a
wait_exit "$saver" 10 || fail "a key did not end the screen saver"
echo "ok   a saved background colour on the screen after $WAITED s, the same screen saver running"
