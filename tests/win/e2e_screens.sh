#!/usr/bin/env bash
# Kelo.scr /s on screens other than the 1024 x 768 of the other tests, in a Wine prefix of its own whose
# X11 driver keeps its defaults (windows "managed"), each screen an X server of its own:
#   1280x1024 and 1920x1080: one window of the screen's size, the whole wheel in the middle;
#   two monitors (Xinerama, both at the origin for Wine): one window of each size, and a key ends both;
#   the display given another mode while the chart runs (as the display settings do): the window
#   follows to the new size with the whole wheel, and back.
source "$(dirname "$0")/lib_e2e.sh"

export WINEPREFIX="$KELO_E2E_WORK/prefix-screens"
xvfb=""
stop_server() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  xvfb=""
}
trap 'stop_server; cleanup' EXIT

# start_server XVFB_SCREENS...: an X server of its own and this prefix's Wine on it.
start_server() {
  stop_server
  local n=${KELO_E2E_DISPLAY_FROM:-100}
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" "$@" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
  if [ ! -d "$WINEPREFIX" ]; then wineboot -i >/dev/null 2>&1; wineserver -w; fi
  wineserver -p
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

# chart_windows: "WIDTHxHEIGHT" of every visible chart window, sorted.
chart_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '^SCRNSAVE KELO$' 2>/dev/null); do geometry "$id"; done | sort
}

# whole_wheel PICTURE WIDTH HEIGHT: the drawing (all but the background of the corners) is centred on
# the screen and reaches nearly from its top to its bottom, so no part of the wheel is cut off. The
# horizontal centre is taken on the middle fifth of the screen, where the wheel is widest: the text at
# the top left and the labels of the moment's chart would move it otherwise.
whole_wheel() {
  local box w h x y band bw bx
  box=$(convert "$1" -fuzz 8% -trim -format '%w %h %X %Y' info:)
  read -r w h x y <<<"${box//+/}"
  band=$(convert "$1" -crop "${2}x$(($3 / 5))+0+$(($3 * 2 / 5))" +repage -fuzz 8% -trim -format '%w %X' info:)
  read -r bw bx <<<"${band//+/}"
  local centre=$((bx + bw / 2)) middle=$((y + h / 2))
  ((centre > $2 * 45 / 100 && centre < $2 * 55 / 100)) || { echo "drawing centred at x $centre of $2 ($band)"; return 1; }
  ((middle > $3 * 40 / 100 && middle < $3 * 60 / 100)) || { echo "drawing centred at y $middle of $3 ($box)"; return 1; }
  ((h > $3 * 80 / 100 && y + h <= $3)) || { echo "drawing $h high of $3 ($box)"; return 1; }
}

folder=$(make_folder screens 33=3)
for size in 1280x1024 1920x1080; do
  start_server -screen 0 "${size}x24"
  start_scr "$folder" /s
  wait_window "SCRNSAVE KELO" 60 >/dev/null || fail "$size: no chart window"
  sleep 4
  [ "$(chart_windows)" = "$size" ] || fail "$size: chart windows $(chart_windows | tr '\n' ' ')"
  shot="$KELO_E2E_WORK/screen-$size.png"
  import -window root "$shot"
  why=$(whole_wheel "$shot" "${size%x*}" "${size#*x}") || fail "$size: $why (see $shot)"
  xdotool key a
  wait_exit "$SCR_PID" 10 || fail "$size: a key did not end the screen saver"
  echo "ok   $size: one window of the screen's size, the whole wheel in the middle"
done

start_server +xinerama -extension RANDR -screen 0 1280x1024x24 -screen 1 1024x768x24
start_scr "$folder" /s
wait_window "SCRNSAVE KELO" 60 >/dev/null || fail "two monitors: no chart window"
sleep 4
got=$(chart_windows | tr '\n' ' ')
[ "$got" = "1024x768 1280x1024 " ] || fail "two monitors: chart windows $got"
import -window root "$KELO_E2E_WORK/screen-two.png"
xdotool key a
wait_exit "$SCR_PID" 10 || fail "two monitors: a key did not end the screen saver"
[ -z "$(chart_windows)" ] || fail "two monitors: a window outlived the screen saver"
echo "ok   two monitors: a window of each monitor's size, one key ends both"

# display_mode WIDTH HEIGHT: the display's mode changed through Windows (ChangeDisplaySettingsExW), which
# tells every window with WM_DISPLAYCHANGE.
display_mode() { (cd "$KELO_WIN_BIN" && "$WINE" display_mode.exe "$1" "$2" </dev/null >/dev/null 2>&1); }

start_server -screen 0 1280x1024x24
# The X server offers 800x600 beside its own mode (Wine lists the modes the server has).
xrandr --newmode 800x600 40 800 840 968 1056 600 601 605 628 && xrandr --addmode screen 800x600
start_scr "$folder" /s
wait_window "SCRNSAVE KELO" 60 >/dev/null || fail "display change: no chart window"
sleep 4
for size in 800x600 1280x1024; do
  display_mode "${size%x*}" "${size#*x}" || fail "display change: Wine did not set $size"
  sleep 3
  [ "$(chart_windows)" = "$size" ] || fail "display change to $size: chart windows $(chart_windows | tr '\n' ' ')"
  shot="$KELO_E2E_WORK/screen-changed-$size.png"
  import -window root "$shot"
  why=$(whole_wheel "$shot" "${size%x*}" "${size#*x}") || fail "display change to $size: $why (see $shot)"
done
xdotool key a
wait_exit "$SCR_PID" 10 || fail "display change: a key did not end the screen saver"
echo "ok   display changed to 800x600 and back while it ran: the window and the whole wheel followed"
