#!/usr/bin/env bash
# The installed program (KELO_PREFIX, from cmake --install): XScreenSaver's description, the MATE screen
# saver's entry, and the hack's link among XScreenSaver's hacks, which still finds the installed
# settings and font in <prefix>/share/kelo.
source "$(dirname "$0")/lib.sh"
: "${KELO_PREFIX:?}"

xml=$KELO_PREFIX/share/xscreensaver/config/kelo.xml
desktop=$KELO_PREFIX/share/applications/screensavers/kelo.desktop
link=$KELO_PREFIX/libexec/xscreensaver/kelo
[ -f "$xml" ] || fail "no $xml"
[ -f "$desktop" ] || fail "no $desktop"
[ "$(readlink "$link")" = ../../bin/kelo ] || fail "$link -> $(readlink "$link")"
python3 - "$xml" <<'PY' || fail "kelo.xml does not describe the hack"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "screensaver" and root.get("name") == "kelo" and root.get("_label") == "Kelo"
assert root.find("command").get("arg") == "--root"
assert "chart" in root.find("_description").text
PY
for line in 'Exec=kelo --root' 'TryExec=kelo' 'Categories=Screensaver;'; do
  grep -qxF "$line" "$desktop" || fail "kelo.desktop lacks $line"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "kelo.desktop is not valid"
fi

# Started through the link, with a user who has no settings yet: the installed defaults are found.
xev -geometry 400x300+100+100 -name kelo-host >/dev/null 2>&1 &
STARTED_PIDS+=("$!")
wait_for_window kelo-host 10
export XDG_CONFIG_HOME=$CASE_DIR/config
"$link" --window-id "$WINDOW" >"$CASE_DIR/linked.log" 2>&1 &
KELO_PID=$!
STARTED_PIDS+=("$KELO_PID")
wait_for_log linked "first picture shown" 1 10
[ -f "$XDG_CONFIG_HOME/kelo/KELO.INI" ] || fail "the user's settings were not made from the installed default"
grep -q 'Not Found' "$CASE_DIR/linked.log" && fail "the linked hack did not find its settings"
colours=$(screenshot linked 400x300+100+100)
[ "$colours" -ge 50 ] || fail "the window shows $colours colours, not a chart"
kill -TERM "$KELO_PID"
wait_for_exit "$KELO_PID" 2
pass "kelo.xml, kelo.desktop and the link ../../bin/kelo installed; the linked hack draws with the installed files"
