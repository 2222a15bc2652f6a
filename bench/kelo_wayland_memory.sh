#!/usr/bin/env bash
# Resident memory of the saver and the wallpaper on Wayland (sway on its headless backend, as
# scripts/test.d/46-wayland.sh runs it), on one output of 1920x1080 and on two: min, median and max of
# VmRSS over RUNS runs, read SECONDS after the first chart is on every output, and where the last run's
# memory was (/proc/PID/smaps_rollup).
#   bench/kelo_wayland_memory.sh [BIN_DIR] [RUNS] [SECONDS]     (defaults: build/bin 5 8)
# Root is needed (sway runs as the unprivileged user kelo-saver).
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
runs=${2:-5}
seconds=${3:-8}
cd "$(dirname "$0")/.."
source tests/e2e/lib_run.sh
export KELO_BIN_DIR=$bin
unprivileged_user
run_workdir kelo-wayland-memory
cp "$bin/kelo" "$bin/KELO.INI" "$bin/glypha.ttf" "$work/"
mkdir -m 700 "$work/runtime"

# one_run OUTPUTS ARGS...: kelo ARGS on a fresh sway; its VmRSS in kB on standard output.
one_run() {
  local outputs=$1 config="" i kelo rss
  shift
  for i in $(seq "$outputs"); do config+="output HEADLESS-$i resolution 1920x1080"$'\n'; done
  KELO_SWAY_OUTPUTS=$outputs start_sway "$config" >/dev/null
  (cd "$work" && XDG_RUNTIME_DIR=$work/runtime GDK_BACKEND=wayland G_MESSAGES_DEBUG=kelo exec ./kelo "$@") \
    >"$work/kelo.log" 2>&1 &
  kelo=$!
  for _ in $(seq 100); do
    [ "$(grep -c 'picture shown' "$work/kelo.log" || true)" -ge "$outputs" ] && break
    sleep 0.1
  done
  sleep "$seconds"
  rss=$(awk '/VmRSS/ { print $2 }' "/proc/$kelo/status")
  cp "/proc/$kelo/smaps_rollup" "$work/smaps_rollup"
  kill "$kelo"
  wait "$kelo" 2>/dev/null || true
  stop_servers
  echo "$rss"
}

stats() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
    printf "min %.1f  median %.1f  max %.1f MB", v[1] / 1024, v[int((NR + 1) / 2)] / 1024, v[NR] / 1024 }'
}

# measure NAME OUTPUTS ARGS...
measure() {
  local name=$1 outputs=$2 rss=()
  shift 2
  for _ in $(seq "$runs"); do rss+=("$(one_run "$outputs" "$@")"); done
  echo "$name, $outputs x 1920x1080: resident after $seconds s $(stats "${rss[@]}")"
  grep -E '^(Rss|Pss_Anon|Pss_File|Pss_Shmem|Anonymous|Shared_Clean|Private_Clean|Private_Dirty)' \
    "$work/smaps_rollup" | tr -s ' ' | sed 's/^/     /' | paste -sd ' '
}

measure saver 1
measure saver 2
measure wallpaper 1 --wallpaper
measure wallpaper 2 --wallpaper
