#!/usr/bin/env bash
# End-to-end: settings files as other editors save them, through the Linux settings editor (the cases
# tests/e2e/14-unicode-settings.sh), on an Xvfb display of their own.
set -euo pipefail
cd "$(dirname "$0")/../.."
export KELO_BIN_DIR=${KELO_BIN_DIR:-$PWD/build/bin}
if [ ! -x "$KELO_BIN_DIR/kelo" ]; then
  echo "kelo is not built (no GTK 3 found): settings-file tests skipped"
  exit 0
fi
for tool in Xvfb xdotool iconv; do
  command -v "$tool" >/dev/null || { echo "settings-file tests need $tool" >&2; exit 1; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/kelo-settings-files.XXXXXX")
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
failed=0
for c in tests/e2e/14-unicode-settings.sh; do
  timeout --kill-after=5 40 bash "$c" || { echo "FAIL [$(basename "$c" .sh)] (status $?)"; failed=1; }
done
[ "$failed" = 0 ] && echo "settings-file tests passed"
exit "$failed"
