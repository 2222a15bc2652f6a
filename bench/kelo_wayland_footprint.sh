#!/usr/bin/env bash
# The saver on Wayland (sway on its headless backend, as scripts/test.d/46-wayland.sh runs it): the time
# from its start to the first chart on every output, its resident memory with one and with two outputs
# of a size (the difference is what one more output costs), and its CPU time over a stretch of running.
#   bench/kelo_wayland_footprint.sh [BIN_DIR] [SECONDS]     (defaults: build/bin 120)
# Root is needed (sway runs as the unprivileged user kelo-saver). Goal: the first chart on every output
# within 300 ms of the start (on a busy machine the CPU time used by then says more than the clock).
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
seconds=${2:-120}
cd "$(dirname "$0")/.."
source tests/e2e/lib_run.sh
export KELO_BIN_DIR=$bin
unprivileged_user
run_workdir kelo-wayland-bench
cp "$bin/kelo" "$bin/KELO.INI" "$bin/glypha.ttf" "$work/"
mkdir -m 700 "$work/runtime"

# run_saver: kelo started from its folder; KELO_PID, its trace in kelo.log, the start in START_MS.
run_saver() {
  START_MS=$(date +%s%3N)
  (cd "$work" && XDG_RUNTIME_DIR=$work/runtime GDK_BACKEND=wayland G_MESSAGES_DEBUG=kelo exec ./kelo) \
    >"$work/kelo.log" 2>&1 &
  KELO_PID=$!
}

# wait_pictures COUNT: until the trace shows the first picture on COUNT outputs (at most 10 s).
wait_pictures() {
  for _ in $(seq 100); do
    [ "$(grep -c 'picture shown' "$work/kelo.log" || true)" -ge "$1" ] && return
    sleep 0.1
  done
  echo "no picture on $1 outputs" >&2
  exit 1
}

rss_kb() { awk '/VmRSS/ { print $2 }' "/proc/$KELO_PID/status"; }
cpu() { awk '{ print $14 + $15 }' "/proc/$KELO_PID/stat"; }  # clock ticks of user and system time

# measure OUTPUTS MODE [SCALE]: a sway of OUTPUTS outputs at MODE; prints the start-up times and memory.
measure() {
  local outputs=$1 mode=$2 scale=${3:-1} config="" i first last
  for i in $(seq "$outputs"); do config+="output HEADLESS-$i resolution $mode scale $scale"$'\n'; done
  KELO_SWAY_OUTPUTS=$outputs start_sway "$config"
  run_saver
  wait_pictures "$outputs"
  local cpu_ms=$(($(cpu) * 1000 / $(getconf CLK_TCK)))
  sleep 3
  first=$(grep 'picture shown' "$work/kelo.log" | head -1 | grep -o 'clock [0-9]*' | cut -d' ' -f2)
  last=$(grep 'picture shown' "$work/kelo.log" | head -"$outputs" | tail -1 | grep -o 'clock [0-9]*' | cut -d' ' -f2)
  echo "$outputs x $mode at scale $scale: first chart $((first - START_MS)) ms, on every output" \
    "$((last - START_MS)) ms after the start, $cpu_ms ms of CPU by then; resident $(rss_kb) kB"
  if [ "$scale" != 1 ]; then
    echo "   at scale $scale on every output $(( $(grep "at scale $scale" "$work/kelo.log" | sed -n "${outputs}p" |
      grep -o 'clock [0-9]*' | cut -d' ' -f2) - START_MS)) ms after the start"
  fi
  kill "$KELO_PID"
  wait "$KELO_PID" 2>/dev/null || true
  stop_servers
}

for mode in "1920x1080 1" "3840x2160 2"; do
  read -r size scale <<<"$mode"
  measure 1 "$size" "$scale"
  measure 2 "$size" "$scale"
done

# CPU: two outputs of 1920x1080, over the stretch.
KELO_SWAY_OUTPUTS=2 start_sway "output HEADLESS-1 resolution 1920x1080
output HEADLESS-2 resolution 1920x1080"
run_saver
wait_pictures 2
sleep 5
c0=$(cpu)
t0=$(date +%s.%N)
sleep "$seconds"
c1=$(cpu)
t1=$(date +%s.%N)
awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" 'BEGIN {
  printf "CPU %.2f s in %.1f s: %.1f s per hour, %.3f %% of one core\n", c / hz, t1 - t0,
         3600 * c / hz / (t1 - t0), 100 * c / hz / (t1 - t0) }'
kill "$KELO_PID"
