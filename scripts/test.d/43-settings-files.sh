#!/usr/bin/env bash
# End-to-end: settings files as other editors save them, through the Linux settings editor (the cases
# tests/e2e/14-unicode-settings.sh), on an Xvfb display of their own.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib_run.sh
run_requires "settings-file tests" Xvfb xdotool iconv
run_workdir kelo-settings-files
start_display 1024x768
export DISPLAY=$STARTED_DISPLAY
failed=0
for c in tests/e2e/14-unicode-settings.sh; do
  timeout --kill-after=5 40 bash "$c" || { echo "FAIL [$(basename "$c" .sh)] (status $?)"; failed=1; }
done
[ "$failed" = 0 ] && echo "settings-file tests passed"
exit "$failed"
