// A small made-up map of the Moon for the tests: even grey, with optional
// black spots at given selenographic places.
#pragma once

#include "lunarsurface.h"

#include <QImage>
#include <QPointF>
#include <cmath>
#include <numbers>
#include <vector>

namespace tavik::pictures::testing {

struct Spot {
    double latitude;    // degrees
    double longitude;   // degrees
};

inline QImage syntheticMapImage(const std::vector<Spot>& spots = {}, int grey = 170,
                                double spotRadiusDeg = 1.5)
{
    constexpr int kWidth = 720;    // half a degree a pixel
    constexpr int kHeight = 360;
    QImage map(kWidth, kHeight, QImage::Format_RGB32);
    map.fill(qRgb(grey, grey, grey));
    for (const Spot& s : spots) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const double lat = 90.0 - (y + 0.5) * 180.0 / kHeight;
                const double lon = (x + 0.5) * 360.0 / kWidth - 180.0;
                const double dLon = (lon - s.longitude) * std::cos(s.latitude * std::numbers::pi / 180.0);
                if (std::hypot(lat - s.latitude, dLon) <= spotRadiusDeg)
                    map.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
    return map;
}

inline LunarSurface syntheticSurface(const std::vector<Spot>& spots = {})
{
    return *LunarSurface::fromImages(syntheticMapImage(spots));
}

} // namespace tavik::pictures::testing
