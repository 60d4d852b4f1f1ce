#!/usr/bin/env bash
# Starts the program under Xvfb with a small logbook (docs/logbook-sample.csv,
# imported by tavik-almanac log), opens "Észlelési napló" with Ctrl+E, picks
# the first attempt and saves a PNG of that window.
#   scripts/screenshot-logbook.sh [out.png] [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-docs/screenshot-logbook.png}")
build=$(realpath -m "${2:-$root/build}")
if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
  exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 2560x1440x24" "$0" "$out" "$build"
fi

scratch=$(mktemp -d)
cp -r "$root/Pic" "$scratch/"
cp "$build/app/tavik" "$scratch/"
mkdir -p "$scratch/data/tavik"
XDG_CONFIG_HOME=/nonexistent "$build/tools/almanac/tavik-almanac" log --db "$scratch/data/tavik/eszlelesek.sqlite" \
  import "$root/docs/logbook-sample.csv" >/dev/null
XDG_CONFIG_HOME=/nonexistent XDG_DATA_HOME="$scratch/data" "$scratch/tavik" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT

send() {
  python3 - "$@" <<'PY'
import ctypes, sys, time
x11 = ctypes.CDLL("libX11.so.6"); xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
d = x11.XOpenDisplay(None)
for arg in sys.argv[1:]:
    if arg.startswith("click:"):
        x, y = map(int, arg[6:].split(","))
        xtst.XTestFakeMotionEvent(d, -1, x, y, 0)
        xtst.XTestFakeButtonEvent(d, 1, True, 0); xtst.XTestFakeButtonEvent(d, 1, False, 0)
    else:
        codes = [x11.XKeysymToKeycode(d, x11.XStringToKeysym(p.encode())) for p in arg.split("+")]
        for c in codes: xtst.XTestFakeKeyEvent(d, c, True, 0); x11.XFlush(d); time.sleep(0.05)
        for c in reversed(codes): xtst.XTestFakeKeyEvent(d, c, False, 0)
    x11.XFlush(d); time.sleep(0.4)
PY
}

window() {
  for _ in $(seq 50); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="$1" 'index($0, t) {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "No window \"$1\"." >&2
  exit 1
}

main=$(window '"Tavik  - ')
sleep 1
read -r left top < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')
send "click:$((left + 100)),$((top + 60))" "Control_L+e"
shot=$(window ' napl')
sleep 1
send "Down"
sleep 1
import -window "$shot" "$out"
echo "Saved $out"
