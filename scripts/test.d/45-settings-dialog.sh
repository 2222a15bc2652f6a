#!/usr/bin/env bash
# End-to-end test of the settings form of "Program Options" (tests/e2e/09-settings-form.sh) on the
# built kelo, on two Xvfb screens of its own, 1024 x 768 and 1920 x 1080, driven by the keyboard. The
# dialog's pages are kept as screenshots in build/e2e-shots/ (dialog-<screen>-<page>.png) to be looked
# at. Takes well under a minute.
set -euo pipefail
cd "$(dirname "$0")/../.."
export KELO_BIN_DIR=${KELO_BIN_DIR:-$PWD/build/bin}
if [ ! -x "$KELO_BIN_DIR/kelo" ]; then
  echo "kelo is not built (no GTK 3 found): settings dialog test skipped"
  exit 0
fi
for tool in Xvfb xdotool import convert compare identify; do
  command -v "$tool" >/dev/null || { echo "the settings dialog test needs $tool" >&2; exit 1; }
done
export SHOTS=${SHOTS:-$PWD/build/e2e-shots}
mkdir -p "$SHOTS"

work=$(mktemp -d "${TMPDIR:-/tmp}/kelo-e2e-form.XXXXXX")
servers=()
finish() {
  local pid
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT

# KELO_E2E_DISPLAY=N runs the servers on :N and :N+1; by default each takes a free number.
failed=0
number=${KELO_E2E_DISPLAY:-}
for size in 1024x768 1920x1080; do
  file=$work/display.$size
  if [ -n "$number" ]; then
    Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset >"$work/xvfb.$size.log" 2>&1 &
    servers+=($!)
    ( sleep 1; echo "$number" >"$file" ) &
    number=$((number + 1))
  else
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$file" >"$work/xvfb.$size.log" 2>&1 &
    servers+=($!)
  fi
  waited=0
  until [ -s "$file" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.$size.log" >&2; exit 1; }
  done
  DISPLAY=":$(head -1 "$file")" timeout --kill-after=5 60 bash tests/e2e/09-settings-form.sh ||
    { echo "FAIL [09-settings-form on $size] (status $?)"; failed=1; }
done
if [ "$failed" != 0 ]; then
  echo "settings dialog test failed" >&2
  exit 1
fi
echo "settings dialog test passed; screenshots in $SHOTS"
