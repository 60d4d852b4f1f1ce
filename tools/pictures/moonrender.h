// The Moon as seen from Earth: the near side in orthographic projection,
// north up, lit from the side that the phase gives.
#pragma once

#include "lunarsurface.h"

#include <QImage>
#include <QPointF>
#include <QSize>
#include <optional>

namespace tavik::pictures {

inline constexpr double kSynodicDays = 29.53;   // days

// Sun-Moon elongation for a lunar age: 0 at new moon, 180 at full.
double elongationForAge(double ageDays);        // degrees, [0, 360)
// Share of the disc in sunlight, (1 - cos elongation) / 2.
double litShare(double elongationDeg);
// Selenographic longitude of the terminator: the morning one while the
// Moon waxes, the evening one while it wanes.
double terminatorLongitude(double elongationDeg);  // degrees, [-90, 90]

struct DiscGeometry {
    QPointF centre;     // pixels
    double radius = 1;  // pixels
};

// Where a point of the surface appears in the picture; nothing when it lies
// on the far side.
std::optional<QPointF> projectToImage(double latDeg, double lonDeg, const DiscGeometry& disc);

struct MoonLighting {
    double elongationDeg = 180;
    bool even = false;        // the albedo alone, as on a map
    double earthshine = 1;    // 0 turns it off
    double relief = 1.6;      // exaggeration of the normal map's slopes
};

// A grey picture of the Moon on black; supersample² samples a pixel smooth
// the limb and the terminator.
QImage renderMoon(const LunarSurface& surface, const MoonLighting& lighting, QSize size,
                  const DiscGeometry& disc, int supersample = 3);

} // namespace tavik::pictures
