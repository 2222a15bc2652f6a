#!/usr/bin/env bash
# Fuzzes the settings reader, the checks and the chart update for a bounded time (KELO_FUZZ_SECONDS,
# default 60) under AddressSanitizer and UndefinedBehaviorSanitizer; a crash, a hang, a leak or a
# sanitizer report fails the run and leaves the input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${KELO_FUZZ_SECONDS:-60}
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKELO_FUZZ=ON -DKELO_SANITIZE=ON -DKELO_BUILD_TESTS=OFF -DKELO_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target kelo_fuzz_settings

# Seeds: the shipped settings and every reference chart's settings.
corpus=build-fuzz/corpus
mkdir -p "$corpus" build-fuzz/findings
cp assets/KELO.INI "$corpus/shipped.ini"
for f in tests/data/charts/*/KELO.INI; do cp "$f" "$corpus/$(basename "$(dirname "$f")").ini"; done

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build-fuzz/bin/kelo_fuzz_settings -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "$corpus"
