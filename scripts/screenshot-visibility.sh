#!/usr/bin/env bash
# Starts the program (build/app/tavik by default) under Xvfb with Szeged as the
# observing site, opens "Holdsarló láthatósága" with Ctrl+T, types an evening
# into its time box and saves a PNG of that window; with "site" last, the
# site window opened from the visibility window's button instead, and with
# "map" the window's map page. A time of "-" types none: the window shows
# the coming evening's chance. TAVIK_SHOT_NOW sets the program's clock
# (faketime, local time of Budapest, for example "2025-12-21 14:30:00"),
# TAVIK_SHOT_SCALE its scale factor. LANG=en_US.UTF-8 takes the English window.
#   scripts/screenshot-visibility.sh [out.png] [program] [time] [site|map|mapwindow]
# With "mapwindow": the crescent map window opened from its "Térkép…" button,
# filling the screen.
set -euo pipefail
. "$(dirname "$0")/shot.sh"
inXvfb 1600x1200 "$@"
programShot docs/screenshot-visibility.png "$@"
when=${3:-2025.05.28 20:55}
which=${4:-visibility}
clock=()
if [ -n "${TAVIK_SHOT_NOW:-}" ]; then
  clock=(env FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@$TAVIK_SHOT_NOW")
fi
XDG_CONFIG_HOME="$scratch/config" TZ=Europe/Budapest QT_SCALE_FACTOR="${TAVIK_SHOT_SCALE:-1}" \
  "${clock[@]}" "$scratch/$(basename "$program")" &
watchProgram

focusMainWindow
# Under an English locale (LANG=en_US.UTF-8) the windows have their English
# titles and access keys.
title='Holdsarl'
timekey='Alt_L+i'
mapkey='Alt_L+r'
tabkey='Alt_L+t'
maptitle='Holdsarló-térkép'
case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in
  en*) title='Crescent visibility'; timekey='Alt_L+t'; mapkey='Alt_L+p'; tabkey='Alt_L+m'; maptitle='Crescent map' ;;
esac
send "Control_L+t"
shot=$(window "$title")
sleep 1
if [ "$when" != - ]; then
  send "$timekey" "Control_L+a" "text:$when" "Return"
fi
sleep 2
if [ "$which" = map ]; then
  send "$tabkey"
  sleep 4
fi
if [ "$which" = mapwindow ]; then
  # The map window from the "Térkép…" button, filling the screen, two evenings,
  # the mouse over the first.
  send "$mapkey"
  shot=$(window "$maptitle")
  send "resize:$shot,1600,1200"
  sleep 1
  send "Alt_L+e" "Up"
  sleep 4
  # The mouse over the first map, at either scale.
  send "move:560,420"
  sleep 1
fi
if [ "$which" = site ]; then
  send "Alt_L+h"
  shot=$(window 'Megfigyel')
  sleep 1
fi
import -window "$shot" "$out"
echo "Saved $out"
