#!/usr/bin/env bash
# The packages: the Debian package, checked, installed, run and removed again (tests/packaging/
# debian_package.sh), and the Windows installer under Wine, installing and uninstalling silently
# (tests/packaging/windows_installer.sh, after the Windows build of 50-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tests/packaging/debian_package.sh
if [ -f build-win/CMakeCache.txt ] && command -v makensis >/dev/null; then
  bash tests/packaging/windows_installer.sh
else
  echo "no Windows build in build-win or no makensis: the installer test is skipped"
fi
