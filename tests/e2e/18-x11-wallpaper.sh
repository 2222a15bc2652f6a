#!/usr/bin/env bash
# The wallpaper on X11 (two monitors): one desktop window per monitor, covering it, below the others, on
# every desktop and in no task list; the saver over it ends on a key, the wallpaper on SIGTERM.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
start_kelo wallpaper --wallpaper
wallpaper=$KELO_PID
walls() { xdotool search --onlyvisible --name '^Kelo wallpaper$' 2>/dev/null || true; }
deadline=$((SECONDS + 15))
until [ "$(walls | wc -l)" = 2 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "$(walls | wc -l) wallpaper windows, not two"
  sleep 0.2
done
geometries=$(for w in $(walls); do
  read -r x y width height <<<"$(window_geometry "$w")"
  echo "${width}x${height}+${x}+${y}"
  xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_DESKTOP' || fail "window $w is not of desktop type"
  state=$(xprop -id "$w" _NET_WM_STATE)
  for s in BELOW SKIP_TASKBAR SKIP_PAGER STICKY; do
    grep -q "_NET_WM_STATE_$s" <<<"$state" || fail "window $w lacks _NET_WM_STATE_$s: $state"
  done
done | sort | tr '\n' ' ')
[ "$geometries" = "1024x768+1280+0 1280x1024+0+0 " ] || fail "wallpaper windows at $geometries"
charts_on_both_monitors
xdotool mousemove 300 300 key a
still_running "$wallpaper" "a key and a movement"
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 1
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "the saver's exit status $EXIT_STATUS"
still_running "$wallpaper" "the end of the saver"
kill -TERM "$wallpaper"
wait_for_exit "$wallpaper" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after SIGTERM"
pass "a desktop window on each monitor (${geometries% }); the saver over it; SIGTERM ends it"
