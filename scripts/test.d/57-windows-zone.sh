#!/usr/bin/env bash
# Windows, the system's time zone: the zone tests of the Win32 platform under Wine, once for each zone
# of the Linux process's TZ (Wine's registry zone follows it), with the build-win of 50-windows.sh. The
# charts of line 17 = 1 against the Linux tool are cases of tests/win/compare_charts.py.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -e build-win/bin/test_platform_win32.exe ] || cmake --build build-win -j"$(nproc)" --target test_platform_win32

work=$(mktemp -d /tmp/kelo-windows-zone-XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
wineboot -i >/dev/null 2>&1
wineserver -w

failed=0
for zone in America/New_York Europe/Berlin Asia/Kolkata Pacific/Kiritimati Nowhere/Atlantis; do
  if (cd build-win/bin && TZ=$zone timeout 300 wine ./test_platform_win32.exe --gtest_filter='SystemZone*' \
      --gtest_brief=1 </dev/null >"$work/zone.log" 2>&1); then
    echo "ok   TZ=$zone"
  else
    echo "FAIL TZ=$zone"
    cat "$work/zone.log"
    failed=1
  fi
done
[ "$failed" = 0 ]
echo "Windows zone: all passed"
