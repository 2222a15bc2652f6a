#!/usr/bin/env bash
# Kelo.scr /s follows its settings file while it runs: a saved change of the background colour is on
# the screen within 2 s, without a restart. Prints the time from the write to the new colour in the
# screen's bottom right corner.
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder reload 32=1 33=3)
start_scr "$folder" /s
saver=$SCR_PID
focus_window "SCRNSAVE KELO" "no chart window"
sleep 1
read -r w h <<<"$(screen_size | tr x ' ')"
corner=("$((w - 2))" "$((h - 2))")
time_to_pixel "${corner[@]}" '#000000' 5 true
time_to_pixel "${corner[@]}" '#000080' 2 sed -i '90s/^.\{7\}/1      /' "$folder/KELO.INI"
kill -0 "$saver" 2>/dev/null || fail "the screen saver ended"
xdotool key a
wait_exit "$saver" 10 || fail "a key did not end the screen saver"
echo "ok   a saved background colour on the screen $WAITED s after the write, the same screen saver running"
