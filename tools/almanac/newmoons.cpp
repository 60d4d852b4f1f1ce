#include "newmoons.h"

#include "ephemeris.h"

#include <swephexp.h>

#include <cmath>

namespace tavik::almanac {

namespace {
constexpr double kSynodicMonth = 29.530588861;
constexpr double kMeanNewMoon2000 = 2451550.09766;   // the first mean new moon of 2000 (JDE)
}  // namespace

Elongation moonSunElongation(double jdUt)
{
    double moon[6] = {0}, sun[6] = {0};
    char serr[AS_MAXCH] = {0};
    const int flag = ephemerisFlag() | SEFLG_SPEED;
    swe_calc_ut(jdUt, SE_MOON, flag, moon, serr);
    swe_calc_ut(jdUt, SE_SUN, flag, sun, serr);
    return Elongation{normalizeDegrees180(moon[0] - sun[0]), moon[3] - sun[3]};
}

double newMoonNear(double jdUt)
{
    double t = jdUt;
    // Newton's method on the elongation; its rate (11 to 15 degrees a day)
    // never comes near zero, so a handful of steps reach 1e-8 days.
    for (int i = 0; i < 30; ++i) {
        const Elongation e = moonSunElongation(t);
        const double step = -e.degrees / e.rate;
        t += step;
        if (std::abs(step) < 1e-8)
            break;
    }
    return t;
}

QList<double> newMoonsBetween(double jdStart, double jdEnd)
{
    QList<double> result;
    long k = std::lround(std::floor((jdStart - kMeanNewMoon2000) / kSynodicMonth)) - 1;
    for (;; ++k) {
        const double mean = kMeanNewMoon2000 + kSynodicMonth * double(k);
        if (mean > jdEnd + 2.0)
            break;
        const double t = newMoonNear(mean);
        if (t >= jdStart && t < jdEnd)
            result.append(t);
    }
    return result;
}

}  // namespace tavik::almanac
