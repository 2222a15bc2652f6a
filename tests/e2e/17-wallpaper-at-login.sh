#!/usr/bin/env bash
# The settings dialog's "Show Kelo as the desktop background when I log in" (Screen page, Alt+D): ticked
# and saved, it writes the XDG autostart entry for this kelo's --wallpaper; the next dialog shows it
# ticked, and unticked and saved removes the entry again.
source "$(dirname "$0")/lib.sh"
entry=$CASE_DIR/config/autostart/kelo-wallpaper.desktop
# toggle_and_save: the check box toggled on the Screen page, then saved; the dialog quit into the saver,
# which a key ends.
toggle_and_save() {
  start_kelo kelo /c
  wait_for_window 'Program Options' 15
  xdotool mousemove --window "$WINDOW" 2 2
  sleep 0.5
  xdotool key alt+n
  sleep 0.3
  xdotool key alt+d
  sleep 0.2
  save
  quit
  wait_for_window 'SCRNSAVE KELO' 15
  sleep 0.5
  xdotool key a
  wait_for_exit "$KELO_PID" 5
}
toggle_and_save
[ -f "$entry" ] || fail "no autostart entry after Save"
grep -qxF "Exec=$PROGRAM_DIR/kelo --wallpaper" "$entry" || fail "the entry runs $(grep Exec "$entry")"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the entry is not a valid desktop entry"
fi
toggle_and_save
[ ! -e "$entry" ] || fail "the entry is still there after unticking"
pass "ticked and saved: the autostart entry for $PROGRAM_DIR/kelo --wallpaper; unticked: gone"
