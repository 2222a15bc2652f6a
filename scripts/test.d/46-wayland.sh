#!/usr/bin/env bash
# End-to-end tests of kelo on Wayland, with compositors that need no GPU: sway on its headless backend
# (outputs of 1280 x 1024 and 2048 x 1536 at scale 2, side by side; as the unprivileged user
# kelo-saver, since sway refuses root), and GNOME's mutter, headless, with virtual monitors of
# 1280 x 1024 and 1024 x 768 (tests/e2e/2*.sh). The output added by 24 stays: it runs last on sway.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib_run.sh
run_requires "Wayland tests" sway swaymsg grim wtype swayidle foot mutter dbus-run-session runuser identify convert
unprivileged_user
run_workdir kelo-wayland-run

failed=0
run_case() {
  timeout --kill-after=5 "$1" bash "tests/e2e/$2.sh" || { echo "FAIL [$2] (status $?)"; failed=1; }
}

start_sway "output HEADLESS-1 resolution 1280x1024 position 0 0
output HEADLESS-2 resolution 2048x1536 scale 2 position 1280 0
for_window [app_id=\"foot\"] floating enable, resize set 640 400, move position 200 200"
for c in 20-wayland-outputs 21-wayland-pointer 22-wayland-wallpaper 23-swayidle 24-wayland-new-output; do
  run_case 40 "$c"
done
stop_servers

start_mutter 1280x1024 1024x768
run_case 40 25-gnome-monitors
run_case 20 26-gnome-wallpaper

if [ "$failed" != 0 ]; then
  echo "Wayland tests failed" >&2
  exit 1
fi
echo "Wayland tests passed"
