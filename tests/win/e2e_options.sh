#!/usr/bin/env bash
# Kelo.scr /c (and the empty command line of Explorer's "Configure"): "Program Options" with the file's
# text on its page "Text"; an edit plus Save writes the file with CR LF line ends and no extra empty line; Quit starts the
# screen saver with the settings just saved. /c:HWND, as the Settings button gives it: the same editor,
# owned by that window, and the program ends when it closes.
source "$(dirname "$0")/lib_e2e.sh"

for command in "/c" "" "/c:HWND"; do
  folder=$(make_folder options 33=6)
  original=$(cat "$folder/KELO.INI")
  if [ "$command" = "/c:HWND" ]; then
    # The Settings page: a window of another program, for as long as the test needs it.
    cp "$KELO_WIN_BIN/preview_host.exe" "$folder/"
    (cd "$folder" && exec "$WINE" preview_host.exe 120 300 200 </dev/null >"$folder/host.out" 2>/dev/null) &
    STARTED_PIDS+=("$!")
    wait_window "Kelo preview host" 60 >/dev/null || fail "no host window"
    for _ in $(seq 40); do [ -s "$folder/host.out" ] && break; sleep 0.25; done
    command="/c:$(head -n1 "$folder/host.out" | tr -d '\r')"
  fi
  if [ -z "$command" ]; then start_scr "$folder"; else start_scr "$folder" "$command"; fi
  scr=$SCR_PID
  dialog=$(wait_window "Program Options" 60) || fail "$command: no options dialog"
  xdotool search --onlyvisible --name "^SCRNSAVE KELO\$" >/dev/null 2>&1 && fail "$command: the chart came before the editor"
  sleep 1
  # The exit mode on line 33 from 6 to 3, and Save; the dialog stays open.
  xdotool windowfocus "$dialog" 2>/dev/null || true
  save_exit_mode_3
  kill -0 "$scr" 2>/dev/null || fail "$command: Save closed the program"
  /usr/bin/python3 - "$folder/KELO.INI" <<'PY' || fail "$command: the saved file is wrong"
import sys
data = open(sys.argv[1], "rb").read()
lines = data.split(b"\r\n")
assert data.endswith(b"\r\n") and not data.endswith(b"\r\n\r\n"), "one line end after the last line"
assert b"\n" not in data.replace(b"\r\n", b""), "every line ends in CR LF"
assert len(lines) - 1 == 92, f"{len(lines) - 1} lines"
assert lines[32].startswith(b"3       33:"), lines[32]
PY
  [ "$(sed -n 33p "$folder/KELO.INI" | cut -c1)" = "3" ] || fail "$command: line 33 not saved"
  echo "ok   ${command:-(empty)}: Save wrote the edit with CR LF line ends and no extra empty line"

  # Quit (the next button): back to the Settings page, the program ends without a chart.
  if [[ "$command" == /c:* ]]; then
    xdotool key Tab space
    wait_exit "$scr" 20 || fail "$command: the program did not end with the editor"
    xdotool search --onlyvisible --name "^SCRNSAVE KELO\$" >/dev/null 2>&1 && fail "$command: a chart window came up"
    echo "ok   $command: Quit ended the program without starting the screen saver"
    continue
  fi
  # Quit starts the screen saver, which now ends on a key only.
  quit_to_exit_mode_3 "$scr" "$command: "
  [ "$original" != "$(cat "$folder/KELO.INI")" ] || fail "$command: file unchanged"
  echo "ok   ${command:-(empty)}: Quit started the screen saver with the saved settings"
done
