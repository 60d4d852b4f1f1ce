#!/usr/bin/env bash
# Installs what is missing, builds Tavik, installs it as a portable folder
# (dist/tavik with dist/Pic beside it) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTAVIK_BUILD_TESTS=OFF -DTAVIK_BUILD_BENCH=OFF
cmake --build build-release -j"$(nproc)"
cmake --install build-release --prefix dist >/dev/null
exec ./dist/tavik
