#!/usr/bin/env bash
# Makes maps/data/coastlines.bin and maps/data/borders.bin, the shore lines
# and the country borders the visibility maps draw, from GSHHG's low
# resolution data set (Debian: gmt-gshhg-low, read through gmt), and the
# intermediate level (about a kilometre) the map window draws when zoomed in:
# maps/data/shores_i.bin (the sea's shores), lakes_i.bin (the lakes with their
# islands and ponds, as closed rings to fill) and borders_i.bin. Run it only
# when the data set changes: the files are kept in the repository, so that
# building needs neither gmt nor the data set. DETAIL=h takes GSHHG's high
# level (gmt-gshhg-high) for the close views instead, some four times larger.
#
#   scripts/coastlines.sh   (needs: apt-get install gmt gmt-gshhg-low gmt-gshhg-high python3)
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
cd "$tmp"   # gmt leaves its gmt.history where it runs
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
# The close views' lines: pieces cut at gmt's bins joined again, 0.01° apart.
detail=${DETAIL:-i}
gmt coast -R-180/180/-90/90 -D"$detail" -W -M >"$tmp/shores_detail.txt"
gmt coast -R-180/180/-90/90 -D"$detail" -N1 -M >"$tmp/borders_detail.txt"
python3 "$here/scripts/geolines.py" "$tmp/shores_detail.txt" "$out/shores_i.bin" 1 1 --join
python3 "$here/scripts/geolines.py" "$tmp/shores_detail.txt" "$out/lakes_i.bin" 1 2 3 4 --join
python3 "$here/scripts/geolines.py" "$tmp/borders_detail.txt" "$out/borders_i.bin" 1
ls -l "$out"
