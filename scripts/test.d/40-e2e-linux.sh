#!/usr/bin/env bash
# End-to-end tests of the Linux screen saver: the built kelo on Xvfb displays of its own, driven by
# xdotool, watched with ImageMagick (tests/e2e/*.sh). The latitude case waits for a minute mark, so it
# runs on a second display (1920 x 1080) beside the others (1024 x 768); the full-screen case runs on
# both. Every case has its own copy of the program folder and a time limit.
set -euo pipefail
cd "$(dirname "$0")/../.."
export KELO_BIN_DIR=${KELO_BIN_DIR:-$PWD/build/bin}
if [ ! -x "$KELO_BIN_DIR/kelo" ]; then
  echo "kelo is not built (no GTK 3 found): end-to-end tests skipped"
  exit 0
fi
for tool in Xvfb xdotool import convert identify; do
  command -v "$tool" >/dev/null || { echo "end-to-end tests need $tool" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kelo-e2e-run.XXXXXX")
servers=()
finish() {
  local pid
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT

# start_display SIZE: an Xvfb on a free display number, ":N" in STARTED_DISPLAY (not run in a
# subshell, so that the server is in the list the exit stops). -noreset: without it the server resets
# whenever its last client leaves, between two cases, and a program connecting just then is refused.
start_display() {
  local file=$work/display.$1
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$file" >"$work/xvfb.$1.log" 2>&1 &
  servers+=($!)
  local waited=0
  until [ -s "$file" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.$1.log" >&2; exit 1; }
  done
  STARTED_DISPLAY=":$(head -1 "$file")"
}

start_display 1024x768
small=$STARTED_DISPLAY
start_display 1920x1080
large=$STARTED_DISPLAY

# run_case DISPLAY SECONDS CASE
run_case() {
  DISPLAY=$1 timeout --kill-after=5 "$2" bash "tests/e2e/$3.sh" || { echo "FAIL [$3] (status $?)"; return 1; }
}

# The minute-mark case and the large screen in the background...
( run_case "$large" 100 07-latitude-limit && run_case "$large" 40 01-fullscreen-chart ) >"$work/large.out" 2>&1 &
large_job=$!

# ...the others in turn on the small one.
failed=0
for c in 01-fullscreen-chart 02-key-exit 03-first-movement 04-click-exit 05-second-instance \
         06-options-editor 08-missing-settings; do
  run_case "$small" 40 "$c" || failed=1
done
wait "$large_job" || failed=1
cat "$work/large.out"
if [ "$failed" != 0 ]; then
  echo "end-to-end tests failed" >&2
  exit 1
fi
echo "end-to-end tests passed"
