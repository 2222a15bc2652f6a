# Shared by the end-to-end cases: a private copy of the program folder, the program started and
# watched, windows found and driven with xdotool, screenshots with ImageMagick.
# Needs KELO_BIN_DIR (kelo, KELO.INI, glypha.ttf) and DISPLAY (an X server of its own) or WAYLAND_DISPLAY
# (a compositor of its own, lib_wayland.sh).
set -euo pipefail
: "${KELO_BIN_DIR:?}"
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || { echo "$0: neither DISPLAY nor WAYLAND_DISPLAY is set" >&2; exit 1; }

CASE_NAME=$(basename "$0" .sh)
CASE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/kelo-e2e-$CASE_NAME.XXXXXX")
PROGRAM_DIR=$CASE_DIR/program
mkdir -p "$PROGRAM_DIR" "$CASE_DIR/runtime" "$CASE_DIR/config"
chmod 700 "$CASE_DIR/runtime"
cp "$KELO_BIN_DIR/kelo" "$KELO_BIN_DIR/KELO.INI" "$KELO_BIN_DIR/glypha.ttf" "$PROGRAM_DIR/"
SETTINGS=$PROGRAM_DIR/KELO.INI
# The instance lock and the user's settings of this case only; the message boxes traced to the log.
export XDG_RUNTIME_DIR=$CASE_DIR/runtime XDG_CONFIG_HOME=$CASE_DIR/config G_MESSAGES_DEBUG=kelo
# No session bus: an address that leads nowhere, since without one GLib would start a bus for the X
# display (dbus-launch), and the desktop portals it starts mount a folder into the case's runtime
# folder that outlives the case.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$CASE_DIR/no-session-bus
STARTED_PIDS=()

