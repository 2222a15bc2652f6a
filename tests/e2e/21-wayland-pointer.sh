#!/usr/bin/env bash
# Exit mode 0 on Wayland: keys are ignored, the first pointer movement (over the scale-2 output) is only
# recorded, a bump of a few pixels goes on, a real movement ends the saver.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
set_setting 33 0
pointer_to 1800 400
start_kelo kelo
wait_for_pictures kelo 2 10
sleep 0.5
type_key a
still_running "$KELO_PID" "a key"
pointer_by 1 1
still_running "$KELO_PID" "the first movement"
pointer_by 3 -2
still_running "$KELO_PID" "a bump of three pixels"
pointer_by 40 0
ended_by_itself "$KELO_PID" "a movement of 40 pixels"
pass "first movement recorded, a key and a bump ignored, a real movement ends it"
