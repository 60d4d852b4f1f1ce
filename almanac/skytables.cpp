#include "skytables.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tavik::almanac {

namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;

// The angle moved by whole turns to lie within half a turn of the previous one.
double unwrapped(double angle, double previous)
{
    return angle + kTurn * std::round((previous - angle) / kTurn);
}

}  // namespace

SkyTables::SkyTables(const Ephemeris& eph, double first, double last)
    : m_first(first), m_count(std::max(4, int(std::ceil((last - first) / kStep)) + 1))
{
    m_values.resize(std::size_t(m_count) * kColumns);
    for (int i = 0; i < m_count; ++i) {
        const double t = m_first + i * kStep;
        double* row = &m_values[std::size_t(i) * kColumns];
        const auto sun = eph.position(t, SE_SUN, SEFLG_EQUATORIAL);
        const auto moon = eph.position(t, SE_MOON, SEFLG_EQUATORIAL);
        row[kSun] = sun[0] * kDegree;
        row[kSun + 1] = sun[1] * kDegree;
        row[kSun + 2] = sun[2];
        row[kMoon] = moon[0] * kDegree;
        row[kMoon + 1] = moon[1] * kDegree;
        row[kMoon + 2] = moon[2];
        row[kSidereal] = swe_sidtime(t) * 15.0 * kDegree;
        if (i > 0) {
            const double* before = row - kColumns;
            for (int c : {kSun, kMoon, kSidereal})
                row[c] = unwrapped(row[c], before[c]);
        }
        for (const auto& [place, vector] : {std::pair{kSun, kSidereal + 1}, std::pair{kMoon, kSidereal + 4}}) {
            const double ra = row[place], dec = row[place + 1], dist = row[place + 2];
            row[vector] = dist * std::cos(dec) * std::cos(ra);
            row[vector + 1] = dist * std::cos(dec) * std::sin(ra);
            row[vector + 2] = dist * std::sin(dec);
        }
    }
    // The sky turning with the Earth moves a quarter of a degree in a
    // minute: every five minutes, the four-point interpolation stays within
    // 1e-8 radians of turning each moment by its own sidereal time.
    m_turningCount = std::max(4, int(std::floor((this->last() - m_first) * kTurningPerDay)) + 1);
    m_turning.resize(std::size_t(m_turningCount) * kTurningColumns);
    for (int i = 0; i < m_turningCount; ++i) {
        EquatorialVector moon, sun;
        double sidereal = 0;
        vectorsAt(m_first + i / kTurningPerDay, moon, sun, sidereal);
        const double c = std::cos(sidereal), s = std::sin(sidereal);
        double* row = &m_turning[std::size_t(i) * kTurningColumns];
        int k = 0;
        for (const EquatorialVector& e : {sun, moon}) {
            row[k++] = e.x * c + e.y * s;
            row[k++] = e.y * c - e.x * s;
            row[k++] = e.z;
        }
    }
}

int SkyTables::weights(double jdUt, double w[4]) const
{
    return nodeWeights((jdUt - m_first) / kStep, m_count, w);
}

EquatorialPlace SkyTables::place(double jdUt, int column) const
{
    double w[4], out[3];
    const int node = weights(jdUt, w);
    interpolate<3>(&m_values[std::size_t(node) * kColumns + column], kColumns, w, out);
    return EquatorialPlace{out[0], out[1], out[2]};
}

void SkyTables::vectorsAt(double jdUt, EquatorialVector& moon, EquatorialVector& sun, double& sidereal) const
{
    double w[4], out[7];
    const int node = weights(jdUt, w);
    interpolate<7>(&m_values[std::size_t(node) * kColumns + kSidereal], kColumns, w, out);
    sidereal = out[0];
    sun = EquatorialVector{out[1], out[2], out[3]};
    moon = EquatorialVector{out[4], out[5], out[6]};
}

}  // namespace tavik::almanac
