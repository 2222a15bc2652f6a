#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests, then each extra step in scripts/test.d/
# (sanitizers, fuzzing, end-to-end, Windows under Wine), in name order.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
for step in scripts/test.d/*.sh; do
  [ -e "$step" ] || continue
  echo "== $step"
  bash "$step"
done
echo "all tests passed"
