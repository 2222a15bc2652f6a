#!/usr/bin/env bash
# Windows: cross-builds Kelo.scr, kelo-chart.exe and the unit tests with mingw-w64, then under Wine runs
# the unit tests, compares kelo-chart.exe with the Linux kelo-chart of ./build chart by chart, and runs
# the end-to-end tests of Kelo.scr on an Xvfb display driven by xdotool (tests/win/e2e_*.sh).
# One Wine prefix, made for this run in a temporary folder, serves every step but the screens of other
# sizes and the two monitors (tests/win/e2e_screens.sh), which have a prefix and X servers of their own.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-win -j"$(nproc)"

work=$(mktemp -d /tmp/kelo-windows-XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
xvfb_pid=""
finish() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

# A display of our own (the first free number from 90 on) and the prefix started with it, kept up for
# the whole run.
source tests/win/lib_wine.sh
start_wine_display "${KELO_DISPLAY_FROM:-90}"
wineserver -w
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1

echo "== Windows unit tests under Wine"
data="Z:$(echo "$repo/tests/data" | tr / '\\')"
failed=0
for test in build-win/bin/test_*.exe; do
  if (cd build-win/bin && KELO_TEST_DATA="$data" timeout 300 wine "./$(basename "$test")" --gtest_brief=1 \
      </dev/null >"$work/$(basename "$test").log" 2>&1); then
    echo "ok   $(basename "$test") ($(grep -o '[0-9]* tests\? from [0-9]* test suites\? ran' "$work/$(basename "$test").log" | head -n1))"
  else
    echo "FAIL $(basename "$test")"
    cat "$work/$(basename "$test").log"
    failed=1
  fi
done
[ "$failed" = 0 ]

echo "== kelo-chart.exe against the Linux kelo-chart"
/usr/bin/python3 tests/win/compare_charts.py "${KELO_LINUX_CHART:-build/bin/kelo-chart}" build-win/bin/kelo-chart.exe

echo "== Kelo.scr end to end"
export KELO_WIN_BIN="$repo/build-win/bin" KELO_E2E_WORK="$work/e2e"
mkdir -p "$KELO_E2E_WORK"
for e2e in tests/win/e2e_*.sh; do
  echo "-- $e2e"
  timeout 300 bash "$e2e" 2> >(grep -v 'XGetInputFocus' >&2)
done
echo "Windows: all passed"
