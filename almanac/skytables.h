// The Sun's and the Moon's geocentric places over a few days, taken from
// the ephemeris once an hour and interpolated, so that the places of a world
// map need no call into the library (which is neither quick nor safe to
// call from several threads).
#pragma once

#include "ephemeris.h"

#include <vector>

namespace tavik::almanac {

// Apparent geocentric equatorial place of date: right ascension (radians,
// not reduced to one turn) and declination in radians, distance in AU.
struct EquatorialPlace {
    double ra = 0;
    double dec = 0;
    double dist = 0;
};

// The same place as a vector of the equator of date (AU): x towards the
// equinox, z to the pole.
struct EquatorialVector {
    double x = 0;
    double y = 0;
    double z = 0;
};

class SkyTables {
public:
    // Hourly from first to last (UT1 Julian days). Throws EphemerisError.
    SkyTables(const Ephemeris& eph, double first, double last);

    // Valid for first + 1 h <= jdUt <= last - 2 h; clamped outside.
    EquatorialPlace moon(double jdUt) const { return place(jdUt, kMoon); }
    // The Sun's or the Moon's place as a vector and the sidereal time
    // (Greenwich apparent, radians, not reduced to one turn) at once, from one
    // set of interpolation weights; interpolated by its components, so that a
    // place seen from the ground takes one sine and cosine, of the sidereal time.
    EquatorialVector vectorAt(double jdUt, bool moon, double& sidereal) const;
    // Both bodies and the sidereal time at one moment, from one set of
    // weights: the same numbers as two calls of vectorAt.
    void vectorsAt(double jdUt, EquatorialVector& moon, EquatorialVector& sun, double& sidereal) const;

    double first() const { return m_first; }
    double last() const { return m_first + (m_count - 1) * kStep; }

private:
    static constexpr double kStep = 1.0 / 24.0;   // days
    static constexpr int kSun = 0;
    static constexpr int kMoon = 3;
    static constexpr int kSidereal = 6;
    static constexpr int kSunVector = 7;
    static constexpr int kMoonVector = 10;
    static constexpr int kColumns = 13;

    EquatorialPlace place(double jdUt, int column) const;
    // The four-point Lagrange weights and the first node for the moment.
    int weights(double jdUt, double w[4]) const;

    double m_first = 0;
    int m_count = 0;
    std::vector<double> m_values;   // kColumns a node
};

}  // namespace tavik::almanac
