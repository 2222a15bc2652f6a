#!/usr/bin/env bash
# The saver under GNOME's compositor (mutter, monitors of 1280 x 1024 and 1024 x 768): a full-screen
# window on each monitor, as the protocol trace shows (no screenshots there); SIGTERM ends it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_wayland.sh"
WAYLAND_DEBUG=1 start_kelo kelo
wait_for_pictures kelo 2 15
entered() { grep -oE 'wl_surface@[0-9]+\.enter\(wl_output@[0-9]+\)' "$CASE_DIR/kelo.log" | sed 's/.*(//' | sort -u | wc -l; }
deadline=$((SECONDS + 10))
until [ "$(entered)" = 2 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the windows entered $(entered) outputs, not 2"
  sleep 0.2
done
for size in '1280, 1024' '1024, 768'; do
  grep -qE "xdg_toplevel@[0-9]+\.configure\($size," "$CASE_DIR/kelo.log" || fail "no window configured at $size"
done
kill -TERM "$KELO_PID"
ended_by_itself "$KELO_PID" "SIGTERM"
pass "one window on each monitor, at 1280 x 1024 and 1024 x 768; SIGTERM ends it"
