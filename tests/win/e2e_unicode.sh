#!/usr/bin/env bash
# Kelo.scr in a program folder "Kelo Zürich 日本", for a user whose %APPDATA% holds such characters too:
# the chart's glyphs are GLYPHA's (its picture matches the one drawn from a plain folder within one
# minute, while the same folder without glypha.ttf, the glyph codes drawn as accented letters of
# another face, does not); the editor loads and saves the settings there (no KELO.INI.tmp left), and
# the saver runs on the saved settings.
source "$(dirname "$0")/lib_e2e.sh"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
old_appdata=$("$WINE" reg query "$key" /v AppData 2>/dev/null | tr -d '\r' | awk '/AppData/ { $1 = $2 = ""; sub(/^ +/, ""); print }')
restore() {
  [ -n "$old_appdata" ] && "$WINE" reg add "$key" /v AppData /t REG_EXPAND_SZ /d "$old_appdata" /f >/dev/null 2>&1
  cleanup
}
trap restore EXIT
"$WINE" reg add "$key" /v AppData /t REG_EXPAND_SZ /d 'C:\users\Jürgen Ødegård 日本\AppData\Roaming' /f \
  >/dev/null 2>&1 || fail "wine reg add AppData"

# screenshot FOLDER NAME: the saver from FOLDER, its picture in $KELO_E2E_WORK/NAME.png.
screenshot() {
  start_scr "$1" /s
  local window
  window=$(wait_window "SCRNSAVE KELO" 60) || fail "$2: no chart window"
  sleep 3
  import -window root "$KELO_E2E_WORK/$2.png"
  xdotool windowfocus "$window" 2>/dev/null || true
  xdotool key a
  wait_exit "$SCR_PID" 10 || fail "$2: a key did not end the screen saver"
}

# differing A B: the number of pixels that differ between two pictures.
differing() { { compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true; } | awk '{ print int($1) }'; }

# The glyphs: three pictures taken within one minute, so that the chart is the same.
plain=$(make_folder plain 33=3)
unicode=$(make_folder "Kelo Zürich 日本" 33=3)
fontless=$(make_folder "Kelo ohne Schrift" 33=3)
rm "$fontless/glypha.ttf"
for attempt in 1 2; do
  while [ "$(date +%S)" -gt 35 ]; do sleep 1; done
  minute=$(date +%H%M)
  screenshot "$plain" glyphs-plain
  screenshot "$unicode" glyphs-unicode
  screenshot "$fontless" glyphs-fontless
  [ "$(date +%H%M)" = "$minute" ] && break
done
same=$(differing "$KELO_E2E_WORK/glyphs-plain.png" "$KELO_E2E_WORK/glyphs-unicode.png")
letters=$(differing "$KELO_E2E_WORK/glyphs-plain.png" "$KELO_E2E_WORK/glyphs-fontless.png")
((letters > 2000)) || fail "without glypha.ttf the picture differs in only $letters pixels: the test cannot tell"
((same < letters / 10)) || fail "the glyphs from \"Kelo Zürich 日本\" are not GLYPHA's ($same pixels differ, $letters without the font)"
echo "ok   GLYPHA registered from \"Kelo Zürich 日本\" ($same pixels differ from a plain folder, $letters without the font)"

# The editor in that folder: Save and the saver on the saved settings.
folder=$(make_folder "Kelo Zürich 日本" 33=6)
start_scr "$folder" /c
scr=$SCR_PID
focus_window "Program Options" "no options dialog from the folder $folder"
save_exit_mode_3
[ "$(sed -n 33p "$folder/KELO.INI" | cut -c1)" = "3" ] || fail "Save did not write line 33 in $folder"
[ ! -e "$folder/KELO.INI.tmp" ] || fail "KELO.INI.tmp left behind"
echo "ok   Save in \"$(basename "$folder")\" wrote the file and left no KELO.INI.tmp"
quit_to_exit_mode_3 "$scr" ""
echo "ok   the screen saver ran on the settings saved there"
