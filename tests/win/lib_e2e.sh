# Shared steps of the Windows end-to-end tests, sourced by tests/win/e2e_*.sh (not itself a test).
# Needs: WINEPREFIX (initialised), DISPLAY (an X server, Xvfb in CI), KELO_WIN_BIN (the folder with
# Kelo.scr, glypha.ttf and preview_host.exe) and KELO_E2E_WORK (a scratch folder).
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
WINE=${WINE:-wine}
: "${KELO_WIN_BIN:?}" "${KELO_E2E_WORK:?}" "${WINEPREFIX:?}" "${DISPLAY:?}"
STARTED_PIDS=()

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Ends the processes this test started (by their ids), whatever way the test ends.
cleanup() {
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# make_folder NAME [LINE=VALUE ...]: a folder with Kelo.scr, glypha.ttf and the shipped KELO.INI whose
# lines LINE get VALUE in their first seven characters. Prints the folder.
make_folder() {
  local folder="$KELO_E2E_WORK/$1"
  shift
  rm -rf "$folder" && mkdir -p "$folder"
  cp "$KELO_WIN_BIN/Kelo.scr" "$KELO_WIN_BIN/glypha.ttf" "$folder/"
  local program='{ line = $0 } ' change
  for change in "$@"; do
    program+="NR == ${change%%=*} { line = sprintf(\"%-7s\", \"${change#*=}\") substr(\$0, 8) } "
  done
  program+='{ print line }'
  awk "$program" "$REPO/assets/KELO.INI" > "$folder/KELO.INI"
  echo "$folder"
}

# start_scr FOLDER ARGS...: starts Kelo.scr from its folder in the background; its id in SCR_PID.
start_scr() {
  local folder=$1
  shift
  (cd "$folder" && exec "$WINE" Kelo.scr "$@" </dev/null >"$folder/scr.log" 2>&1) &
  SCR_PID=$!
  STARTED_PIDS+=("$SCR_PID")
}

# wait_window TITLE SECONDS: the X window id of the first window with exactly that title.
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.5
  done
  return 1
}

# wait_exit PID SECONDS: true when the process ended in time; its status in EXIT_STATUS.
wait_exit() {
  local deadline=$((SECONDS + $2))
  while ((SECONDS < deadline)); do
    if ! kill -0 "$1" 2>/dev/null; then
      EXIT_STATUS=0
      wait "$1" || EXIT_STATUS=$?
      return 0
    fi
    sleep 0.25
  done
  return 1
}

# colours FILE: the number of distinct colours of a picture.
colours() { convert "$1" -format %k info:; }

# main_colour FILE: the colour most pixels of a picture have (the background), '#RRGGBB'.
main_colour() { convert "$1" -format %c histogram:info:- | sort -rn | head -1 | grep -o '#[0-9A-F]\{6\}' | head -1; }

# time_to_pixel X Y COLOUR SECONDS COMMAND...: runs COMMAND (a write of the settings file), then waits
# until the screen's pixel X,Y has COLOUR (fails when that takes more than SECONDS); the seconds from
# the start of COMMAND to the colour, to the millisecond, in WAITED. The screen is watched from before
# COMMAND starts.
time_to_pixel() {
  local x=$1 y=$2 colour=$3 seconds=$4 start seen poller out=$KELO_E2E_WORK/pixel.out ready=$KELO_E2E_WORK/pixel.ready
  shift 4
  rm -f "$ready"
  python3 "$REPO/tests/e2e/wait_for_pixel.py" "$x" "$y" "$colour" "$((seconds + 10))" "$ready" >"$out" &
  poller=$!
  while [ ! -e "$ready" ]; do kill -0 "$poller" 2>/dev/null || fail "cannot look at the screen"; sleep 0.05; done
  start=$(date +%s%N)
  "$@"
  wait "$poller" || fail "pixel $x,$y is $(cat "$out"), not $colour"
  seen=$(cat "$out")
  WAITED=$(printf '%d.%03d' $(((seen - start) / 1000000000)) $(((seen - start) / 1000000 % 1000)))
  (((seen - start) / 1000000 <= seconds * 1000)) || fail "pixel $x,$y took $WAITED s to become $colour"
}

# geometry ID: "WIDTHxHEIGHT" of an X window.
geometry() { xdotool getwindowgeometry "$1" | awk '/Geometry/ { print $2 }'; }

screen_size() { xdpyinfo | awk '/dimensions:/ { print $2 }'; }

# focus_window TITLE WHAT: waits up to a minute for the window TITLE (else fails with WHAT), lets it
# settle and gives it the focus; its id in WINDOW.
focus_window() {
  WINDOW=$(wait_window "$1" 60) || fail "$2"
  sleep 2
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
}

# save_exit_mode_3: in "Program Options", the page "Text" (Ctrl+Shift+Tab from the first page) puts the
# caret at the start of the text: the exit mode on line 33 changed to 3, then Tab to Save and press it.
save_exit_mode_3() {
  xdotool key ctrl+shift+Tab
  sleep 0.5
  xdotool key ctrl+Home
  for _ in $(seq 32); do xdotool key Down; done
  xdotool key Home Delete type 3
  xdotool key Tab space
  sleep 2
}

# quit_to_exit_mode_3 PID PREFIX: Quit (the button after Save) starts the screen saver, which in exit
# mode 3 goes on under the pointer and ends on a key. PREFIX starts the failure messages.
quit_to_exit_mode_3() {
  xdotool key Tab space
  focus_window "SCRNSAVE KELO" "${2}Quit did not start the screen saver"
  xdotool mousemove 20 20 mousemove 400 400 click 1
  sleep 2
  kill -0 "$1" 2>/dev/null || fail "${2}the saved exit mode 3 was not used (the pointer ended it)"
  xdotool key b
  wait_exit "$1" 10 || fail "${2}a key did not end the screen saver"
}

# key_ends_chart PID WHAT: the chart window comes (else fails with WHAT) and a key ends the screen saver.
key_ends_chart() {
  WINDOW=$(wait_window "SCRNSAVE KELO" 60) || fail "$2"
  sleep 1
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  xdotool key a
  wait_exit "$1" 20 || fail "the screen saver did not end on a key"
}
