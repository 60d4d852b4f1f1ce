#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, checks the
# Debian package and then runs the fuzz targets for a bounded time each: a
# failing test shows in seconds, before the fuzzers' minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TAVIK_CMAKE_ARGS:-}
cmake --build build -j"$jobs"
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
ctest --test-dir build --output-on-failure -j"$jobs" | tee "$summary"
bash scripts/package.sh build
bash scripts/fuzz.sh "${TAVIK_FUZZ_SECONDS:-60}"
# The tests' count once more, last, after the package check and the fuzzers.
awk '/tests passed, [0-9]+ tests failed out of/ {
  printf "tests: %d passed, %d failed\n", $NF - $4, $4
}' "$summary"
