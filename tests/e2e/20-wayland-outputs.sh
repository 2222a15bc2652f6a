#!/usr/bin/env bash
# The saver on Wayland with the layer shell (sway: 1280 x 1024, and 2048 x 1536 at scale 2): a chart on
# each output, the second drawn at its physical pixels; no pointer over them; a key ends it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
set_setting 33 3
pointer_to 1800 400
start_kelo kelo
wait_for_pictures kelo 2 10
wait_for_log kelo "at 1280,0: 1024x768 at scale 2" 1 10
sleep 0.5
chart_on_output HEADLESS-1 1280x1024
chart_on_output HEADLESS-2 2048x1536
pointer_hidden_at HEADLESS-1 400 300 400 300
pointer_hidden_at HEADLESS-2 1800 400 1040 800
type_key a
ended_by_itself "$KELO_PID" "a key"
pass "a chart on each output, the scale-2 one at 2048 x 1536 pixels, no pointer; a key ends it"
