// The shore lines (with the lakes) and the country borders of the world,
// from GSHHG's low resolution set and, for close views, its intermediate one
// (© The GMT Team, LGPL-3+), built into the program as resources.
#pragma once

#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

namespace tavik::maps {

// Lines of (longitude, latitude) points in degrees; read once.
const QList<QPolygonF>& coastlines();
const QList<QPolygonF>& borders();

// Lines cut into short pieces, each with its bounds, so that a close view
// takes only the few pieces it shows.
class GeoLines {
public:
    GeoLines() = default;
    // closed: rings kept whole, to be filled.
    GeoLines(const QList<QPolygonF>& lines, bool closed);
    // The pieces that reach into box, in degrees, as one path.
    QPainterPath within(const QRectF& box) const;
    bool isEmpty() const { return m_pieces.isEmpty(); }

private:
    QList<QPolygonF> m_pieces;
    QList<QRectF> m_bounds;
};

// The same from GSHHG's intermediate level (about a kilometre), for the close
// views: the sea's shores, the lakes with their islands and ponds as closed
// rings (to be filled even-odd), the borders. Read once, when first asked for.
const GeoLines& detailedShores();
const GeoLines& detailedLakes();
const GeoLines& detailedBorders();

// The lines of a file made by scripts/coastlines.sh; empty when the bytes
// are not such a file.
QList<QPolygonF> readGeoLines(const QByteArray& bytes);

}  // namespace tavik::maps
