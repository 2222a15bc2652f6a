#!/usr/bin/env bash
# Resident memory of the running programs on X11 (Xvfb, no window manager): the saver, the wallpaper and
# the hack (as XScreenSaver runs it, one per monitor: --root on a screen of one monitor), on one monitor
# of SIZE and on two of SIZE side by side (one screen split with "xrandr --setmonitor"). Each case runs
# RUNS times; for each it prints min, median and max of VmRSS after SECONDS and of the peak that
# /usr/bin/time -v reports at the end, and where the last run's memory was (/proc/PID/smaps_rollup).
#   bench/kelo_memory.sh [BIN_DIR] [RUNS] [SIZE] [SECONDS]     (defaults: build/bin 5 1920x1080 8)
# (more than a minute of SECONDS takes in the repaint at the minute mark)
# Goal: the saver at most 30 MB resident on one monitor of 1920x1080.
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
runs=${2:-5}
size=${3:-1920x1080}
settle=${4:-8}
width=${size%x*}
height=${size#*x}
work=$(mktemp -d)
cp "$bin/kelo" "$bin/KELO.INI" "$bin/glypha.ttf" "$work/"
mkdir -m 700 "$work/runtime"
xvfb=
kelo=
trap 'kill $kelo $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

# start_screen WIDTH MONITORS: an Xvfb screen of MONITORS monitors of SIZE side by side.
start_screen() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "$((width * $2))x${height}x24" -nolisten tcp -noreset 3>"$work/display" \
    >/dev/null 2>&1 &
  xvfb=$!
  until [ -s "$work/display" ]; do sleep 0.1; done
  export DISPLAY=:$(head -1 "$work/display")
  if [ "$2" = 2 ]; then
    xrandr --setmonitor kelo-left "$width/508x$height/286+0+0" screen >/dev/null
    xrandr --setmonitor kelo-right "$width/508x$height/286+$width+0" none >/dev/null
  fi
}

# one_run MONITORS ARGS...: kelo ARGS on a fresh screen; "rss peak" in kB on standard output.
one_run() {
  local monitors=$1
  shift
  start_screen "$width" "$monitors"
  (cd "$work" && XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus \
    exec /usr/bin/time -v -o "$work/time.txt" ./kelo "$@") >"$work/kelo.log" 2>&1 &
  local timer=$!
  sleep "$settle"
  kelo=$(pgrep -P "$timer" -x kelo)
  local rss
  rss=$(awk '/VmRSS/ { print $2 }' "/proc/$kelo/status")
  cp "/proc/$kelo/smaps_rollup" "$work/smaps_rollup"
  pmap -x "$kelo" | sort -k3 -n -r | head -12 >"$work/pmap.txt"
  kill "$kelo"
  wait "$timer" || true
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  echo "$rss $(awk -F': ' '/Maximum resident/ { print $2 }' "$work/time.txt")"
}

# stats VALUES...: min median max of the values, in MB.
stats() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
    printf "min %.1f  median %.1f  max %.1f MB", v[1] / 1024, v[int((NR + 1) / 2)] / 1024, v[NR] / 1024 }'
}

# measure NAME MONITORS ARGS...
measure() {
  local name=$1 monitors=$2 rss=() peak=() r p
  shift 2
  for _ in $(seq "$runs"); do
    read -r r p <<<"$(one_run "$monitors" "$@")"
    rss+=("$r")
    peak+=("$p")
  done
  echo "$name, $monitors x $size: resident after $settle s $(stats "${rss[@]}"); peak $(stats "${peak[@]}")"
  grep -E '^(Rss|Pss_Anon|Pss_File|Pss_Shmem|Anonymous|Shared_Clean|Private_Clean|Private_Dirty)' \
    "$work/smaps_rollup" | tr -s ' ' | sed 's/^/     /' | paste -sd ' '
  [ -n "${KELO_MEMORY_PMAP:-}" ] && sed 's/^/     /' "$work/pmap.txt"
  return 0
}

measure saver 1
measure saver 2
measure wallpaper 1 --wallpaper
measure wallpaper 2 --wallpaper
measure "hack (--root)" 1 --root
