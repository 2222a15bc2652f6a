#!/usr/bin/env bash
# End-to-end tests of kelo as a screen-saver hack, and of the saver and the wallpaper on two monitors
# (and a third that comes and goes): one Xvfb screen of 2304 x 1024 split by RandR into monitors of
# 1280 x 1024 and 1024 x 768 side by side. The daemon case
# runs the real XScreenSaver, which refuses to run hacks as root: it runs as the unprivileged user
# kelo-saver, made here once (and kept).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib_run.sh
run_requires "hack tests" Xvfb xrandr xdotool xev import convert identify xscreensaver xscreensaver-command runuser

unprivileged_user

run_workdir kelo-hack-run
# The display: a number of the caller's choice (KELO_HACK_DISPLAY=N), else the first free one.
start_display 2304x1024 "${KELO_HACK_DISPLAY:-}"
export DISPLAY=$STARTED_DISPLAY
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
run_case 40 18-x11-wallpaper
run_case 40 19-monitor-added
# The installed tree, into a prefix of this run.
export KELO_PREFIX=$work/prefix
cmake --install "${KELO_BUILD_DIR:-build}" --prefix "$KELO_PREFIX" >"$work/install.log"
run_case 40 13-installed-hack
if [ "$failed" != 0 ]; then
  echo "hack tests failed" >&2
  exit 1
fi
echo "hack tests passed"
