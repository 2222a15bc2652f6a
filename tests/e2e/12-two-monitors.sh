#!/usr/bin/env bash
# The screen saver on two monitors (1280 x 1024 and 1024 x 768 beside it): a full-screen chart window
# on each, and a key over either ends the saver.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
xdotool mousemove 1500 300
start_kelo kelo
chart_windows() { xdotool search --onlyvisible --name '^SCRNSAVE KELO$' 2>/dev/null || true; }
deadline=$((SECONDS + 15))
until [ "$(chart_windows | wc -l)" = 2 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "$(chart_windows | wc -l) chart windows, not two"
  sleep 0.2
done
geometries=$(for w in $(chart_windows); do
  read -r x y width height <<<"$(window_geometry "$w")"
  echo "${width}x${height}+${x}+${y}"
done | sort | tr '\n' ' ')
[ "$geometries" = "1024x768+1280+0 1280x1024+0+0 " ] || fail "windows at $geometries"
charts_on_both_monitors
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "a chart window on each monitor (${geometries% }); a key on the right one ends it"
