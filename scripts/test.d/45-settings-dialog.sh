#!/usr/bin/env bash
# End-to-end test of the settings form of "Program Options" (tests/e2e/09-settings-form.sh) on the
# built kelo, on two Xvfb screens of its own, 1024 x 768 and 1920 x 1080, driven by the keyboard. The
# dialog's pages are kept as screenshots in build/e2e-shots/ (dialog-<screen>-<page>.png) to be looked
# at. Takes well under a minute.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib_run.sh
run_requires "settings dialog tests" Xvfb xdotool import convert compare identify
export SHOTS=${SHOTS:-$PWD/build/e2e-shots}
mkdir -p "$SHOTS"

run_workdir kelo-e2e-form

# KELO_E2E_DISPLAY=N runs the servers on :N and :N+1; by default each takes a free number.
failed=0
for size in 1024x768 1920x1080; do
  start_display "$size"
  DISPLAY=$STARTED_DISPLAY timeout --kill-after=5 60 bash tests/e2e/09-settings-form.sh ||
    { echo "FAIL [09-settings-form on $size] (status $?)"; failed=1; }
done
if [ "$failed" != 0 ]; then
  echo "settings dialog test failed" >&2
  exit 1
fi
echo "settings dialog test passed; screenshots in $SHOTS"
