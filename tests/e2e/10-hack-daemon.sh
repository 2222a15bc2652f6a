#!/usr/bin/env bash
# XScreenSaver on two monitors: -activate starts one "kelo --root" on each, and both show the chart;
# -deactivate ends both within 2 s. Prints what each hack costs (resident memory, CPU time), the time
# from -activate to the first picture and from -deactivate to the end of both.
# Needs KELO_SAVER_USER (the daemon refuses to run hacks as root) and a display split into a monitor
# of 1280 x 1024 at the left and one of 1024 x 768 beside it.
source "$(dirname "$0")/lib.sh"
: "${KELO_SAVER_USER:?}"
home=$(getent passwd "$KELO_SAVER_USER" | cut -d: -f6)
# The daemon's user reads and runs the program in the case's folder.
chmod 755 "$CASE_DIR" "$PROGRAM_DIR"
chmod 644 "$PROGRAM_DIR/KELO.INI" "$PROGRAM_DIR/glypha.ttf"

printf '%s\n' 'mode: one' 'selected: 0' 'lock: False' 'fade: False' 'unfade: False' 'splash: False' \
  'timeout: 1:00:00' "programs: $PROGRAM_DIR/kelo --root" >"$home/.xscreensaver"
chown "$KELO_SAVER_USER:" "$home/.xscreensaver"

as_saver() {
  runuser -u "$KELO_SAVER_USER" -- env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin \
    G_MESSAGES_DEBUG=kelo "$@"
}
end_daemon() {
  as_saver xscreensaver-command -exit >/dev/null 2>&1 || true
  cleanup
}
trap end_daemon EXIT
# The hacks that run (an ended hack stays a zombie until something reaps it: not counted).
hacks() { ps -u "$KELO_SAVER_USER" -o pid=,stat=,comm= | awk '$2 !~ /^Z/ && $3 == "kelo" { print $1 }'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

as_saver xscreensaver --no-splash >"$CASE_DIR/daemon.log" 2>&1 &
STARTED_PIDS+=("$!")
deadline=$((SECONDS + 15))
until as_saver xscreensaver-command -time >/dev/null 2>&1; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the daemon did not start"
  sleep 0.2
done
[ -z "$(hacks)" ] || fail "a hack runs before -activate"

activated=$(date +%H:%M:%S.%N)
as_saver xscreensaver-command -activate >/dev/null
pictures() { grep -c 'first picture shown' "$CASE_DIR/daemon.log" || true; }
deadline=$((SECONDS + 10))
until [ "$(hacks | wc -l)" = 2 ] && [ "$(pictures)" -ge 2 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "$(hacks | wc -l) hacks, $(pictures) pictures after -activate"
  sleep 0.1
done
# The time of the later of the two first pictures after -activate (GLib's debug lines carry the time).
first_picture=$(grep 'first picture shown' "$CASE_DIR/daemon.log" | sed -E 's/.*DEBUG: ([0-9:.]+):.*/\1/' |
  awk -v a="$activated" 'function ms(t, p) { split(t, p, ":"); return (p[1] * 3600 + p[2] * 60 + p[3]) * 1000 }
                         { d = ms($1) - ms(a); if (d > m) m = d } END { printf "%d", m }')

charts_on_both_monitors

# What each hack costs, a few seconds after its start.
ticks=$(getconf CLK_TCK)
for pid in $(hacks); do
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  cpu=$(awk -v t="$ticks" '{ printf "%.2f", ($14 + $15) / t }' "/proc/$pid/stat")
  echo "     hack $pid: resident ${rss} kB, CPU ${cpu} s since its start"
done

deactivated=$(now_ms)
as_saver xscreensaver-command -deactivate >/dev/null
deadline=$((SECONDS + 5))
while [ -n "$(hacks)" ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the hacks still run 5 s after -deactivate"
  sleep 0.05
done
ended=$(($(now_ms) - deactivated))
[ "$ended" -le 2000 ] || fail "the hacks ended ${ended} ms after -deactivate"
pass "two hacks, a chart on each monitor; first pictures ${first_picture} ms after -activate, both gone ${ended} ms after -deactivate"
