#!/usr/bin/env bash
# Kelo.scr /s: the chart full screen; in exit mode 3 Shift alone goes on and a letter ends it; a
# second instance ends at once while the first runs on.
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder saver 33=3)
start_scr "$folder" /s
saver=$SCR_PID
window=$(wait_window "SCRNSAVE KELO" 60) || fail "no chart window"
sleep 3
[ "$(geometry "$window")" = "$(screen_size)" ] || fail "window $(geometry "$window") is not the screen $(screen_size)"
import -window root "$KELO_E2E_WORK/saver.png"
n=$(colours "$KELO_E2E_WORK/saver.png")
((n >= 16)) || fail "the screenshot is blank ($n colours)"
echo "ok   the chart fills the screen ($(geometry "$window"), $n colours)"

# A second instance ends at once and leaves the first alone.
start_scr "$folder" /s
wait_exit "$SCR_PID" 20 || fail "the second instance is still running"
kill -0 "$saver" 2>/dev/null || fail "the first instance ended with the second"
echo "ok   a second instance ends at once (status $EXIT_STATUS)"

# Keys and the pointer through the X server's test extension, to the window that has the focus.
window=$(wait_window "SCRNSAVE KELO" 10) || fail "the chart window went away"
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key shift
sleep 2
kill -0 "$saver" 2>/dev/null || fail "Shift alone ended the screen saver"
xdotool mousemove 10 10 mousemove 300 300 click 1
sleep 2
kill -0 "$saver" 2>/dev/null || fail "the pointer ended the screen saver in exit mode 3"
xdotool key a
wait_exit "$saver" 10 || fail "the letter A did not end the screen saver"
echo "ok   exit mode 3: Shift, movement and click go on, a letter ends it"
