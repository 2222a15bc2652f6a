#!/usr/bin/env bash
# End-to-end tests of the Linux screen saver: the built kelo on Xvfb displays of its own, driven by
# xdotool, watched with ImageMagick (tests/e2e/*.sh). The latitude case waits for a minute mark, so it
# runs on a second display (1920 x 1080) beside the others (1024 x 768); the full-screen case runs on
# both. Every case has its own copy of the program folder and a time limit.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib_run.sh
run_requires "end-to-end tests" Xvfb xdotool import convert identify
run_workdir kelo-e2e-run

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
         06-options-editor 08-missing-settings 15-settings-reload 17-wallpaper-at-login; do
  run_case "$small" 40 "$c" || failed=1
done
wait "$large_job" || failed=1
cat "$work/large.out"
if [ "$failed" != 0 ]; then
  echo "end-to-end tests failed" >&2
  exit 1
fi
echo "end-to-end tests passed"
