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
  local pid
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
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