cleanup() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ -n "${KEEP_E2E:-}" ]; then echo "   (kept $CASE_DIR)"; else rm -rf "$CASE_DIR"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL [$CASE_NAME]: $*" >&2
  local log
  for log in "$CASE_DIR"/*.log; do [ -e "$log" ] && { echo "--- $log" >&2; tail -20 "$log" >&2; }; done
  exit 1
}

pass() { echo "ok   [$CASE_NAME] $*"; }

# set_setting N VALUE [N VALUE...]: settings value N (the first seven characters of line N), CR LF kept;
# the file replaced in one step, as an editor saves it.
set_setting() {
  local program=''
  while [ $# -ge 2 ]; do
    program+="NR == $1 { \$0 = sprintf(\"%-7s\", \"$2\") substr(\$0, 8) } "
    shift 2
  done
  awk "$program { print }" ORS='\n' "$SETTINGS" >"$SETTINGS.new"
  mv "$SETTINGS.new" "$SETTINGS"
}

# start_kelo NAME [ARGS...]: starts the program from its folder; its pid in KELO_PID, output in NAME.log.
start_kelo() {
  local name=$1
  shift
  (cd "$PROGRAM_DIR" && exec ./kelo "$@") >"$CASE_DIR/$name.log" 2>&1 &
  KELO_PID=$!
  STARTED_PIDS+=("$KELO_PID")
}

running() { kill -0 "$1" 2>/dev/null; }

# wait_for_exit PID SECONDS: fails if it still runs then; the exit status in EXIT_STATUS.
wait_for_exit() {
  local pid=$1 deadline=$((SECONDS + $2))
  while running "$pid"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "pid $pid still running after $2 s"
    sleep 0.1
  done
  EXIT_STATUS=0
  wait "$pid" || EXIT_STATUS=$?
}

# still_running PID WHAT: the program must not have ended (after a moment for the event to arrive).
still_running() {
  sleep 0.7
  running "$1" || fail "the program ended on $2"
}

# wait_for_window TITLE SECONDS: the id of the visible window of that exact title, in WINDOW.
wait_for_window() {
  local deadline=$((SECONDS + $2))
  WINDOW=
  while [ -z "$WINDOW" ]; do
    WINDOW=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$WINDOW" ] && break
    [ "$SECONDS" -lt "$deadline" ] || fail "no window \"$1\" after $2 s"
    sleep 0.2
  done
}

# window_geometry ID: X Y WIDTH HEIGHT of the window.
window_geometry() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  echo "$X $Y $WIDTH $HEIGHT"
}

# click_in ID X Y: a left click at a position inside the window.
click_in() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.2
  xdotool click 1
}

# wait_for_log NAME TEXT COUNT SECONDS: the log holds TEXT at least COUNT times.
wait_for_log() {
  local deadline=$((SECONDS + $4))
  while [ "$(grep -cF -- "$2" "$CASE_DIR/$1.log" || true)" -lt "$3" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "\"$2\" not $3 times in $1.log after $4 s"
    sleep 0.2
  done
}

# dismiss_box: closes the message box on the screen with its OK button.
dismiss_box() {
  wait_for_window 'Warning!' 10
  local x y w h
  read -r x y w h <<<"$(window_geometry "$WINDOW")"
  click_in "$WINDOW" $((w / 2)) $((h - 16))
  local deadline=$((SECONDS + 5))
  while xdotool search --onlyvisible --name '^Warning!$' >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the message box did not close"
    sleep 0.1
  done
}

# screenshot NAME [CROP]: the whole screen (or a WxH+X+Y part of it) as NAME.png; prints its number
# of distinct colours.
screenshot() {
  local file=$CASE_DIR/$1.png
  import -window root "$file"
  if [ -n "${2:-}" ]; then convert "$file" -crop "$2" +repage "$file"; fi
  identify -format '%k' "$file"
}

# has_colour NAME '#RRGGBB': the screenshot NAME.png holds pixels of exactly that colour.
has_colour() {
  local histogram
  histogram=$(convert "$CASE_DIR/$1.png" -format %c histogram:info:-)
  grep -qF "$2" <<<"$histogram"
}

# main_colour NAME: the colour most pixels of the screenshot NAME.png have (the background), '#RRGGBB'.
main_colour() {
  convert "$CASE_DIR/$1.png" -format %c histogram:info:- | sort -rn | head -1 | grep -o '#[0-9A-F]\{6\}' | head -1
}

# time_to_pixel X Y COLOUR SECONDS COMMAND...: runs COMMAND (a write of the settings file), then waits
# until the screen's pixel X,Y has COLOUR (fails when that takes more than SECONDS); the seconds from
# the start of COMMAND to the colour, to the millisecond, in WAITED. The screen is watched from before
# COMMAND starts.
time_to_pixel() {
  local x=$1 y=$2 colour=$3 seconds=$4 start seen poller out=$CASE_DIR/pixel.out ready=$CASE_DIR/pixel.ready
  shift 4
  rm -f "$ready"
  python3 "$(dirname "${BASH_SOURCE[0]}")/wait_for_pixel.py" "$x" "$y" "$colour" "$((seconds + 10))" "$ready" >"$out" &
  poller=$!
  while [ ! -e "$ready" ]; do kill -0 "$poller" 2>/dev/null || fail "cannot look at the screen"; sleep 0.05; done
  start=$(date +%s%N)
  "$@"
  wait "$poller" || fail "pixel $x,$y is $(cat "$out"), not $colour"
  seen=$(cat "$out")
  WAITED=$(printf '%d.%03d' $(((seen - start) / 1000000000)) $(((seen - start) / 1000000 % 1000)))
  (((seen - start) / 1000000 <= seconds * 1000)) || fail "pixel $x,$y took $WAITED s to become $colour"
}

screen_size() { xdotool getdisplaygeometry | tr ' ' x; }

# The settings dialog's own keys: Ctrl+S saves, Escape quits (the cases may name other ways).
save() { xdotool key ctrl+s; sleep 0.5; }
quit() { xdotool key Escape; }

# exit_mode_1_on_text_page: on the dialog's Text page, line 33 from 3 to 1, then saved
# (exit_mode_1_in_text).
exit_mode_1_on_text_page() {
  to_text_page
  exit_mode_1_in_text
}

# to_text_page: the dialog's Text page (Alt+X), the focus in the text (Tab).
to_text_page() {
  xdotool key alt+x
  sleep 0.3
  xdotool key Tab
  sleep 0.2
}

# exit_mode_1_in_text: in the settings editor's text, with the focus on it, line 33 (the exit mode)
# from 3 (a key) to 1 (a click); then the case's save.
exit_mode_1_in_text() {
  first_character_in_text 33 1
  save
}

# first_character_in_text LINE CHARACTER: in the settings editor's text, with the focus on it, the first
# character of line LINE replaced by CHARACTER (not saved).
first_character_in_text() {
  xdotool key ctrl+Home
  xdotool key --delay 15 --repeat $(($1 - 1)) Down
  xdotool key Delete
  xdotool type "$2"
}

# quit_into_exit_mode_1: the case's quit starts the screen saver, which a key leaves running and a
# click ends, as the saved exit mode 1 asks.
quit_into_exit_mode_1() {
  quit
  wait_for_window 'SCRNSAVE KELO' 15
  sleep 0.5
  xdotool key a
  still_running "$KELO_PID" "a key, with the new exit mode 1"
  xdotool click 1
  wait_for_exit "$KELO_PID" 5
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
}

# charts_on_both_monitors: each monitor of the two-monitor screen shows a chart (many colours, the
# yellow sign glyphs).
charts_on_both_monitors() {
  local monitor colours
  sleep 1
  for monitor in left:1280x1024+0+0 right:1024x768+1280+0; do
    colours=$(screenshot "${monitor%%:*}" "${monitor#*:}")
    [ "$colours" -ge 50 ] || fail "the ${monitor%%:*} monitor shows $colours colours, not a chart"
    has_colour "${monitor%%:*}" '#FFFF00' || fail "no sign glyphs on the ${monitor%%:*} monitor"
  done
}
