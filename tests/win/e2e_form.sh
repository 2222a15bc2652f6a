#!/usr/bin/env bash
# The settings form of "Program Options", driven with the keyboard alone: the house system (Chart page)
# and the latitude (Place page) changed, the preview follows; Enter saves only lines 22 and 27; Escape
# with an unsaved change asks "Discard the changes?" (No keeps the dialog, Yes closes it); the screen
# saver then starts with the saved settings: latitude 67 with Koch houses fails the latitude limit, so
# its first update shows the warning that the shipped settings never show.
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder form)
cp "$folder/KELO.INI" "$folder/original.ini"
start_scr "$folder" /c
scr=$SCR_PID
focus_window "Program Options" "no options dialog"
dialog=$WINDOW

# preview NAME: the dialog's right part (the preview and its caption) as NAME.png.
preview() {
  local X Y WIDTH HEIGHT WINDOW SCREEN x y w h
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
  import -window root -crop "$((w * 45 / 100))x$((h * 70 / 100))+$((x + w * 55 / 100))+$y" +repage \
    "$KELO_E2E_WORK/$1.png"
}
differing() { { compare -metric AE -fuzz 5% "$KELO_E2E_WORK/$1.png" "$KELO_E2E_WORK/$2.png" null: 2>&1 || true; } | awk '{ print int($1) }'; }

preview before
# Ctrl+Tab: the Chart page, the focus on its first field, the house system. Koch by its initial.
xdotool key ctrl+Tab
sleep 0.3
xdotool key k
sleep 1
preview koch
changed=$(differing before koch)
((changed > 200)) || fail "the preview did not follow the house system ($changed pixels changed)"
echo "ok   the preview follows the house system chosen with the keyboard ($changed pixels changed)"

# Back to the Place page, on its first field, the latitude's degrees: 67, above the limit of Koch
# houses. Enter saves.
xdotool key ctrl+shift+Tab
sleep 0.3
xdotool type 67
sleep 1
xdotool key Return
sleep 2
kill -0 "$scr" 2>/dev/null || fail "Save closed the dialog"
/usr/bin/python3 - "$folder/original.ini" "$folder/KELO.INI" <<'PY' || fail "the saved file is wrong"
import sys
old = open(sys.argv[1], "rb").read().split(b"\r\n")
new = open(sys.argv[2], "rb").read().split(b"\r\n")
assert len(old) == len(new), (len(old), len(new))
changed = [n + 1 for n, (a, b) in enumerate(zip(old, new)) if a != b]
assert changed == [22, 27], changed
assert new[21].startswith(b"67      22:"), new[21]
assert new[26].startswith(b"3       27:"), new[26]
PY
echo "ok   Enter saved the latitude and the house system, lines 22 and 27 alone"

# An unsaved change (the node, the third field of the Chart page), then Escape: the question, once.
xdotool key ctrl+Tab
sleep 0.3
xdotool key Tab Tab t
sleep 0.5
xdotool key Escape
sleep 1.5
windows=$(xdotool search --onlyvisible --name "^Program Options\$" 2>/dev/null | wc -l)
((windows == 2)) || fail "Escape with an unsaved change did not ask ($windows windows)"
xdotool key n
sleep 1.5
windows=$(xdotool search --onlyvisible --name "^Program Options\$" 2>/dev/null | wc -l)
((windows == 1)) || fail "No did not keep the dialog alone ($windows windows)"
echo "ok   Escape with an unsaved change asks, and No keeps the dialog"
xdotool key Escape
sleep 1.5
xdotool key y
# Start-up's first update shows the warning before the chart window.
warning=$(wait_window "Warning!" 60) || fail "Yes did not start the screen saver with the saved settings (no latitude warning)"
cmp -s <(sed -n 29p "$folder/KELO.INI") <(sed -n 29p "$folder/original.ini") || fail "the discarded node was saved"
echo "ok   Yes discards the change, and the screen saver starts with the saved settings"
xdotool windowfocus "$warning" 2>/dev/null || true
xdotool key Return
key_ends_chart "$scr" "no chart window after the warning"
