#!/usr/bin/env bash
# The Holdhónapok window under Xvfb, for Szeged with the local Yallop rule,
# in the month of Ramadan 1446 (March 2025), into docs/screenshot-lunarmonths.png.
#   scripts/screenshot-lunarmonths.sh [out.png] [program]
set -euo pipefail
. "$(dirname "$0")/shot.sh"
inXvfb 1600x1200 "$@"
programShot docs/screenshot-lunarmonths.png "$@"
mkdir -p "$scratch/data"
# 2025-03-10 12:00 UTC: the window opens on March 2025.
XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" TZ=Europe/Budapest \
  FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@2025-03-10 12:00:00" "$scratch/$(basename "$program")" &
watchProgram

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
