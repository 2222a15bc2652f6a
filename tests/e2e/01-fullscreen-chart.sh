#!/usr/bin/env bash
# The window covers the whole screen and shows the chart: many colours of glyphs, lines and text.
source "$(dirname "$0")/lib.sh"
set_setting 33 3
start_kelo kelo
wait_for_window 'SCRNSAVE KELO' 15
sleep 1
read -r x y w h <<<"$(window_geometry "$WINDOW")"
[ "${w}x${h}" = "$(screen_size)" ] && [ "$x" = 0 ] && [ "$y" = 0 ] ||
  fail "window at $x,$y size ${w}x$h, screen $(screen_size)"
colours=$(screenshot chart)
[ "$colours" -ge 50 ] || fail "the screen shows only $colours colours, not a chart"
# The wheel's white circles and the yellow sign glyphs of the default settings are on the screen.
for colour in '#FFFFFF' '#FFFF00'; do
  has_colour chart "$colour" || fail "no $colour on the screen"
done
xdotool key a
wait_for_exit "$KELO_PID" 5
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "full screen $(screen_size), $colours colours"
