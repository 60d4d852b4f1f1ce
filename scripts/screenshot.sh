#!/usr/bin/env bash
# Starts the installed program (dist/tavik, from `cmake --install build --prefix
# dist`) under Xvfb and saves a PNG of its main window.
# Usage: scripts/screenshot.sh [out.png] [program]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-screenshot.png}")
program=$(realpath -m "${2:-dist/tavik}")
if [ ! -x "$program" ]; then
  echo "No $program: build and install first (cmake --install build --prefix dist)." >&2
  exit 1
fi

if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
  exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$out" "$program"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# Wait for the main window (its title begins with "Tavik  - ") to be mapped.
id=""
for _ in $(seq 50); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"Tavik  - / {print $1; exit}')
  [ -n "$id" ] && break
  sleep 0.1
done
if [ -z "$id" ]; then
  echo "The main window did not appear." >&2
  exit 1
fi
sleep 1   # let the first frames settle
import -window "$id" "$out"
echo "Saved $out"
