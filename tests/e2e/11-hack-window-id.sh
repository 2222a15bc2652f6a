#!/usr/bin/env bash
# kelo --window-id: the chart in another program's 400 x 300 window (xev's), drawn again at a new
# size; the window's end ends kelo. SIGTERM ends it within a second. A failed settings check writes
# its message once to standard error and shows it in the window.
source "$(dirname "$0")/lib.sh"

# host NAME: a 400 x 300 window of xev at (100, 100); its id in WINDOW.
host() {
  xev -geometry 400x300+100+100 -name "$1" >/dev/null 2>&1 &
  STARTED_PIDS+=("$!")
  wait_for_window "$1" 10
}

host kelo-host-1
start_kelo kelo --window-id "$(printf '0x%x' "$WINDOW")"
wait_for_log kelo "first picture shown" 1 10
sleep 0.3
colours=$(screenshot small 400x300+100+100)
[ "$colours" -ge 50 ] || fail "the window shows $colours colours, not a chart"

# A larger window: the chart is drawn again, centred at the new size, also where the window grew.
xdotool windowsize "$WINDOW" 640 480
sleep 1
colours=$(screenshot grown 240x480+500+100)
[ "$colours" -ge 20 ] || fail "the part the window grew by shows $colours colours, not the chart"

# The window goes (its program ends): so does kelo.
xdotool windowkill "$WINDOW"
wait_for_exit "$KELO_PID" 2
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after the window went"

# A failed check: the latitude message over the background, once on standard error; then SIGTERM.
set_setting 22 67
set_setting 27 1
host kelo-host-2
start_kelo failed --window-id "$WINDOW"
wait_for_log failed "first picture shown" 1 10
sleep 0.3
screenshot notice 400x300+100+100 >/dev/null
has_colour notice '#FFFFFF' || fail "no message in the information text's colour"
[ "$(grep -c 'kelo: Your latitude is too high' "$CASE_DIR/failed.log")" = 1 ] || fail "the message not once on stderr"
signalled=$(($(date +%s%N) / 1000000))
kill -TERM "$KELO_PID"
wait_for_exit "$KELO_PID" 2
ended=$(($(date +%s%N) / 1000000 - signalled))
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after SIGTERM"
[ "$ended" -lt 1000 ] || fail "SIGTERM took ${ended} ms"
pass "drawn, drawn again at 640x480, ended with its window; latitude message shown; SIGTERM to exit ${ended} ms"
