#!/usr/bin/env bash
# The regional date order from the registry value iDate (set with wine reg), through the same reader
# and Win32 registry calls as the screen saver: kelo-chart.exe without --date-order prints the date text
# day/month/year. A win.ini line iDate=2 comes first. The screen saver runs under the same setting.
source "$(dirname "$0")/lib_e2e.sh"

key='HKCU\Control Panel\International'
old=$("$WINE" reg query "$key" /v iDate 2>/dev/null | tr -d '\r' | awk '/iDate/ { print $3 }')
restore() {
  "$WINE" reg add "$key" /v iDate /d "${old:-0}" /f >/dev/null 2>&1 || true
  cleanup
}
trap restore EXIT

# kelo-chart reads c:\windows\win.ini and then the registry, as the screen saver does.
date_text() {
  "$WINE" "$KELO_WIN_BIN/kelo-chart.exe" --at 2026-12-07T22:30 --json 2>/dev/null | tr -d '\r' |
    /usr/bin/python3 -c 'import json, sys; print(json.load(sys.stdin)["dateText"])'
}

"$WINE" reg add "$key" /v iDate /d 1 /f >/dev/null 2>&1 || fail "wine reg add"
[ "$(date_text)" = "7/12/2026" ] || fail "iDate 1 gave $(date_text)"
echo "ok   iDate 1: the date text is day/month/year (7/12/2026)"
"$WINE" reg add "$key" /v iDate /d 0 /f >/dev/null 2>&1
[ "$(date_text)" = "12/7/2026" ] || fail "iDate 0 gave $(date_text)"
echo "ok   iDate 0: month/day/year (12/7/2026)"

win_ini="$WINEPREFIX/drive_c/windows/win.ini"
cp "$win_ini" "$KELO_E2E_WORK/win.ini.saved"
printf '[intl]\r\niDate=2\r\n' >>"$win_ini"
got=$(date_text)
cp "$KELO_E2E_WORK/win.ini.saved" "$win_ini"
[ "$got" = "2026/12/7" ] || fail "win.ini iDate=2 gave $got"
echo "ok   a win.ini line iDate=2 comes before the registry (2026/12/7)"

# The screen saver starts and draws under the day/month/year setting.
"$WINE" reg add "$key" /v iDate /d 1 /f >/dev/null 2>&1
folder=$(make_folder regional 33=3)
start_scr "$folder" /s
focus_window "SCRNSAVE KELO" "no chart window"
xdotool key a
wait_exit "$SCR_PID" 10 || fail "the screen saver did not end"
echo "ok   the screen saver runs with iDate 1"
