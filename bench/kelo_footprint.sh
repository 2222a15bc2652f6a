#!/usr/bin/env bash
# Footprint of the running screen saver: resident memory (VmRSS, VmHWM) and the CPU time it uses over a
# stretch of running (utime + stime from /proc/PID/stat), on an Xvfb screen of the given size.
#   bench/kelo_footprint.sh [BIN_DIR] [WIDTHxHEIGHT] [SECONDS]     (defaults: build/bin 1024x768 120)
# Targets: at most 60 MB resident, at most 0.5 % of one core.
set -euo pipefail
bin=${1:-build/bin}
size=${2:-1024x768}
seconds=${3:-120}
work=$(mktemp -d)
cp "$bin/kelo" "$bin/KELO.INI" "$bin/glypha.ttf" "$work/"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") XDG_RUNTIME_DIR=$work
(cd "$work" && exec ./kelo) >"$work/kelo.log" 2>&1 &
kelo=$!
trap 'kill $kelo $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 5
cpu() { awk '{print $14 + $15}' "/proc/$kelo/stat"; }
c0=$(cpu)
t0=$(date +%s.%N)
sleep "$seconds"
c1=$(cpu)
t1=$(date +%s.%N)
hz=$(getconf CLK_TCK)
grep -E 'VmRSS|VmHWM' "/proc/$kelo/status" | tr -s ' \t' ' '
awk -v c="$((c1 - c0))" -v hz="$hz" -v t0="$t0" -v t1="$t1" \
  'BEGIN { printf "CPU %.2f s in %.1f s: %.3f %% of one core\n", c / hz, t1 - t0, 100 * c / hz / (t1 - t0) }'
