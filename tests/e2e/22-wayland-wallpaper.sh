#!/usr/bin/env bash
# The wallpaper on the background layer of every output: beneath a normal window, alive after keys and
# pointer movements; the saver starts over it and a key ends the saver as usual; SIGTERM ends it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
set_setting 33 3
start_kelo wallpaper --wallpaper
wallpaper=$KELO_PID
wait_for_pictures wallpaper 2 10
sleep 0.5
chart_on_output HEADLESS-1 1280x1024
chart_on_output HEADLESS-2 2048x1536
# A normal window over it (floating, by the compositor's rule), then keys and movements.
on_sway foot sh -c 'sleep 60' >"$CASE_DIR/foot.log" 2>&1 &
STARTED_PIDS+=($!)
sleep 1.5
output_shot under-a-window HEADLESS-1 >/dev/null
has_colour under-a-window '#FFFF00' || fail "no chart around the window"
# The pointer is left alone: it shows over the wallpaper.
if (pointer_hidden_at HEADLESS-1 1000 800 1000 800) >/dev/null 2>&1; then fail "no pointer over the wallpaper"; fi
type_key a
pointer_to 300 300
pointer_by 60 40
still_running "$wallpaper" "keys and pointer movements"
start_kelo kelo
wait_for_pictures kelo 2 10
sleep 0.5
type_key a
ended_by_itself "$KELO_PID" "a key, over the wallpaper"
still_running "$wallpaper" "the end of the saver"
kill -TERM "$wallpaper"
ended_by_itself "$wallpaper" "SIGTERM"
pass "the chart beneath a window on both outputs, untouched by input; the saver over it ends on a key"
