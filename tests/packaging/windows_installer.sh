#!/usr/bin/env bash
# The Windows installer under Wine: Kelo-<version>-setup.exe /S installs into Program Files\Kelo, adds
# the Start-menu entries and the uninstall entry and makes Kelo the screen saver, keeping the previous
# one; the installed Kelo.scr /s shows the chart; the uninstaller /S removes the files and the entries,
# puts the previous screen saver back and keeps the user's %APPDATA%\Kelo\KELO.INI. Installing twice
# must still restore the screen saver from before the first install, and with none before, none after.
# Needs the cross build in build-win (scripts/test.d/50-windows.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${KELO_WIN_BUILD_DIR:-build-win}
version=$(sed -n 's/^project(Kelo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

echo "== Windows installer"
cmake --build "$build" --target installer >/dev/null
setup="$build/Kelo-$version-setup.exe"
[ -f "$setup" ] || { echo "FAIL: no $setup" >&2; exit 1; }
echo "ok   $(basename "$setup"), $(stat -c %s "$setup") bytes"

work=$(mktemp -d /tmp/kelo-setup-XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
xvfb_pid="" scr_pid=""
finish() {
  if [ -n "$scr_pid" ]; then kill "$scr_pid" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

source tests/win/lib_wine.sh
start_wine_display "${KELO_DISPLAY_FROM:-120}"

cp "$setup" "$work/setup.exe"
drive_c="$WINEPREFIX/drive_c"
program_dir="$drive_c/Program Files/Kelo"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelo"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelo'
desktop_key='HKCU\Control Panel\Desktop'

# reg_value KEY NAME: the value's data, empty when there is none (status 1).
reg_value() {
  wine reg query "$1" /v "$2" /reg:64 2>/dev/null | tr -d '\r' |
    awk -v name="$2" 'tolower($1) == tolower(name) { $1 = ""; $2 = ""; sub(/^  /, ""); print; found = 1 } END { exit !found }'
}
set_screen_saver() {
  if [ -n "$1" ]; then
    wine reg add "$desktop_key" /v SCRNSAVE.EXE /d "$1" /f >/dev/null 2>&1
  else
    wine reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1 || true
  fi
  wine reg add "$desktop_key" /v ScreenSaveActive /d 0 /f >/dev/null 2>&1
}
install() { timeout 120 wine "$work/setup.exe" /S || fail "setup.exe /S (status $?)"; }
# The uninstaller runs from a copy in the temporary folder and returns at once: wait for its work.
uninstall() {
  timeout 60 wine "C:\\Program Files\\Kelo\\Uninstall.exe" /S || fail "Uninstall.exe /S (status $?)"
  for _ in $(seq 120); do
    [ -e "$program_dir" ] || break
    sleep 0.5
  done
  timeout 120 wineserver -w || fail "the uninstaller did not end"
}

# 1. A previous screen saver, and the user's own settings.
previous='C:\windows\system32\previous.scr'
set_screen_saver "$previous"
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")
mkdir -p "$appdata/Kelo"
printf '%s\r\n' "-5     my own settings" >"$appdata/Kelo/KELO.INI"
cp "$appdata/Kelo/KELO.INI" "$work/user.ini"

install
for file in Kelo.scr kelo-chart.exe glypha.ttf KELO.INI LICENSE.txt LICENSE-glypha.txt Uninstall.exe; do
  [ -f "$program_dir/$file" ] || fail "Program Files\\Kelo\\$file was not installed"
done
cmp -s "$program_dir/Kelo.scr" "$build/packaging/stripped/Kelo.scr" || fail "the installed Kelo.scr is not the built one"
# Each Start-menu entry starts Kelo.scr with its switch (a shortcut holds its texts in UTF-16 or ANSI).
has_text() { LC_ALL=C grep -qaP "$(sed 's/./&\\x00/g' <<<"$2")" "$1" || LC_ALL=C grep -qaF "$2" "$1"; }
for entry in "Kelo:/s:/c" "Kelo settings:/c:/s"; do
  IFS=: read -r name switch other <<<"$entry"
  link="$start_menu/$name.lnk"
  [ -f "$link" ] || fail "no Start-menu entry $name"
  has_text "$link" Kelo.scr || fail "the Start-menu entry $name does not start Kelo.scr"
  has_text "$link" "$switch" && ! has_text "$link" "$other" || fail "the Start-menu entry $name does not pass $switch"
done
echo "ok   setup.exe /S installed the files into Program Files\\Kelo and the Start-menu entries"

[ "$(reg_value "$uninstall_key" DisplayName)" = Kelo ] || fail "uninstall entry: DisplayName"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "uninstall entry: DisplayVersion"
[ -n "$(reg_value "$uninstall_key" Publisher)" ] || fail "uninstall entry: Publisher"
reg_value "$uninstall_key" DisplayIcon | grep -qi 'Kelo\\Kelo.scr' || fail "uninstall entry: DisplayIcon"
reg_value "$uninstall_key" UninstallString | grep -qi 'Kelo\\Uninstall.exe' || fail "uninstall entry: UninstallString"
size=$(reg_value "$uninstall_key" EstimatedSize)
(( size > 100 )) || fail "uninstall entry: EstimatedSize $size KiB"
echo "ok   uninstall entry: Kelo $version, $(reg_value "$uninstall_key" Publisher), $((size)) KiB"

saver=$(reg_value "$desktop_key" SCRNSAVE.EXE) || fail "SCRNSAVE.EXE is not set"
[ "$(winepath -u "$saver" 2>/dev/null)" -ef "$program_dir/Kelo.scr" ] || fail "SCRNSAVE.EXE is $saver"
[ "$(reg_value "$desktop_key" ScreenSaveActive)" = 1 ] || fail "ScreenSaveActive is not 1"
echo "ok   SCRNSAVE.EXE is $saver, ScreenSaveActive 1"

# 2. The screen saver as Windows starts it: the registered path, /s.
wine "$saver" /s </dev/null >"$work/scr.log" 2>&1 &
scr_pid=$!
window=""
for _ in $(seq 120); do
  window=$(xdotool search --onlyvisible --name '^SCRNSAVE KELO$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || fail "the installed Kelo.scr /s showed no window"
sleep 3
import -window root "$work/saver.png"
colours=$(convert "$work/saver.png" -format %k info:)
((colours >= 16)) || fail "the installed Kelo.scr /s shows a blank screen ($colours colours)"
echo "ok   the installed Kelo.scr /s shows the chart ($colours colours)"
kill "$scr_pid" 2>/dev/null || true
wait "$scr_pid" 2>/dev/null || true
scr_pid=""
timeout 120 wineserver -w || fail "Kelo.scr did not end"

# 3. Installed again (Kelo is now the screen saver), then removed: the screen saver from before.
install
uninstall
[ ! -e "$program_dir" ] || fail "Program Files\\Kelo is still there: $(ls "$program_dir")"
[ ! -e "$start_menu" ] || fail "the Start-menu folder is still there"
! reg_value "$uninstall_key" DisplayName >/dev/null || fail "the uninstall entry is still there"
! wine reg query 'HKCU\Software\Kelo' >/dev/null 2>&1 || fail "HKCU\\Software\\Kelo is still there"
[ "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = "$previous" ] ||
  fail "SCRNSAVE.EXE is $(reg_value "$desktop_key" SCRNSAVE.EXE || echo none), not the previous $previous"
[ "$(reg_value "$desktop_key" ScreenSaveActive)" = 0 ] || fail "ScreenSaveActive was not put back to 0"
cmp -s "$appdata/Kelo/KELO.INI" "$work/user.ini" || fail "the user's %APPDATA%\\Kelo\\KELO.INI was not kept"
echo "ok   installed twice, Uninstall.exe /S removed files and entries, put back $previous, kept %APPDATA%\\Kelo\\KELO.INI"

# 4. No screen saver before: none after.
set_screen_saver ""
install
reg_value "$desktop_key" SCRNSAVE.EXE >/dev/null || fail "SCRNSAVE.EXE is not set"
uninstall
! reg_value "$desktop_key" SCRNSAVE.EXE >/dev/null || fail "SCRNSAVE.EXE is $(reg_value "$desktop_key" SCRNSAVE.EXE), not removed"
echo "ok   with no screen saver before, none after the uninstall"
echo "Windows installer: all passed"
