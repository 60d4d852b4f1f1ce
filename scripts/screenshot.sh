#!/usr/bin/env bash
# Starts the installed program (dist/tavik, from `cmake --install build --prefix
# dist`) under Xvfb and saves a PNG of its main window.
#   scripts/screenshot.sh [out.png] [--calculate] [program]
# With --calculate the program runs from a scratch copy of its folder, holding
# a saved new moon and observation time, and the screenshot is taken after
# "Utolsó Újhold" and "Megfigyelés" have been clicked.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-screenshot.png}")
calculate=""
if [ "${2:-}" = "--calculate" ]; then calculate=1; shift; fi
program=$(realpath -m "${2:-$root/dist/tavik}")
if [ ! -x "$program" ]; then
  echo "No $program: build and install first (cmake --install build --prefix dist)." >&2
  exit 1
fi

if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
  exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$root/scripts/screenshot.sh" "$out" ${calculate:+--calculate} "$program"
fi

if [ -n "$calculate" ]; then
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

if [ -n "$calculate" ]; then
  read -r left top height < <(xwininfo -id "$id" |
    awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} /Height:/ {h = $NF}
         END {print x, y, h}')
  menu=$((height - 390))   # the client area is 390 pixels high, under the menu bar
  # Button centres in client pixels: "Utolsó Újhold", then "Megfigyelés".
  python3 - "$((left + 512))" "$((top + menu + 184))" "$((left + 512))" "$((top + menu + 344))" <<'PY'
import ctypes, sys, time
x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
display = x11.XOpenDisplay(None)
args = [int(a) for a in sys.argv[1:]]
for x, y in zip(args[0::2], args[1::2]):
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    xtst.XTestFakeButtonEvent(display, 1, True, 0)
    xtst.XTestFakeButtonEvent(display, 1, False, 0)
    x11.XFlush(display)
    time.sleep(0.5)
PY
  sleep 0.5
fi
import -window "$id" "$out"
echo "Saved $out"
