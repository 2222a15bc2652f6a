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

# geometry ID: "WIDTHxHEIGHT" of an X window.
geometry() { xdotool getwindowgeometry "$1" | awk '/Geometry/ { print $2 }'; }

screen_size() { xdpyinfo | awk '/dimensions:/ { print $2 }'; }
