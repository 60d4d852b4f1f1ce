#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a bounded
# time; any crash or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVIK_FUZZ_ONLY=ON -DTAVIK_BUILD_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)"
for t in build-fuzz/fuzz/fuzz_*; do
  [ -x "$t" ] || continue
  name=$(basename "$t")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] || seeds=""
  echo "== $name for ${seconds}s"
  "$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$corpus" $seeds 2>&1 | grep -E 'Done|stat::number_of_executed_units|ERROR|SUMMARY' || true
  test "${PIPESTATUS[0]}" -eq 0
done
