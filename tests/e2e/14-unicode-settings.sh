#!/usr/bin/env bash
# "/c" on a settings file saved as Notepad's "Unicode" (UTF-16 little endian with its byte-order mark)
# with lines ending in CR alone: the editor shows its text, Save writes it back byte for byte, an edit
# is saved in the same encoding and line ends, and Quit starts the screen saver with the edited value.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
{ printf '\xff\xfe'; tr -d '\n' <"$SETTINGS" | iconv -f WINDOWS-1252 -t UTF-16LE; } >"$CASE_DIR/unicode.ini"
cp "$CASE_DIR/unicode.ini" "$SETTINGS"
start_kelo kelo /c
wait_for_window 'Program Options' 15

save
cmp -s "$SETTINGS" "$CASE_DIR/unicode.ini" || fail "an unedited save changed the file"

# Line 33 from 3 (a key) to 1 (a click), on the Text page.
exit_mode_1_on_text_page
[ "$(head -c 2 "$SETTINGS" | od -An -tx1 | tr -d ' ')" = fffe ] || fail "the byte-order mark is gone"
text=$(tail -c +3 "$SETTINGS" | iconv -f UTF-16LE -t UTF-8) || fail "the file is not UTF-16 any more"
[ "$(tail -c +3 "$SETTINGS" | iconv -f UTF-16LE -t UTF-8 | tr -cd '\n' | wc -c)" = 0 ] || fail "a line feed in the saved file"
[ "$(tr '\r' '\n' <<<"$text" | sed -n 33p | cut -c1-8)" = "1       " ] || fail "line 33 reads '$(tr '\r' '\n' <<<"$text" | sed -n 33p)'"
[ "$(tr -cd '\r' <<<"$text" | wc -c)" = 92 ] || fail "not 92 lines ending in CR"
[ ! -e "$SETTINGS.tmp" ] || fail "the temporary file was left behind"

quit_into_exit_mode_1
pass "UTF-16 with CR line ends shown, saved back as it was, and the edit in force after Quit"
