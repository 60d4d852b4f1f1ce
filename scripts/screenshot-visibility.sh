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
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-docs/screenshot-visibility.png}")
program=$(realpath -m "${2:-$root/build/app/tavik}")
when=${3:-2025.05.28 20:55}
which=${4:-visibility}
if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
  exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$out" "$program" "$when" "$which"
fi

scratch=$(mktemp -d)
cp -r "$root/Pic" "$scratch/"
cp "$program" "$scratch/"
mkdir -p "$scratch/config/tavik"
printf '[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\nelevation=80\ntimezone=Europe/Budapest\n' \
  > "$scratch/config/tavik/tavik.conf"
clock=()
if [ -n "${TAVIK_SHOT_NOW:-}" ]; then
  clock=(env FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@$TAVIK_SHOT_NOW")
fi
XDG_CONFIG_HOME="$scratch/config" TZ=Europe/Budapest QT_SCALE_FACTOR="${TAVIK_SHOT_SCALE:-1}" \
  "${clock[@]}" "$scratch/$(basename "$program")" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT

window() {
  for _ in $(seq 50); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="$1" 'index($0, t) && !index($0, "\"Tavik  -") {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "No window \"$1\"." >&2
  exit 1
}

# Keys by X keysym name, each pressed with the modifiers before it:
# keys "Control_L+t" "Return" "text:2025.05.28".
keys() {
  python3 - "$@" <<'PY'
import ctypes, sys, time
x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
d = x11.XOpenDisplay(None)
names = {".": "period", ":": "colon", " ": "space", "-": "minus"}
def chord(parts):
    codes = [x11.XKeysymToKeycode(d, x11.XStringToKeysym(p.encode())) for p in parts]
    shift = x11.XKeysymToKeycode(d, x11.XStringToKeysym(b"Shift_L"))
    if parts[-1] == "colon":
        codes.insert(0, shift)
    for c in codes:
        xtst.XTestFakeKeyEvent(d, c, True, 0); x11.XFlush(d); time.sleep(0.05)
    for c in reversed(codes):
        xtst.XTestFakeKeyEvent(d, c, False, 0); x11.XFlush(d); time.sleep(0.05)
for arg in sys.argv[1:]:
    if arg.startswith("text:"):
        for ch in arg[5:]: chord([names.get(ch, ch)])
    else:
        chord(arg.split("+"))
    time.sleep(0.3)
PY
}

for _ in $(seq 50); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Tavik  - ' && break
  sleep 0.1
done
sleep 1
# A click on the main window's banner gives it the keyboard.
main=$(xwininfo -root -tree | awk '/"Tavik  - / {print $1; exit}')
read -r left top < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')
python3 - "$((left + 100))" "$((top + 60))" <<'PY'
import ctypes, sys, time
x11 = ctypes.CDLL("libX11.so.6"); xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
d = x11.XOpenDisplay(None)
xtst.XTestFakeMotionEvent(d, -1, int(sys.argv[1]), int(sys.argv[2]), 0)
xtst.XTestFakeButtonEvent(d, 1, True, 0); xtst.XTestFakeButtonEvent(d, 1, False, 0)
x11.XFlush(d); time.sleep(0.3)
PY
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
keys "Control_L+t"
shot=$(window "$title")
sleep 1
if [ "$when" != - ]; then
  keys "$timekey" "Control_L+a" "text:$when" "Return"
fi
sleep 2
if [ "$which" = map ]; then
  keys "$tabkey"
  sleep 4
fi
if [ "$which" = mapwindow ]; then
  # The map window from the "Térkép…" button, filling the screen, two evenings,
  # the mouse over the first.
  keys "$mapkey"
  shot=$(window "$maptitle")
  python3 - "$shot" <<'PY'
import ctypes, sys, time
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XMoveResizeWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint]
x11.XFlush.argtypes = [ctypes.c_void_p]
d = x11.XOpenDisplay(None)
x11.XMoveResizeWindow(d, int(sys.argv[1], 16), 0, 0, 1600, 1200)
x11.XFlush(d); time.sleep(0.5)
PY
  sleep 1
  keys "Alt_L+e" "Up"
  sleep 4
  # The mouse over the first map, at either scale.
  python3 - <<'PY'
import ctypes, time
x11 = ctypes.CDLL("libX11.so.6"); xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
d = x11.XOpenDisplay(None)
xtst.XTestFakeMotionEvent(d, -1, 560, 420, 0)
x11.XFlush(d); time.sleep(0.5)
PY
  sleep 1
fi
if [ "$which" = site ]; then
  keys "Alt_L+h"
  shot=$(window 'Megfigyel')
  sleep 1
fi
import -window "$shot" "$out"
echo "Saved $out"
