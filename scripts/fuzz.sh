#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a bounded
# time; any crash, sanitizer report or broken property fails the run. Prints the
# number of runs each target reached.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${TAVIK_FUZZ_BUILD:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVIK_FUZZ_ONLY=ON -DTAVIK_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_datetime fuzz_number fuzz_lines fuzz_csv
failed=0
for name in fuzz_datetime fuzz_number fuzz_lines fuzz_csv; do
  t="$build/fuzz/$name"
  corpus="$build/corpus/$name"
  log="$build/$name.log"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] || seeds=""
  echo "== $name for ${seconds}s"
  set +e
  "$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/" "$corpus" $seeds >"$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -oE 'Done [0-9]+ runs' "$log" | tail -1 | grep -oE '[0-9]+' || true)
  echo "   runs: ${runs:-unknown}, exit code $rc"
  if [ "$rc" -ne 0 ] || [ -z "$runs" ] \
     || grep -qE 'ERROR: (libFuzzer|AddressSanitizer|UndefinedBehaviorSanitizer)|runtime error:|property broken' "$log"; then
    echo "!! $name failed; the end of $log:"
    tail -n 40 "$log"
    failed=1
  fi
done
exit "$failed"
