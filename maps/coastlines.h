// The shore lines (with the lakes) and the country borders of the world,
// from GSHHG's low resolution set (© The GMT Team, LGPL-3+), built into the
// program as a resource.
#pragma once

#include <QList>
#include <QPolygonF>

namespace tavik::maps {

// Lines of (longitude, latitude) points in degrees; read once.
const QList<QPolygonF>& coastlines();
const QList<QPolygonF>& borders();

// The lines of a file made by scripts/coastlines.sh; empty when the bytes
// are not such a file.
QList<QPolygonF> readGeoLines(const QByteArray& bytes);

}  // namespace tavik::maps
