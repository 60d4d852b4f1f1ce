# Packs the lines gmt coast -M prints into the file maps/coastlines.cpp
# reads, for scripts/coastlines.sh:
#   python3 geolines.py IN.txt OUT.bin THINNING [LEVEL...] [--join]
# THINNING: hundredths of a degree; a point closer than that to the last one
# kept is left out, but a line keeps its last point. LEVEL: GSHHG levels to
# keep (the "Level n" of gmt's segment headers); none: every segment.
# --join: pieces cut at gmt's bin edges joined end to end again, so that a
# lake is one closed ring that can be filled. Lines of fewer than three
# distinct points once thinned (a lake or an island smaller than the
# thinning) and jumps across the antimeridian are left out.
import re, struct, sys

path, out, thinning = sys.argv[1], sys.argv[2], int(sys.argv[3])
levels = {int(a) for a in sys.argv[4:] if a.isdigit()}
join = '--join' in sys.argv

pieces, points, keep = [], [], True
for text in open(path):
    if text.startswith('>'):
        if keep and len(points) > 1:
            pieces.append(points)
        m = re.search(r'Level (\d)', text)
        keep = not levels or (m is not None and int(m.group(1)) in levels)
        points = []
        continue
    lon, lat = (round(float(v) * 100) for v in text.split()[:2])
    if points and (lon, lat) == points[-1]:
        continue
    if points and abs(lon - points[-1][0]) > 18000:   # across the antimeridian: a new line
        if len(points) > 1:
            pieces.append(points)
        points = []
    points.append((lon, lat))
if keep and len(points) > 1:
    pieces.append(points)

if join:
    # End to end: a piece whose last point is another's first goes on with it.
    starts = {}
    for i, p in enumerate(pieces):
        starts.setdefault(p[0], []).append(i)
    used = [False] * len(pieces)
    joined = []
    for i, p in enumerate(pieces):
        if used[i]:
            continue
        used[i] = True
        line = list(p)
        while line[0] != line[-1]:
            nxt = [j for j in starts.get(line[-1], []) if not used[j]]
            if not nxt:
                break
            used[nxt[0]] = True
            line.extend(pieces[nxt[0]][1:])
        joined.append(line)
    pieces = joined

lines = []
for p in pieces:
    kept = [p[0]]
    for q in p[1:-1]:
        if max(abs(q[0] - kept[-1][0]), abs(q[1] - kept[-1][1])) >= thinning:
            kept.append(q)
    if p[-1] != kept[-1]:
        kept.append(p[-1])
    if len(set(kept)) >= (3 if p[0] == p[-1] else 2):
        lines.append(kept)
parts = [line[start:start + 65535] for line in lines for start in range(0, len(line), 65534)]
with open(out, 'wb') as f:
    f.write(b'TVKL' + struct.pack('<I', len(parts)))
    for part in parts:
        f.write(struct.pack('<H', len(part)))
        f.write(b''.join(struct.pack('<hh', *p) for p in part))
print(out, len(parts), 'lines', sum(len(p) for p in parts), 'points')
