#!/usr/bin/env bash
# The city search of "Program Options", with the keyboard alone: Alt+C, a city's name, Enter takes the
# first city found (Tokyo); Tab to the list of cities and Enter there takes the one under the cursor
# (Berlin). Neither Enter saves; Enter on a field does, and the file then differs from the original only
# in the place's lines 19 to 24, as the form writes them.
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder city)
cp "$folder/KELO.INI" "$folder/shipped.ini"
cp "$folder/KELO.INI" "$folder/original.ini"
start_scr "$folder" /c
scr=$SCR_PID
focus_window "Program Options" "no options dialog"
dialog=$WINDOW

dialogs() { xdotool search --onlyvisible --name "^Program Options\$" 2>/dev/null | wc -l; }

# not_saved WHAT: the dialog is still alone and the file is as it was.
not_saved() {
  kill -0 "$scr" 2>/dev/null || fail "$1 closed the dialog"
  (($(dialogs) == 1)) || fail "$1 opened another window"
  cmp -s "$folder/KELO.INI" "$folder/original.ini" || fail "$1 saved the file"
}

# place_saved D M E/W D M N/S: lines 19 to 24 hold the place (longitude first, west and north 1), and
# every other line, and the rest of those, is as shipped.
place_saved() {
  /usr/bin/python3 - "$folder/shipped.ini" "$folder/KELO.INI" "$@" <<'PY'
import sys
old = open(sys.argv[1], "rb").read().split(b"\r\n")
new = open(sys.argv[2], "rb").read().split(b"\r\n")
want = sys.argv[3:]
assert len(old) == len(new), (len(old), len(new))
for n, (a, b) in enumerate(zip(old, new)):
    if 19 <= n + 1 <= 24:
        assert b[:7] == want[n - 18].ljust(7).encode() and b[7:] == a[7:], (n + 1, a, b)
    else:
        assert a == b, (n + 1, a, b)
PY
}

# Alt+C: the search. Enter there takes the first city found, and does not save.
xdotool key alt+c
sleep 0.3
xdotool type --delay 60 Tokyo
sleep 1
xdotool key Return
sleep 1.5
not_saved "Enter in the search"
# Alt+A: the latitude's degrees; Enter there saves.
xdotool key alt+a Return
sleep 2
place_saved 139 45 -1 35 39 1 || fail "Enter in the search did not fill in Tokyo"
echo "ok   Enter in the search took the first city found, Tokyo, without saving; Save wrote lines 19-24 alone"

cp "$folder/KELO.INI" "$folder/original.ini"
# Alt+C selects the search's text: typing replaces it. Tab to the cities found; Enter takes the one
# under the cursor.
xdotool key alt+c
sleep 0.3
xdotool type --delay 60 Berlin
sleep 1
xdotool key Tab
sleep 0.3
xdotool key Return
sleep 1.5
not_saved "Enter in the list of cities"
xdotool key alt+a Return
sleep 2
place_saved 13 22 -1 52 30 1 || fail "Enter in the list did not fill in Berlin, or Save changed another line"
echo "ok   Enter in the list of cities took Berlin without saving; Save then changed only lines 19-24 of the shipped file"

# Escape: nothing unsaved, so no question; the screen saver starts and ends on a key.
xdotool key Escape
key_ends_chart "$scr" "Escape did not start the screen saver"
