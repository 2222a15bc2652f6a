#!/usr/bin/env bash
# Monitors that come and go under the X11 saver: a monitor set with "xrandr --setmonitor" (which sends
# no event) gets its window within 2 s, and loses it when deleted.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
start_kelo kelo
chart_windows() { xdotool search --onlyvisible --name '^SCRNSAVE KELO$' 2>/dev/null || true; }
# wait_for_windows COUNT SECONDS
wait_for_windows() {
  local deadline=$((SECONDS + $2))
  until [ "$(chart_windows | wc -l)" = "$1" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$(chart_windows | wc -l) chart windows, not $1"
    sleep 0.1
  done
}
wait_for_windows 2 15
trap 'xrandr --delmonitor kelo-extra >/dev/null 2>&1 || true; cleanup' EXIT
xrandr --setmonitor kelo-extra 512/135x256/68+1280+768 none >/dev/null
wait_for_windows 3 2
extra=$(for w in $(chart_windows); do
  read -r x y width height <<<"$(window_geometry "$w")"
  echo "${width}x${height}+${x}+${y}"
done | grep -c '^512x256+1280+768$' || true)
[ "$extra" = 1 ] || fail "no window on the new monitor"
xrandr --delmonitor kelo-extra >/dev/null
wait_for_windows 2 2
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "the monitor set by xrandr got its window within 2 s and lost it when deleted"
