#!/usr/bin/env bash
# End-to-end tests of kelo as a screen-saver hack and of the saver on two monitors: one Xvfb screen of
# 2304 x 1024 split by RandR into monitors of 1280 x 1024 and 1024 x 768 side by side. The daemon case
# runs the real XScreenSaver, which refuses to run hacks as root: it runs as the unprivileged user
# kelo-saver, made here once (and kept).
set -euo pipefail
cd "$(dirname "$0")/../.."
export KELO_BIN_DIR=${KELO_BIN_DIR:-$PWD/build/bin}
if [ ! -x "$KELO_BIN_DIR/kelo" ]; then
  echo "kelo is not built (no GTK 3 found): hack tests skipped"
  exit 0
fi
for tool in Xvfb xrandr xdotool xev import convert identify xscreensaver xscreensaver-command runuser; do
  command -v "$tool" >/dev/null || { echo "hack tests need $tool" >&2; exit 1; }
done

export KELO_SAVER_USER=kelo-saver
if [ "$(id -u)" = 0 ] && ! id -u "$KELO_SAVER_USER" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/sh "$KELO_SAVER_USER"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kelo-hack-run.XXXXXX")
server=
finish() {
  if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

# The display: a number of the caller's choice (KELO_HACK_DISPLAY=N), else the first free one.
if [ -n "${KELO_HACK_DISPLAY:-}" ]; then
  Xvfb ":$KELO_HACK_DISPLAY" -screen 0 2304x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  server=$!
  echo "$KELO_HACK_DISPLAY" >"$work/display"
else
  Xvfb -displayfd 3 -screen 0 2304x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  server=$!
fi
export DISPLAY
for _ in $(seq 100); do
  DISPLAY=":$(head -1 "$work/display" 2>/dev/null)"
  [ "$DISPLAY" != ":" ] && xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
xrandr --setmonitor kelo-left 1280/338x1024/270+0+0 screen >/dev/null
xrandr --setmonitor kelo-right 1024/270x768/203+1280+0 none >/dev/null

failed=0
run_case() {
  timeout --kill-after=5 "$1" bash "tests/e2e/$2.sh" || { echo "FAIL [$2] (status $?)"; failed=1; }
}
# The daemon runs as another user: that takes root (as in CI).
if [ "$(id -u)" = 0 ]; then
  run_case 60 10-hack-daemon
else
  echo "skip [10-hack-daemon]: running XScreenSaver as $KELO_SAVER_USER needs root"
fi
run_case 40 11-hack-window-id
run_case 40 12-two-monitors
# The installed tree, into a prefix of this run.
export KELO_PREFIX=$work/prefix
cmake --install "${KELO_BUILD_DIR:-build}" --prefix "$KELO_PREFIX" >"$work/install.log"
run_case 40 13-installed-hack
if [ "$failed" != 0 ]; then
  echo "hack tests failed" >&2
  exit 1
fi
echo "hack tests passed"
