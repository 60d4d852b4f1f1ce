#!/usr/bin/env bash
# Starts the program under Xvfb with a small logbook (docs/logbook-sample.csv,
# imported by tavik-almanac log), opens "Észlelési napló" with Ctrl+E, picks
# the first attempt and saves a PNG of that window.
#   scripts/screenshot-logbook.sh [out.png] [build folder]
set -euo pipefail
. "$(dirname "$0")/shot.sh"
inXvfb 2560x1440 "$@"
out=$(realpath -m "${1:-docs/screenshot-logbook.png}")
build=$(realpath -m "${2:-$root/build}")

newScratch "$build/app/tavik"
mkdir -p "$scratch/data/tavik"
XDG_CONFIG_HOME=/nonexistent "$build/tools/almanac/tavik-almanac" log --db "$scratch/data/tavik/eszlelesek.sqlite" \
  import "$root/docs/logbook-sample.csv" >/dev/null
XDG_CONFIG_HOME=/nonexistent XDG_DATA_HOME="$scratch/data" "$scratch/tavik" &
watchProgram

focusMainWindow
send "Control_L+e"
shot=$(window ' napl')
sleep 1
send "Down"
sleep 1
import -window "$shot" "$out"
echo "Saved $out"
