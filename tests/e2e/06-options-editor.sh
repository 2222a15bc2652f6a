#!/usr/bin/env bash
# "/c": the settings editor's Text page shows the file's text; Save writes it back with CR LF line ends
# and no extra empty line; an edit saved takes effect when Quit starts the screen saver.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
cp "$SETTINGS" "$CASE_DIR/original.ini"
start_kelo kelo /c
wait_for_window 'Program Options' 15
dialog=$WINDOW
read -r x y w h <<<"$(window_geometry "$dialog")"
[ "$w" -le 1024 ] && [ "$h" -le 768 ] || fail "dialog ${w}x$h, larger than the 1024 x 768 screen"
xdotool search --onlyvisible --name '^SCRNSAVE KELO$' >/dev/null 2>&1 && fail "the chart window is up already"

# Save without an edit: the text the editor showed is the file, byte for byte.
save
cmp -s "$SETTINGS" "$CASE_DIR/original.ini" || fail "an unedited save changed the file"

# Line 33 from 3 (a key) to 1 (a click), on the Text page.
exit_mode_1_on_text_page
[ "$(sed -n 33p "$SETTINGS" | cut -c1-8)" = "1       " ] || fail "line 33 reads '$(sed -n 33p "$SETTINGS")'"
lines=$(wc -l <"$SETTINGS")
[ "$lines" = "$(wc -l <"$CASE_DIR/original.ini")" ] || fail "$lines lines after the save"
[ "$(tr -cd '\r' <"$SETTINGS" | wc -c)" = "$lines" ] || fail "not every line ends in CR LF"
[ "$(tail -c 2 "$SETTINGS" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the file does not end in CR LF"
[ "$(tail -c 4 "$SETTINGS" | od -An -c | tr -d ' ')" != '\r\n\r\n' ] || fail "an empty line at the end"
diff <(sed 33d "$SETTINGS") <(sed 33d "$CASE_DIR/original.ini") >/dev/null || fail "other lines changed"
[ ! -e "$SETTINGS.tmp" ] || fail "the temporary file was left behind"

# Quit: the screen saver starts with the settings just saved.
quit_into_exit_mode_1
pass "text shown and saved with CR LF; the saved exit mode is in force after Quit"
