#!/usr/bin/env bash
# Regional time formats the tick and the afternoon test cannot read as they stand, set in the registry
# as the Region settings write them: "HH:mm" (24-hour, no seconds) and "h:mm tt" with the Japanese
# markers 午前/午後 (no seconds, a foreign afternoon marker). The afternoon is told right (kelo-chart.exe
# reads the same clock, in a zone where it is 3 p.m., then 3 a.m.), and with the second format the
# chart is still redrawn at the minute mark (the 24-hour format's fallback is the unit tests').
source "$(dirname "$0")/lib_e2e.sh"

key='HKCU\Control Panel\International'
names=(sTimeFormat s1159 s2359 iTime)
declare -A saved
for name in "${names[@]}"; do
  saved[$name]=$("$WINE" reg query "$key" /v "$name" 2>/dev/null | tr -d '\r' | awk -v n="$name" '$1 == n { $1 = $2 = ""; sub(/^ +/, ""); print }')
done
restore() {
  for name in "${names[@]}"; do
    [ -n "${saved[$name]}" ] && "$WINE" reg add "$key" /v "$name" /d "${saved[$name]}" /f >/dev/null 2>&1
  done
  cleanup
}
trap restore EXIT

# regional FORMAT AM PM ITIME
regional() {
  "$WINE" reg add "$key" /v sTimeFormat /d "$1" /f >/dev/null 2>&1 || fail "wine reg add"
  "$WINE" reg add "$key" /v s1159 /d "$2" /f >/dev/null 2>&1
  "$WINE" reg add "$key" /v s2359 /d "$3" /f >/dev/null 2>&1
  "$WINE" reg add "$key" /v iTime /d "$4" /f >/dev/null 2>&1
}

# meridiem_at HOUR: kelo-chart's meridiem now, in a zone where the clock shows that hour.
meridiem_at() {
  local offset=$(((10#$(date -u +%H) - $1 + 36) % 24 - 12))
  TZ="UTC$( ((offset >= 0)) && echo "+$offset" || echo "$offset")" "$WINE" "$KELO_WIN_BIN/kelo-chart.exe" --json 2>/dev/null |
    tr -d '\r' | /usr/bin/python3 -c 'import json, sys; print(json.load(sys.stdin)["meridiem"])'
}

second() { echo $((10#$(date +%S))); }

# redrawn_at_minute_mark NAME: the saver, up before second 55 of a minute, shows another picture after
# the minute mark than before it. The number of changed pixels in $changed. On a slow start the saver
# is tried once more in the next minute.
redrawn_at_minute_mark() {
  local folder window attempt
  folder=$(make_folder "clock-$1" 33=3)
  for attempt in 1 2; do
    while (($(second) > 40)); do sleep 1; done
    start_scr "$folder" /s
    window=$(wait_window "SCRNSAVE KELO" 40) || fail "$1: no chart window"
    sleep 1
    (($(second) <= 54)) && break
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key a
    wait_exit "$SCR_PID" 10 || fail "$1: a key did not end the screen saver"
    ((attempt == 1)) || fail "$1: the chart came up too late in the minute to test, twice"
  done
  while (($(second) < 55)); do sleep 0.5; done
  import -window root "$KELO_E2E_WORK/clock-$1-before.png"
  while (($(second) > 30)); do sleep 0.5; done
  sleep 3
  import -window root "$KELO_E2E_WORK/clock-$1-after.png"
  xdotool windowfocus "$window" 2>/dev/null || true
  xdotool key a
  wait_exit "$SCR_PID" 10 || fail "$1: a key did not end the screen saver"
  changed=$({ compare -metric AE "$KELO_E2E_WORK/clock-$1-before.png" "$KELO_E2E_WORK/clock-$1-after.png" null: 2>&1 || true; } | awk '{ print int($1) }')
  ((changed > 20)) || fail "$1: the chart was not redrawn at the minute mark ($changed pixels changed)"
}

regional "HH:mm" "" "" 1
[ "$(meridiem_at 15)" = "P.M." ] || fail "\"HH:mm\": 15:00 gave $(meridiem_at 15)"
echo "ok   \"HH:mm\": 15:00 is P.M."

regional "h:mm tt" "午前" "午後" 0
[ "$(meridiem_at 15)" = "P.M." ] || fail "\"h:mm tt\" with 午後: 3 p.m. gave $(meridiem_at 15)"
[ "$(meridiem_at 3)" = "A.M." ] || fail "\"h:mm tt\" with 午前: 3 a.m. gave $(meridiem_at 3)"
echo "ok   \"h:mm tt\" with 午前/午後: 3 p.m. is P.M., 3 a.m. is A.M."
redrawn_at_minute_mark 12hour
echo "ok   \"h:mm tt\" with 午前/午後: the chart is redrawn at the minute mark ($changed pixels changed)"
