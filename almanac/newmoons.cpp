#include "newmoons.h"

#include <observation.h>

#include <swephexp.h>

#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

// Newton's method on the elongation: its rate (11 to 15 degrees a day) never
// comes near zero, so a handful of steps reach 1e-8 days.
constexpr PeriodicEvent kNewMoon{
    .epoch = 2451550.09766,   // the first mean new moon of 2000 (JDE)
    .period = kSynodicMonth,
    .margin = 2.0,
};

}  // namespace

Elongation moonSunElongation(const Ephemeris& eph, double jdUt)
{
    const auto moon = eph.position(jdUt, SE_MOON, SEFLG_SPEED);
    const auto sun = eph.position(jdUt, SE_SUN, SEFLG_SPEED);
    return Elongation{normalizeDegrees180(moon[0] - sun[0]), moon[3] - sun[3]};
}

double newMoonNear(const Ephemeris& eph, double jdUt)
{
    return refineZero(kNewMoon, jdUt, [&](double t) { return moonSunElongation(eph, t); });
}

QList<double> newMoonsBetween(const Ephemeris& eph, double jdStart, double jdEnd)
{
    return periodicEventsBetween(
        kNewMoon, jdStart, jdEnd, [&](double t) { return moonSunElongation(eph, t); },
        [](double) { return true; });
}

std::pair<double, double> newMoonNearReach(double jdUt)
{
    // Newton's method walks from jdUt to the true new moon, within the margin
    // of the mean one nearest.
    const double mean = kNewMoon.epoch + kNewMoon.period * std::round((jdUt - kNewMoon.epoch) / kNewMoon.period);
    return {std::min(jdUt, mean - kNewMoon.margin), std::max(jdUt, mean + kNewMoon.margin)};
}

std::pair<double, double> newMoonsBetweenReach(double jdStart, double jdEnd)
{
    // The walk starts a lunation before the one of jdStart and refines every
    // mean new moon up to jdEnd and its margin.
    const double first = kNewMoon.epoch + kNewMoon.period * (std::floor((jdStart - kNewMoon.epoch) / kNewMoon.period) - 1);
    return {first - kNewMoon.margin, jdEnd + 2 * kNewMoon.margin};
}

}  // namespace tavik::almanac
