#!/usr/bin/env bash
# Kelo.scr /p HWND: the live chart in a child window covering a small host window's client area, no
# window of its own on the screen, no reaction to input, gone with its host.
# Wine 8 does not put on the screen what a process draws into a child of another process's window (the
# host's client area stays as the host left it), so the picture itself is checked by the full-screen
# tests; here the child window, its size and its life are.
source "$(dirname "$0")/lib_e2e.sh"

folder=$(make_folder preview 33=6)
cp "$KELO_WIN_BIN/preview_host.exe" "$folder/"
(cd "$folder" && exec "$WINE" preview_host.exe 18 200 150 </dev/null >"$folder/host.out" 2>/dev/null) &
host=$!
STARTED_PIDS+=("$host")
host_window=$(wait_window "Kelo preview host" 60) || fail "no host window"
for _ in $(seq 40); do [ -s "$folder/host.out" ] && break; sleep 0.25; done
hwnd=$(head -n1 "$folder/host.out" | tr -d '\r')
[ -n "$hwnd" ] || fail "the host did not tell its window"

start_scr "$folder" /p "$hwnd"
scr=$SCR_PID
sleep 6
kill -0 "$scr" 2>/dev/null || fail "the preview ended early"
xdotool search --onlyvisible --name "^SCRNSAVE KELO\$" >/dev/null 2>&1 && fail "the preview opened a window of its own"
import -window "$host_window" "$KELO_E2E_WORK/preview.png"
# The preview reacts to no input.
xdotool mousemove 100 100 mousemove 150 120 click 1 key a
sleep 1
kill -0 "$scr" 2>/dev/null || fail "input ended the preview"
echo "ok   /p $hwnd: running inside the host, no full-screen window, no reaction to input"

# The Settings button saves other settings (a blue background): the preview reads them at its next
# tick, in the same process, as the screen saver does (the picture itself Wine does not show, above).
# previews: the ids of the preview processes started from this test's folder (Wine shows "Kelo.scr /p").
previews() {
  local pid
  for pid in $(pgrep -f "Kelo.scr /p" || true); do
    [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$folder" ] && echo "$pid"
  done
  return 0
}
sed -i '90s/^.\{7\}/1      /' "$folder/KELO.INI"
sleep 3
kill -0 "$scr" 2>/dev/null || fail "the preview ended on the saved settings"
[ "$(previews | wc -l)" = 1 ] || fail "not one preview after the saved settings: $(previews | tr '\n' ' ')"
echo "ok   saved settings: the same preview goes on with them"

# The host closes after its time: the preview goes with it.
wait_exit "$host" 30 || fail "the host did not close"
grep -q "children 1 200x150" "$folder/host.out" || fail "the host held: $(tail -n1 "$folder/host.out")"
echo "ok   one child window covering the host's 200x150 client area"
for _ in $(seq 40); do [ -z "$(previews)" ] && break; sleep 0.25; done
[ -z "$(previews)" ] || fail "the preview outlived its host"
echo "ok   the preview ended with its host"
