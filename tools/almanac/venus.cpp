#include "venus.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

constexpr double kSynodicPeriod = 583.9214;
constexpr double kConjunction2020 = 2459004.24;   // 2020 June 3, near 18 h UT

struct Offset {
    double degrees;   // Venus minus Sun in longitude, (-180, 180]
    double rate;
    bool nearer;      // Venus closer than the Sun
};

Offset venusSunOffset(double jdUt)
{
    double venus[6] = {0}, sun[6] = {0};
    char serr[AS_MAXCH] = {0};
    const int flag = ephemerisFlag() | SEFLG_SPEED;
    swe_calc_ut(jdUt, SE_VENUS, flag, venus, serr);
    swe_calc_ut(jdUt, SE_SUN, flag, sun, serr);
    return Offset{normalizeDegrees180(venus[0] - sun[0]), venus[3] - sun[3], venus[2] < sun[2]};
}

// The moment the lit fraction crosses one half, searching away from the
// conjunction in the given direction (-1 before, +1 after).
double dichotomy(double conjunction, int direction)
{
    double inside = conjunction;
    double outside = conjunction;
    for (int i = 0; i < 60; ++i) {
        outside = conjunction + direction * 5.0 * (i + 1);
        if (venusLitFraction(outside) >= 0.5)
            break;
        inside = outside;
    }
    for (int i = 0; i < 30; ++i) {
        const double mid = (inside + outside) / 2;
        (venusLitFraction(mid) < 0.5 ? inside : outside) = mid;
    }
    return inside;
}

std::optional<double> heliacal(double jdStart, int event, const Site& site)
{
    double datm[4] = {1013.25, 15.0, 40.0, 0.0};   // pressure, temperature, humidity, extinction from these
    double dobs[6] = {36.0, 1.0, 0, 0, 0, 0};      // a 36-year-old observer with normal sight
    double dret[50] = {0};
    char name[] = "venus";
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    if (swe_heliacal_ut(jdStart, geo.data(), datm, dobs, name, event, ephemerisFlag(), dret, serr) < 0)
        return std::nullopt;
    return dret[0];
}

}  // namespace

double venusLitFraction(double jdUt)
{
    double attr[20] = {0};
    char serr[AS_MAXCH] = {0};
    swe_pheno_ut(jdUt, SE_VENUS, ephemerisFlag(), attr, serr);
    return attr[1];
}

QList<double> venusInferiorConjunctions(double jdStart, double jdEnd)
{
    QList<double> result;
    long k = std::lround(std::floor((jdStart - kConjunction2020) / kSynodicPeriod)) - 1;
    for (;; ++k) {
        const double mean = kConjunction2020 + kSynodicPeriod * double(k);
        if (mean > jdEnd + 10.0)
            break;
        double t = mean;
        for (int i = 0; i < 40; ++i) {
            const Offset o = venusSunOffset(t);
            const double step = -o.degrees / o.rate;
            t += std::clamp(step, -5.0, 5.0);
            if (std::abs(step) < 1e-7)
                break;
        }
        if (venusSunOffset(t).nearer && t >= jdStart && t < jdEnd)
            result.append(t);
    }
    return result;
}

VenusCrescent venusCrescent(double conjunction, const Site& site)
{
    VenusCrescent v;
    v.conjunction = conjunction;
    const double before = dichotomy(conjunction, -1);
    const double after = dichotomy(conjunction, +1);
    const std::optional<double> lastEvening = heliacal(conjunction - 120.0, SE_EVENING_LAST, site);
    if (lastEvening && *lastEvening > before && *lastEvening < after) {
        v.evening = DaySpan{before, *lastEvening};
        v.thinnest = std::min(v.thinnest, venusLitFraction(*lastEvening));
    }
    const std::optional<double> firstMorning = heliacal(conjunction - 40.0, SE_MORNING_FIRST, site);
    if (firstMorning && *firstMorning > before && *firstMorning < after) {
        v.morning = DaySpan{*firstMorning, after};
        v.thinnest = std::min(v.thinnest, venusLitFraction(*firstMorning));
    }
    return v;
}

}  // namespace tavik::almanac
