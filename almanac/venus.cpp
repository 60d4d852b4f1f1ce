#include "venus.h"

#include "periodic.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

// Newton's method on Venus minus the Sun in longitude, in steps of at most
// five days: near the conjunction the rate changes quickly.
constexpr PeriodicEvent kInferiorConjunction{
    .epoch = 2459004.24,   // 2020 June 3, near 18 h UT
    .period = 583.9214,    // the synodic period of Venus
    .margin = 10.0,
    .maxStep = 5.0,
    .tolerance = 1e-7,
    .steps = 40,
};

// Venus minus the Sun in longitude, (-180, 180], and its rate.
AngleAndRate venusSunOffset(const Ephemeris& eph, double jdUt)
{
    const auto venus = eph.position(jdUt, SE_VENUS, SEFLG_SPEED);
    const auto sun = eph.position(jdUt, SE_SUN, SEFLG_SPEED);
    return AngleAndRate{normalizeDegrees180(venus[0] - sun[0]), venus[3] - sun[3]};
}

bool venusNearerThanSun(const Ephemeris& eph, double jdUt)
{
    return eph.position(jdUt, SE_VENUS, SEFLG_SPEED)[2] < eph.position(jdUt, SE_SUN, SEFLG_SPEED)[2];
}

// The moment the lit fraction crosses one half, searching away from the
// conjunction in the given direction (-1 before, +1 after).
double dichotomy(const Ephemeris& eph, double conjunction, int direction)
{
    double inside = conjunction;
    double outside = conjunction;
    for (int i = 0; i < 60; ++i) {
        outside = conjunction + direction * 5.0 * (i + 1);
        if (venusLitFraction(eph, outside) >= 0.5)
            break;
        inside = outside;
    }
    for (int i = 0; i < 30; ++i) {
        const double mid = (inside + outside) / 2;
        (venusLitFraction(eph, mid) < 0.5 ? inside : outside) = mid;
    }
    return inside;
}

std::optional<double> heliacal(const Ephemeris& eph, double jdStart, int event, const Site& site)
{
    // The library's search never ends for a site that is not a number.
    if (!std::isfinite(site.latitude) || !std::isfinite(site.longitude) || !std::isfinite(site.elevation)
        || std::fabs(site.latitude) > 90)
        return std::nullopt;
    double datm[4] = {kStandardPressure, 15.0, 40.0, 0.0};   // pressure, temperature, humidity, extinction from these
    double dobs[6] = {36.0, 1.0, 0, 0, 0, 0};      // a 36-year-old observer with normal sight
    double dret[50] = {0};
    char name[] = "venus";
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    // The search reports a failure alike for an event it does not find and
    // for a fault of the ephemeris: a position at its start tells them apart.
    eph.position(jdStart, SE_VENUS);
    const int rc = swe_heliacal_ut(jdStart, geo.data(), datm, dobs, name, event, eph.flag(), dret, serr);
    if (rc < 0)
        return std::nullopt;
    eph.check(rc, serr, jdStart);
    return dret[0];
}

}  // namespace

double venusLitFraction(const Ephemeris& eph, double jdUt)
{
    double attr[20] = {0};
    char serr[AS_MAXCH] = {0};
    const int rc = swe_pheno_ut(jdUt, SE_VENUS, eph.flag(), attr, serr);
    eph.check(rc, serr, jdUt, true);
    constexpr int kLitFraction = 1;   // attr[1]: the illuminated fraction of the disc
    return attr[kLitFraction];
}

QList<double> venusInferiorConjunctions(const Ephemeris& eph, double jdStart, double jdEnd)
{
    return periodicEventsBetween(
        kInferiorConjunction, jdStart, jdEnd, [&](double t) { return venusSunOffset(eph, t); },
        [&](double t) { return venusNearerThanSun(eph, t); });
}

VenusCrescent venusCrescent(const Ephemeris& eph, double conjunction, const Site& site)
{
    VenusCrescent v;
    v.conjunction = conjunction;
    const double before = dichotomy(eph, conjunction, -1);
    const double after = dichotomy(eph, conjunction, +1);
    const std::optional<double> lastEvening = heliacal(eph, conjunction - 120.0, SE_EVENING_LAST, site);
    if (lastEvening && *lastEvening > before && *lastEvening < after) {
        v.evening = DaySpan{before, *lastEvening};
        v.thinnest = std::min(v.thinnest, venusLitFraction(eph, *lastEvening));
    }
    const std::optional<double> firstMorning = heliacal(eph, conjunction - 40.0, SE_MORNING_FIRST, site);
    if (firstMorning && *firstMorning > before && *firstMorning < after) {
        v.morning = DaySpan{*firstMorning, after};
        v.thinnest = std::min(v.thinnest, venusLitFraction(eph, *firstMorning));
    }
    return v;
}

}  // namespace tavik::almanac
