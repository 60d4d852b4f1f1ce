#!/usr/bin/env bash
# Starts the installed program (dist/tavik, from `cmake --install build --prefix
# dist`) under Xvfb and saves a PNG of its main window.
#   scripts/screenshot.sh [out.png] [--calculate | --context-menu] [program]
# With --calculate the program runs from a scratch copy of its folder, holding
# a saved new moon and observation time, and the screenshot is taken after
# "Utolsó Újhold" and "Megfigyelés" have been clicked. With --context-menu
# the saved new moon is loaded, the new-moon box is right-clicked, and the
# shot shows the window with the box's context menu open (in Hungarian when
# Qt's translation is installed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-screenshot.png}")
calculate=""
menu_shot=""
if [ "${2:-}" = "--calculate" ]; then calculate=1; shift; fi
if [ "${2:-}" = "--context-menu" ]; then menu_shot=1; shift; fi
program=$(realpath -m "${2:-$root/dist/tavik}")
if [ ! -x "$program" ]; then
  echo "No $program: build and install first (cmake --install build --prefix dist)." >&2
  exit 1
fi

if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
  exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$root/scripts/screenshot.sh" "$out" ${calculate:+--calculate} ${menu_shot:+--context-menu} "$program"
fi

if [ -n "$calculate$menu_shot" ]; then
  scratch=$(mktemp -d)
  cp -r "$(dirname "$program")/Pic" "$scratch/"
  cp "$program" "$scratch/"
  printf '2024.01.11 12:57\r\n' > "$scratch/Pic/ujhold.txt"
  printf '2024.01.14 07:37\r\n' > "$scratch/Pic/utolso.txt"
  program="$scratch/$(basename "$program")"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; [ -n "${scratch:-}" ] && rm -rf "$scratch"' EXIT
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

read -r left top width height < <(xwininfo -id "$id" |
  awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
       /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
menu=$((height - 390))   # the client area is 390 pixels high, under the menu bar

# Clicks at screen points: click BUTTON X Y [X Y ...] (1 left, 3 right).
click() {
  python3 - "$@" <<'PY'
import ctypes, sys, time
x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
display = x11.XOpenDisplay(None)
button = int(sys.argv[1])
args = [int(a) for a in sys.argv[2:]]
for x, y in zip(args[0::2], args[1::2]):
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    xtst.XTestFakeButtonEvent(display, button, True, 0)
    xtst.XTestFakeButtonEvent(display, button, False, 0)
    x11.XFlush(display)
    time.sleep(0.5)
PY
}

if [ -n "$calculate" ]; then
  # Button centres in client pixels: "Utolsó Újhold", then "Megfigyelés".
  click 1 "$((left + 512))" "$((top + menu + 184))" "$((left + 512))" "$((top + menu + 344))"
  sleep 0.5
fi
if [ -n "$menu_shot" ]; then
  # "Utolsó Újhold" fills the new-moon box, Text11, which is then
  # right-clicked near its left end, so that its menu opens within the window.
  click 1 "$((left + 512))" "$((top + menu + 184))"
  click 3 "$((left + 462))" "$((top + menu + 93))"
  sleep 0.5
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out"
  echo "Saved $out"
  exit 0
fi
import -window "$id" "$out"
echo "Saved $out"
