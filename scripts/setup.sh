#!/usr/bin/env bash
# Installs everything Kelo needs to build, run and test on a fresh Debian machine (as root), then
# builds it into build/ (build/bin/kelo, build/bin/kelo-chart).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq \
  build-essential g++ cmake pkg-config git ca-certificates \
  googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
  clang libclang-rt-14-dev \
  libcairo2-dev libfreetype-dev libfontconfig-dev libgtk-3-dev \
  python3 python3-fonttools fonts-dejavu-core \
  xvfb xauth xdotool x11-utils imagemagick \
  g++-mingw-w64-x86-64 wine wine64 \
  ccache xscreensaver x11-xserver-utils tzdata unicode-cldr-core \
  nsis lintian appstream desktop-file-utils librsvg2-bin \
  libgtk-layer-shell-dev sway grim wtype swayidle foot mutter dbus-daemon

# The build, so that build/bin/kelo runs right after the set-up.
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
