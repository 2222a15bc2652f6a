# Shared by the runs under Wine (scripts/test.d/50-windows.sh, tests/packaging/windows_installer.sh):
# an X server of their own and the Wine prefix started on it. Sourced; the caller exports WINEPREFIX
# and, at its exit, stops the server (its pid in xvfb_pid) and the wineserver.

# start_wine_display FROM: an Xvfb of 1024 x 768 on the first free display number from FROM, DISPLAY
# exported, then the prefix initialised on it. There is no window manager, so Wine places its windows
# itself.
start_wine_display() {
  local display=$1
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
