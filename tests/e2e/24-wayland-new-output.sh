#!/usr/bin/env bash
# An output added while the saver runs gets its chart within two seconds; SIGTERM ends the saver.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
set_setting 33 3
start_kelo kelo
wait_for_pictures kelo 2 10
swaymsg -q create_output
added=$(swaymsg -t get_outputs -r | grep -o '"name": "HEADLESS-[0-9]*"' | tail -1 | cut -d'"' -f4)
wait_for_pictures kelo 3 2
sleep 0.5
chart_on_output "$added" 1920x1080
kill -TERM "$KELO_PID"
ended_by_itself "$KELO_PID" "SIGTERM"
pass "the new output $added got its chart within 2 s; SIGTERM ends the saver"
