# Shared by the runners of the Linux end-to-end cases (scripts/test.d/4*.sh): the built program and the
# tools checked, a scratch folder, Xvfb servers started and stopped with the run. Sourced from the top
# of the checkout, after `set -euo pipefail`.

# run_requires WHAT TOOL...: KELO_BIN_DIR set; the run skipped when kelo is not built, stopped when a
# tool is missing. WHAT names the tests in the messages ("hack tests").
run_requires() {
  local what=$1 tool
  shift
  export KELO_BIN_DIR=${KELO_BIN_DIR:-$PWD/build/bin}
  if [ ! -x "$KELO_BIN_DIR/kelo" ]; then
    echo "kelo is not built (no GTK 3 found): $what skipped"
    exit 0
  fi
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$what need $tool" >&2; exit 1; }
  done
}

# run_workdir NAME: a scratch folder in `work`, removed at the exit with the servers of the run.
run_workdir() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
  servers=()
  trap run_finish EXIT
}

run_finish() {
  stop_servers
  rm -rf "$work"
}

# stop_servers: the servers started so far stopped, the last first (a compositor before the session
# that runs it, which then ends its bus), before others are started in their place.
stop_servers() {
  local i pid
  for ((i = ${#servers[@]} - 1; i >= 0; i--)); do
    pid=${servers[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    # One that is not this shell's child (found by its pid file) is waited for by looking.
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  servers=()
}

# start_display SIZE [NUMBER]: an Xvfb of SIZE (WIDTHxHEIGHT) on display NUMBER; without one, on the
# next of N, N+1, ... when the caller sets KELO_E2E_DISPLAY=N, else on a free one. ":N" in
# STARTED_DISPLAY once it answers. Not to be run in a subshell, so that the server is in the list the
# exit stops. -noreset: without it the server resets whenever its last client leaves, between two
# cases, and a program connecting just then is refused.
start_display() {
  local size=$1 number=${2:-} file=$work/display.$1 log=$work/xvfb.$1.log waited=0
  if [ -z "$number" ] && [ -n "${KELO_E2E_DISPLAY:-}" ]; then
    number=$((KELO_E2E_DISPLAY + ${#servers[@]}))
  fi
  if [ -n "$number" ]; then
    Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset >"$log" 2>&1 &
    servers+=($!)
    until DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; do
      sleep 0.1
      waited=$((waited + 1))
      [ "$waited" -lt 100 ] || { echo "Xvfb did not start" >&2; cat "$log" >&2; exit 1; }
    done
    echo "$number" >"$file"
  else
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$file" >"$log" 2>&1 &
    servers+=($!)
    until [ -s "$file" ]; do
      sleep 0.1
      waited=$((waited + 1))
      [ "$waited" -lt 100 ] || { echo "Xvfb did not start" >&2; cat "$log" >&2; exit 1; }
    done
  fi
  STARTED_DISPLAY=":$(head -1 "$file")"
}

# unprivileged_user: KELO_SAVER_USER (kelo-saver unless set), made once (and kept) when running as root,
# for the programs that refuse to run as root (XScreenSaver, sway).
unprivileged_user() {
  export KELO_SAVER_USER=${KELO_SAVER_USER:-kelo-saver}
  if [ "$(id -u)" = 0 ] && ! id -u "$KELO_SAVER_USER" >/dev/null 2>&1; then
    useradd --create-home --shell /bin/sh "$KELO_SAVER_USER"
  fi
}

# start_sway CONFIG_LINES: sway on its headless backend (no GPU, no input devices) as KELO_SAVER_USER,
# with KELO_SWAY_OUTPUTS outputs (2 unless set) configured by CONFIG_LINES, and a virtual pointer and
# keyboard (virtual_devices.py).
# Exports SWAY_RUNTIME (its runtime folder), WAYLAND_DISPLAY (the absolute path of its socket) and
# SWAYSOCK; DISPLAY is unset, so that the clients take Wayland.
start_sway() {
  local waited=0
  SWAY_RUNTIME=$work/sway-runtime
  rm -rf "$SWAY_RUNTIME" "$work/devices.ready"
  mkdir -p "$SWAY_RUNTIME"
  chown "$KELO_SAVER_USER" "$SWAY_RUNTIME"
  chmod 700 "$SWAY_RUNTIME"
  chmod 755 "$work"
  printf '%s\n' "$1" >"$work/sway.config"
  # sway's own pid in sway.pid: the exit stops it, not only the runuser above it.
  runuser -u "$KELO_SAVER_USER" -- env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$SWAY_RUNTIME" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_HEADLESS_OUTPUTS="${KELO_SWAY_OUTPUTS:-2}" \
    sh -c 'echo $$ >"$1"; exec sway -c "$2"' sh "$SWAY_RUNTIME/sway.pid" "$work/sway.config" >"$work/sway.log" 2>&1 &
  servers+=($!)
  until [ -S "$SWAY_RUNTIME/wayland-1" ] && ls "$SWAY_RUNTIME"/sway-ipc.*.sock >/dev/null 2>&1; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || { echo "sway did not start" >&2; tail "$work/sway.log" >&2; exit 1; }
  done
  servers+=("$(cat "$SWAY_RUNTIME/sway.pid")")
  unset DISPLAY
  export SWAY_RUNTIME WAYLAND_DISPLAY=$SWAY_RUNTIME/wayland-1
  SWAYSOCK=$(ls "$SWAY_RUNTIME"/sway-ipc.*.sock)
  export SWAYSOCK
  /usr/bin/python3 tests/e2e/virtual_devices.py "$work/devices.ready" >"$work/devices.log" 2>&1 &
  servers+=($!)
  until [ -s "$work/devices.ready" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 150 ] || { echo "no virtual devices" >&2; cat "$work/devices.log" >&2; exit 1; }
  done
}

# start_mutter SIZE...: GNOME's compositor, headless, Wayland only, with a virtual monitor of each SIZE,
# in a D-Bus session of its own. Exports WAYLAND_DISPLAY (the absolute path of its socket).
start_mutter() {
  local runtime=$work/mutter-runtime monitors=() size waited=0
  mkdir -p "$runtime"
  chmod 700 "$runtime"
  for size in "$@"; do monitors+=(--virtual-monitor "$size"); done
  env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" dbus-run-session -- \
    sh -c 'echo $$ >"$1"; shift; exec mutter --headless --wayland --no-x11 "$@"' sh "$runtime/mutter.pid" \
    "${monitors[@]}" >"$work/mutter.log" 2>&1 &
  servers+=($!)
  until [ -S "$runtime/wayland-0" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 200 ] || { echo "mutter did not start" >&2; tail "$work/mutter.log" >&2; exit 1; }
  done
  servers+=("$(cat "$runtime/mutter.pid")")
  unset DISPLAY
  export WAYLAND_DISPLAY=$runtime/wayland-0
}
