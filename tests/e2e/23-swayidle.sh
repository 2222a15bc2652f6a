#!/usr/bin/env bash
# The saver started on idle by swayidle, with the line of the README (a timeout of 1 s instead of 300):
# it covers both outputs and a key ends it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
set_setting 33 3
(cd "$PROGRAM_DIR" && PATH=$PROGRAM_DIR:$PATH exec swayidle -w timeout 1 'kelo') >"$CASE_DIR/kelo.log" 2>&1 &
idle=$!
STARTED_PIDS+=("$idle")
wait_for_pictures kelo 2 15
saver=$(pgrep -x kelo -P "$idle" || pgrep -x kelo -P "$(pgrep -P "$idle" | head -1)")
# No second start once the saver ends: swayidle stops first.
kill "$idle"
type_key a
deadline=$((SECONDS + 5))
while running "$saver"; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the saver still runs after a key"
  sleep 0.1
done
pass "swayidle -w timeout 1 'kelo' starts the chart on both outputs; a key ends it"
