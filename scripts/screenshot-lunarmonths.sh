#!/usr/bin/env bash
# The Holdhónapok window under Xvfb, for Szeged with the local Yallop rule,
# in the month of Ramadan 1446 (March 2025), into docs/screenshot-lunarmonths.png.
#   scripts/screenshot-lunarmonths.sh [out.png] [program]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-docs/screenshot-lunarmonths.png}")
program=$(realpath -m "${2:-$root/build/app/tavik}")
if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
  exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$out" "$program"
fi

scratch=$(mktemp -d)
cp -r "$root/Pic" "$scratch/"
cp "$program" "$scratch/"
mkdir -p "$scratch/config/tavik" "$scratch/data"
printf '[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\nelevation=80\ntimezone=Europe/Budapest\n' \
  > "$scratch/config/tavik/tavik.conf"
# 2025-03-10 12:00 UTC: the window opens on March 2025.
XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" TZ=Europe/Budapest \
  FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@2025-03-10 12:00:00" "$scratch/$(basename "$program")" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT

. "$root/scripts/xwindow.sh"

focusMainWindow
send "Control_L+Shift_L+h"
shot=$(window "Holdhónapok")
send "resize:$shot,1000,680"
sleep 2
# The rule: Yallop (helyi), the fourth of the list.
send "Alt_L+s" "Down" "Down" "Down"
sleep 4
import -window "$shot" "$out"
echo "Saved $out"
