// The crescent criteria as plain formulas of the angles, shared by the
// per-site report (crescents.cpp) and the world map (visibilitymap.cpp), so
// that both grade a crescent alike.
#pragma once

#include <cmath>
#include <numbers>

namespace tavik::almanac {

// The Earth's equatorial radius as the Swiss Ephemeris takes it (IERS 2003),
// so that the report and the map see the same parallax.
inline constexpr double kEarthRadiusKm = 6378.1366;
inline constexpr double kAuKm = 149597870.7;
inline constexpr double kEarthRadiusAu = kEarthRadiusKm / kAuKm;
inline constexpr double kMoonRadiusInEarthRadii = 0.27245;

// The crescent's width in arc minutes: the semi-diameter, grown by the
// Moon's altitude as seen from the site, times 1 - cos(elongation).
// moonDistAu: geocentric distance; moonAltitude, arcl: degrees.
inline double crescentWidthArcmin(double moonDistAu, double moonAltitude, double arcl)
{
    constexpr double deg = std::numbers::pi / 180.0;
    const double parallax = std::asin(kEarthRadiusKm / (moonDistAu * kAuKm)) / deg * 60.0;   // arcmin
    const double sd = kMoonRadiusInEarthRadii * parallax;
    const double sdTopo = sd * (1.0 + std::sin(moonAltitude * deg) * std::sin(parallax / 60.0 * deg));
    return sdTopo * (1.0 - std::cos(arcl * deg));
}

// The same width from the sines the world map has at hand: of the Moon's
// horizontal parallax and altitude, and the versine (1 - cos) of the
// elongation. It differs from the above in the last bits only.
inline double crescentWidthFromSines(double sinParallax, double sinMoonAltitude, double versineArcl)
{
    constexpr double arcmin = 60.0 * 180.0 / std::numbers::pi;
    // The parallax (a degree at most) by the arcsine's series, whose next
    // term is below a thousandth of the last bit.
    const double x2 = sinParallax * sinParallax;
    const double parallax =
        sinParallax
        * (1.0 + x2 * (1.0 / 6.0 + x2 * (3.0 / 40.0 + x2 * (5.0 / 112.0 + x2 * (35.0 / 1152.0 + x2 * (63.0 / 2816.0))))));
    const double sd = kMoonRadiusInEarthRadii * parallax * arcmin;
    return sd * (1.0 + sinMoonAltitude * sinParallax) * versineArcl;
}

// The least ARCV (degrees) for a sighting, a cubic in the width W' (arc
// minutes), with Yallop's constant.
inline double leastArcv(double width)
{
    return 11.8371 - 6.3226 * width + 0.7319 * width * width - 0.1018 * width * width * width;
}

// Yallop: the ARCV there is against the least one, in tenths; q > 0.216
// easily seen ... q <= -0.293 not at all.
inline double yallopQOf(double arcv, double width)
{
    return (arcv - leastArcv(width)) / 10.0;
}

// Odeh (Experimental Astronomy 18, 2004, section 5): the same cubic with
// 7.1651 for its constant, applied to the topocentric airless ARCV and the
// topocentric width, and not divided by ten.
inline double odehVOf(double topoArcv, double topoWidth)
{
    return topoArcv - (leastArcv(topoWidth) - 11.8371 + 7.1651);
}

}  // namespace tavik::almanac
