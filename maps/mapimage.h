// The picture of a visibility map: equirectangular, the places in the
// legend's colours, shore lines and borders, a graticule every 30°, the
// observer's site; for a file, with the Hungarian title above and the
// legend below.
#pragma once

#include "ephemeris.h"
#include "visibilitymap.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace tavik::maps {

using tavik::almanac::Site;
using tavik::almanac::VisibilityMap;

// A part of the world: degrees, west to east, south to north.
struct GeoRect {
    double west, south, east, north;
    double width() const { return east - west; }
    double height() const { return north - south; }
};
inline constexpr GeoRect kWorld{-180.0, -90.0, 180.0, 90.0};
inline constexpr GeoRect kEurope{-30.0, 25.0, 50.0, 72.0};

// The places as one pixel each, row 0 the northernmost.
QImage cellImage(const VisibilityMap& map);

// The region of the map (cells made by cellImage) drawn into target, with
// the lines over it and the site marked where it falls inside.
void paintMap(QPainter& painter, const QRectF& target, const QImage& cells, const GeoRect& region,
              const std::optional<Site>& site);

// "Holdsarló láthatósága 2025.05.27. este – Yallop-féle q – együttállás:
// 2025.05.27 03:02 UT".
QString mapTitle(const VisibilityMap& map);

// The whole picture for a file: title, the world mapWidth pixels wide (and
// half as high), legend.
QImage mapPicture(const VisibilityMap& map, const std::optional<Site>& site, int mapWidth = 1440);

// The picture as PNG bytes (or in another format Qt writes, named as
// QImageWriter names it); empty when it cannot be encoded.
QByteArray pngBytes(const QImage& image, const char* format = "PNG");

}  // namespace tavik::maps
