#!/usr/bin/env bash
# The unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer (any report fails the run).
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs=$(nproc)
compiler=()
if command -v clang++ >/dev/null; then compiler=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++); fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELO_SANITIZE=ON -DKELO_BUILD_BENCH=OFF "${compiler[@]}"
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j"$jobs"
