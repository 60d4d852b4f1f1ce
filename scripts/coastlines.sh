#!/usr/bin/env bash
# Makes maps/data/coastlines.bin and maps/data/borders.bin, the shore lines
# and the country borders the visibility maps draw, from GSHHG's low
# resolution data set (Debian: gmt-gshhg-low, read through gmt). Run it only
# when the data set changes: the two files are kept in the repository, so
# that building needs neither gmt nor the data set.
#
#   scripts/coastlines.sh            (needs: apt-get install gmt gmt-gshhg-low python3)
#
# The file: "TVKL", the number of lines (uint32), then for each line its
# number of points (uint16) and the points as longitude and latitude in
# hundredths of a degree (int16 each); little-endian throughout. Points
# closer than 0.05° to the last one kept are left out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/maps/data"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
gmt coast -R-180/180/-90/90 -Dl -W -M >"$tmp/coastlines.txt"
gmt coast -R-180/180/-90/90 -Dl -N1 -M >"$tmp/borders.txt"
for name in coastlines borders; do
  python3 - "$tmp/$name.txt" "$out/$name.bin" <<'PY'
import struct, sys

lines, points = [], []
for text in open(sys.argv[1]):
    if text.startswith('>'):
        if len(points) > 1:
            lines.append(points)
        points = []
        continue
    lon, lat = (round(float(v) * 100) for v in text.split()[:2])
    if points and max(abs(lon - points[-1][0]), abs(lat - points[-1][1])) < 5:
        continue
    points.append((lon, lat))
if len(points) > 1:
    lines.append(points)
parts = [line[start:start + 65535] for line in lines for start in range(0, len(line), 65534)]
with open(sys.argv[2], 'wb') as f:
    f.write(b'TVKL' + struct.pack('<I', len(parts)))
    for part in parts:
        f.write(struct.pack('<H', len(part)))
        f.write(b''.join(struct.pack('<hh', *p) for p in part))
PY
done
ls -l "$out"
