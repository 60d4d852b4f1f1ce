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
ctest --test-dir build --output-on-failure -j"$jobs"
bash scripts/package.sh build
bash scripts/fuzz.sh "${TAVIK_FUZZ_SECONDS:-60}"
