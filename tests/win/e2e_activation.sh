#!/usr/bin/env bash
# Kelo.scr /s ends when another program's window takes the activation, whatever the exit mode (here
# 3: a key only), as the system's screen savers do.
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder activation 33=3)
cp "$KELO_WIN_BIN/preview_host.exe" "$folder/"
start_scr "$folder" /s
saver=$SCR_PID
focus_window "SCRNSAVE KELO" "no chart window"
sleep 1
kill -0 "$saver" 2>/dev/null || fail "the screen saver ended before anything happened"

# Another program opens its window and the user turns to it.
(cd "$folder" && exec "$WINE" preview_host.exe 30 200 150 </dev/null >"$folder/host.out" 2>/dev/null) &
STARTED_PIDS+=("$!")
host=$(wait_window "Kelo preview host" 60) || fail "no window of the other program"
xdotool windowactivate "$host" 2>/dev/null || xdotool windowfocus "$host" 2>/dev/null || true
wait_exit "$saver" 10 || fail "the screen saver went on under another program's window"
echo "ok   another program's window took the activation: the screen saver ended (status $EXIT_STATUS)"
