#include "newmoons.h"

#include <observation.h>

#include <swephexp.h>

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

}  // namespace tavik::almanac
