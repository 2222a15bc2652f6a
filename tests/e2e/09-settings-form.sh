#!/usr/bin/env bash
# "/c" on the settings form: the house system and the latitude changed with the keyboard alone; the
# preview follows the edit; Save (Enter) changes lines 22 and 27 of the file and nothing else; Quit
# with an unsaved edit asks before it discards it; the screen saver then starts with the saved
# settings (Koch at 70 degrees: the latitude message at start-up). SHOTS=dir keeps screenshots of the
# dialog's pages there.
source "$(dirname "$0")/lib.sh"
cp "$SETTINGS" "$CASE_DIR/original.ini"
start_kelo kelo /c
wait_for_window 'Program Options' 15
dialog=$WINDOW
read -r x y w h <<<"$(window_geometry "$dialog")"
[ "$w" -le "$(xdotool getdisplaygeometry | cut -d' ' -f1)" ] || fail "dialog ${w}px wide, wider than the screen"
xdotool mousemove --window "$dialog" 2 2
sleep 1
# The preview: the right part of the dialog.
preview_crop="$((w * 2 / 5))x$((h * 3 / 4))+$((w - w * 2 / 5 - 16))+16"
dialog_shot() { import -window "$dialog" "$CASE_DIR/$1.png"; convert "$CASE_DIR/$1.png" -crop "$preview_crop" +repage "$CASE_DIR/$1-preview.png"; }
differs() { [ "$(compare -metric AE "$CASE_DIR/$1-preview.png" "$CASE_DIR/$2-preview.png" null: 2>&1 | cut -d' ' -f1)" != 0 ]; }
keep_shot() { [ -z "${SHOTS:-}" ] || cp "$CASE_DIR/$1.png" "$SHOTS/dialog-$(screen_size)-$2.png"; }
dialog_shot place
keep_shot place place

# Chart page (Alt+C), house system (Alt+E): two down from Placidus is Koch.
xdotool key alt+c
sleep 0.3
xdotool key alt+e
sleep 0.2
xdotool key Down Down
sleep 0.5
dialog_shot koch
keep_shot koch chart
differs place koch || fail "the preview did not change with the house system"

# Place page (Alt+P), latitude degrees (Alt+A): 70, beyond the limit of the Koch houses.
xdotool key alt+p
sleep 0.3
xdotool key alt+a
sleep 0.2
xdotool key ctrl+a
xdotool type --delay 50 70
sleep 0.5
dialog_shot latitude
keep_shot latitude place-check
has_colour latitude '#B00000' || fail "no check message beside the latitude"
xdotool key alt+n
sleep 0.3
dialog_shot screen
keep_shot screen screen
xdotool key alt+l
sleep 0.3
dialog_shot look
keep_shot look look
xdotool key alt+x
sleep 0.3
dialog_shot text
keep_shot text text
xdotool key alt+p
sleep 0.3
xdotool key alt+a
sleep 0.2

# Enter saves: the file differs from the original in lines 22 and 27 alone, comments kept.
xdotool key Return
sleep 0.7
diff <(sed '22d;27d' "$SETTINGS") <(sed '22d;27d' "$CASE_DIR/original.ini") >/dev/null || fail "other lines changed"
[ "$(sed -n 22p "$SETTINGS")" = "70$(sed -n 22p "$CASE_DIR/original.ini" | cut -c3-)" ] ||
  fail "line 22 reads '$(sed -n 22p "$SETTINGS")'"
[ "$(sed -n 27p "$SETTINGS")" = "3$(sed -n 27p "$CASE_DIR/original.ini" | cut -c2-)" ] ||
  fail "line 27 reads '$(sed -n 27p "$SETTINGS")'"
cp "$SETTINGS" "$CASE_DIR/saved.ini"

# An unsaved edit: Quit (Escape) asks; No keeps the dialog and the edit; Quit again, Yes discards it.
xdotool key ctrl+a
xdotool type --delay 50 71
xdotool key Tab
sleep 0.3
xdotool key Escape
wait_for_window 'Kelo' 5
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name '^Kelo$' >/dev/null 2>&1 && fail "the question did not close on No"
xdotool search --onlyvisible --name '^Program Options$' >/dev/null 2>&1 || fail "No closed the dialog"
xdotool key Escape
wait_for_window 'Kelo' 5
xdotool key alt+y
cmp -s "$SETTINGS" "$CASE_DIR/saved.ini" || fail "the discarded edit reached the file"

# The screen saver starts with the saved settings: Koch at 70 degrees fails the latitude limit.
wait_for_log kelo 'Your latitude is too high' 1 15
dismiss_box
wait_for_window 'SCRNSAVE KELO' 10
sleep 0.5
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "house system and latitude set from the keyboard; preview redrawn; lines 22 and 27 saved; Quit asked; the saver ran with them"
