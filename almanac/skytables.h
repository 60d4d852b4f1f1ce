// The Sun's and the Moon's geocentric places over a few days, taken from
// the ephemeris once an hour and interpolated, so that the places of a world
// map need no call into the library (which is neither quick nor safe to
// call from several threads).
#pragma once

#include "ephemeris.h"

#include <algorithm>
#include <cmath>
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

// The four-point Lagrange weights at p, counted from the second node.
inline void lagrangeWeights(double p, double w[4])
{
    constexpr double sixth = 1.0 / 6.0;   // a product: a division would cost more than the rest
    w[0] = -p * (p - 1.0) * (p - 2.0) * sixth;
    w[1] = (p + 1.0) * (p - 1.0) * (p - 2.0) * 0.5;
    w[2] = -(p + 1.0) * p * (p - 2.0) * 0.5;
    w[3] = (p + 1.0) * p * (p - 1.0) * sixth;
}

class SkyTables {
public:
    // Hourly from first to last (UT1 Julian days). Throws EphemerisError.
    SkyTables(const Ephemeris& eph, double first, double last);

    // Valid for first + 1 h <= jdUt <= last - 2 h; clamped outside.
    EquatorialPlace moon(double jdUt) const { return place(jdUt, kMoon); }
    // Both bodies' places as vectors and the sidereal time (Greenwich
    // apparent, radians, not reduced to one turn) at one moment, from one set
    // of interpolation weights, the vectors interpolated by their components.
    void vectorsAt(double jdUt, EquatorialVector& moon, EquatorialVector& sun, double& sidereal) const;

    // The body's place (AU) in the frame turning with the Earth: x towards
    // the Greenwich meridian on the equator, y towards 90° east, z to the
    // pole. Tabulated every five minutes from the places and the sidereal time
    // above, so that a place on the ground turns it by its longitude alone,
    // without a sine and cosine of the moment.
    EquatorialVector turningAt(double jdUt, bool moon) const;
    // Both bodies at once, from one set of weights: the same numbers as two
    // calls of turningAt.
    void turningBothAt(double jdUt, EquatorialVector& moon, EquatorialVector& sun) const;

    double first() const { return m_first; }
    double last() const { return m_first + (m_count - 1) * kStep; }

private:
    static constexpr double kStep = 1.0 / 24.0;   // days
    static constexpr int kSun = 0;
    static constexpr int kMoon = 3;
    static constexpr int kSidereal = 6;   // then the Sun's vector, then the Moon's
    static constexpr int kColumns = 13;
    static constexpr double kTurningPerDay = 288.0;   // nodes a day
    static constexpr int kTurningColumns = 6;         // the Sun, then the Moon

    EquatorialPlace place(double jdUt, int column) const;
    // The four-point Lagrange weights and the first node for the moment.
    int weights(double jdUt, double w[4]) const;
    int turningWeights(double jdUt, double w[4]) const;
    // Either table's: x counted in nodes from the first, count nodes.
    static int nodeWeights(double x, int count, double w[4]);
    // N columns from v on, summed over four nodes a row of `stride` apart.
    template <int N>
    static void interpolate(const double* v, int stride, const double w[4], double* out);

    double m_first = 0;
    int m_count = 0;
    std::vector<double> m_values;   // kColumns a node
    int m_turningCount = 0;
    std::vector<double> m_turning;  // kTurningColumns a node, from m_first
};

// Inline: a map's places call them a few times each, millions of times.
template <int N>
inline void SkyTables::interpolate(const double* v, int stride, const double w[4], double* out)
{
    // Unrolled, so that the sums stay in registers.
    double sum[N] = {};
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k, v += stride) {
#pragma GCC unroll 8
        for (int c = 0; c < N; ++c)
            sum[c] += w[k] * v[c];
    }
#pragma GCC unroll 8
    for (int c = 0; c < N; ++c)
        out[c] = sum[c];
}

inline int SkyTables::nodeWeights(double x, int count, double w[4])
{
    const int i = std::clamp(int(std::floor(x)), 1, count - 3);
    lagrangeWeights(x - i, w);   // [0, 1) inside the table
    return i - 1;
}

inline int SkyTables::turningWeights(double jdUt, double w[4]) const
{
    return nodeWeights((jdUt - m_first) * kTurningPerDay, m_turningCount, w);
}

inline EquatorialVector SkyTables::turningAt(double jdUt, bool moon) const
{
    double w[4], out[3];
    const int node = turningWeights(jdUt, w);
    interpolate<3>(&m_turning[std::size_t(node) * kTurningColumns + (moon ? 3 : 0)], kTurningColumns, w, out);
    return EquatorialVector{out[0], out[1], out[2]};
}

inline void SkyTables::turningBothAt(double jdUt, EquatorialVector& moon, EquatorialVector& sun) const
{
    double w[4], out[6];
    const int node = turningWeights(jdUt, w);
    interpolate<6>(&m_turning[std::size_t(node) * kTurningColumns], kTurningColumns, w, out);
    sun = EquatorialVector{out[0], out[1], out[2]};
    moon = EquatorialVector{out[3], out[4], out[5]};
}

}  // namespace tavik::almanac
