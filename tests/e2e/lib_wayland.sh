# Shared by the Wayland end-to-end cases, after lib.sh: the compositor started by the runner
# (scripts/test.d/46-wayland.sh), screenshots of one output with grim, keys with wtype, the pointer
# moved with swaymsg, and the program's own trace of the pictures it shows.
: "${WAYLAND_DISPLAY:?}"
export GDK_BACKEND=wayland

# The tools as clients of the compositor, which keeps its sockets in its own runtime folder.
on_sway() { XDG_RUNTIME_DIR=$SWAY_RUNTIME WAYLAND_DISPLAY=wayland-1 "$@"; }

# output_shot NAME OUTPUT: a screenshot of the output as NAME.png; prints its number of distinct colours.
output_shot() {
  on_sway grim -o "$2" "$CASE_DIR/$1.png"
  identify -format '%k' "$CASE_DIR/$1.png"
}

# chart_on_output OUTPUT WIDTHxHEIGHT: the output's screenshot, of that size in pixels, shows a chart
# (many colours, the yellow sign glyphs), within a few seconds of the program's own trace of it (the
# compositor shows a new surface at its next frame). Kept in OUTPUT.png under KEEP_E2E.
chart_on_output() {
  local colours size try
  for try in 1 2 3 4 5 6; do
    colours=$(output_shot "$1" "$1")
    [ "$colours" -lt 50 ] || break
    sleep 0.5
  done
  size=$(identify -format '%wx%h' "$CASE_DIR/$1.png")
  [ "$size" = "$2" ] || fail "$1 is $size, not $2"
  [ "$colours" -ge 50 ] || fail "$1 shows $colours colours, not a chart"
  has_colour "$1" '#FFFF00' || fail "no sign glyphs on $1"
}

# wait_for_pictures NAME COUNT SECONDS: the program traced its first picture on COUNT monitors.
wait_for_pictures() { wait_for_log "$1" "picture shown on the monitor" "$2" "$3"; }

type_key() { on_sway wtype "$1"; }

# pointer_to X Y, pointer_by DX DY: the seat's pointer set to a place of the layout, or moved by so much.
pointer_to() { swaymsg -q seat seat0 cursor set "$1" "$2"; }
pointer_by() { swaymsg -q -- seat seat0 cursor move "$1" "$2"; }

# ended_by_itself PID WHAT: the program ends within 5 s with status 0 after WHAT.
ended_by_itself() {
  wait_for_exit "$1" 5
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after $2"
}

# pointer_hidden_at OUTPUT X Y PX PY: no pointer drawn at the layout's X Y, which is at pixel PX PY of
# OUTPUT: the picture there is the same with the pointer away (tried twice, should a minute's repaint
# fall between the two shots).
pointer_hidden_at() {
  local try crop="48x48+$4+$5"
  for try in 1 2; do
    pointer_to "$2" "$3"
    output_shot pointer-here "$1" >/dev/null
    pointer_to $(($2 + 100)) $(($3 + 100))
    output_shot pointer-away "$1" >/dev/null
    convert "$CASE_DIR/pointer-here.png" -crop "$crop" +repage "$CASE_DIR/pointer-here.png"
    convert "$CASE_DIR/pointer-away.png" -crop "$crop" +repage "$CASE_DIR/pointer-away.png"
    [ "$(compare -metric AE "$CASE_DIR/pointer-here.png" "$CASE_DIR/pointer-away.png" null: 2>&1 || true)" = 0 ] &&
      return
  done
  fail "a pointer is drawn at $2,$3 on $1"
}
