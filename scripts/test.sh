#!/usr/bin/env bash
# Installs what is missing, builds everything, runs the fuzz targets for a
# bounded time each and then every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
bash scripts/fuzz.sh "${TAVIK_FUZZ_SECONDS:-60}"
ctest --test-dir build --output-on-failure -j"$jobs"
