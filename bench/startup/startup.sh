#!/usr/bin/env bash
# Start-up time, from process start to the first painted frame, under Xvfb:
#   1. Tavik against an empty QMainWindow built the same way;
#   2. Tavik with a 100,000-line ujholdak.txt against the shipped one.
# Usage: bench/startup/startup.sh [build-dir] [runs]
# The build folder needs the targets tavik and startup_minimal; the program is
# copied beside a Pic folder in a scratch folder for each case.
set -euo pipefail
export LC_ALL=C   # decimal points in the figures
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}

if [ -z "${TAVIK_BENCH_INNER:-}" ]; then
  exec env TAVIK_BENCH_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/shipped/Pic" "$work/long/Pic" "$work/minimal"
cp -r "$root/Pic/." "$work/shipped/Pic/" 2>/dev/null || true
cp -r "$root/Pic/." "$work/long/Pic/" 2>/dev/null || true
cp "$build/app/tavik" "$work/shipped/"
cp "$build/app/tavik" "$work/long/"
cp "$build/bench/startup/startup_minimal" "$work/minimal/"

# 100,000 new moons a synodic month apart, in the list's own form, CR LF ended.
awk 'BEGIN {
  srand(1)
  for (i = 0; i < 100000; i++) {
    s = 1262304000 - int(i * 29.53058868 * 86400) + int(rand() * 3600)
    printf "%s\r\n", strftime("%Y.%m.%d %H:%M", s, 1)
  }
}' > "$work/long/Pic/ujholdak.txt"

# Microseconds from just before exec to the first painted frame.
one_run() {
  local start end
  start=$(date +%s%N)
  end=$(TAVIK_EXIT_AFTER_FIRST_PAINT=1 "$1" | awk '/^first-paint-ns/ {print $2}')
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{a[NR] = $1} END {m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.1f", m / 1000}'; }

# The three programs take turns, so that a busy moment of the machine falls on
# all of them alike.
for prog in "$work/minimal/startup_minimal" "$work/shipped/tavik" "$work/long/tavik"; do
  TAVIK_EXIT_AFTER_FIRST_PAINT=1 "$prog" >/dev/null   # warms the file cache
done
: >"$work/minimal.txt"; : >"$work/shipped.txt"; : >"$work/long.txt"
for ((i = 0; i < runs; i++)); do
  one_run "$work/minimal/startup_minimal" >>"$work/minimal.txt"
  one_run "$work/shipped/tavik" >>"$work/shipped.txt"
  one_run "$work/long/tavik" >>"$work/long.txt"
done
minimal=$(median <"$work/minimal.txt")
shipped=$(median <"$work/shipped.txt")
long=$(median <"$work/long.txt")
shipped_lines=$( [ -f "$work/shipped/Pic/ujholdak.txt" ] && wc -l < "$work/shipped/Pic/ujholdak.txt" || echo 0)

echo "Start-up to first painted frame, median of $runs runs (ms):"
printf '  empty QMainWindow               %8s\n' "$minimal"
printf '  Tavik, shipped list (%s lines)  %8s   %.2fx the empty window (goal < 1.3x)\n' \
  "$shipped_lines" "$shipped" "$(awk -v a="$shipped" -v b="$minimal" 'BEGIN {print a / b}')"
printf '  Tavik, 100,000-line list        %8s   %.2fx the shipped list (goal < 1.5x)\n' \
  "$long" "$(awk -v a="$long" -v b="$shipped" 'BEGIN {print a / b}')"
