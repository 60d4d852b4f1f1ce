#include "eclipses.h"

#include <swephexp.h>

#include <cmath>
#include <optional>

namespace tavik::almanac {

namespace {

constexpr double kAfterEclipse = 20.0;   // days: the next one is at least a month away

// The slots of the library's eclipse results. tret[] of the searches:
constexpr int kGreatest = 0;        // greatest eclipse (both searches)
constexpr int kSunriseDuring = 5;   // swe_sol_eclipse_when_loc: sunrise between first and last contact
constexpr int kSunsetDuring = 6;    //   ... sunset between them
// attr[] of swe_sol_eclipse_how/_where/_when_loc:
constexpr int kDiameterCovered = 0;   // fraction of the Sun's diameter covered
constexpr int kNasaMagnitude = 8;     // magnitude as NASA gives it (ratio of diameters if central)
// attr[] of swe_lun_eclipse_how:
constexpr int kUmbralMagnitude = 0;
constexpr int kPenumbralMagnitude = 1;
constexpr int kApparentAltitude = 6;   // the Moon's, with refraction

constexpr int kTretSize = 10;
constexpr int kAttrSize = 20;

SolarType solarType(int flags)
{
    if (flags & SE_ECL_ANNULAR_TOTAL)
        return SolarType::Hybrid;
    if (flags & SE_ECL_TOTAL)
        return SolarType::Total;
    if (flags & SE_ECL_ANNULAR)
        return SolarType::Annular;
    return SolarType::Partial;
}

LunarType lunarType(int flags)
{
    if (flags & SE_ECL_TOTAL)
        return LunarType::Total;
    if (flags & SE_ECL_PARTIAL)
        return LunarType::Partial;
    return LunarType::Penumbral;
}

// The next solar eclipse with some phase above the site's horizon, from jd on.
struct LocalEclipse {
    int flags = 0;
    double tret[kTretSize] = {0};
    double attr[kAttrSize] = {0};
};

LocalEclipse nextLocalSolar(const Ephemeris& eph, double jd, const Site& site)
{
    LocalEclipse e;
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    e.flags = swe_sol_eclipse_when_loc(jd, eph.flag(), geo.data(), e.tret, e.attr, 0, serr);
    eph.check(e.flags, serr, jd);
    return e;
}

double coveredAt(const Ephemeris& eph, double jd, const Site& site)
{
    double attr[kAttrSize] = {0};
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    eph.check(swe_sol_eclipse_how(jd, eph.flag(), geo.data(), attr, serr), serr, jd);
    return attr[kDiameterCovered];
}

LocalSolarView localView(const Ephemeris& eph, const LocalEclipse& e, const Site& site)
{
    LocalSolarView v;
    if (e.flags & SE_ECL_MAX_VISIBLE) {
        v.seen = LocalSolarView::Seen::Whole;
        v.jd = e.tret[kGreatest];
        v.magnitude = e.attr[kDiameterCovered];
    } else if (e.tret[kSunriseDuring] > 0) {
        v.seen = LocalSolarView::Seen::FromSunrise;
        v.jd = e.tret[kSunriseDuring];
        v.magnitude = coveredAt(eph, v.jd, site);
    } else if (e.tret[kSunsetDuring] > 0) {
        v.seen = LocalSolarView::Seen::UntilSunset;
        v.jd = e.tret[kSunsetDuring];
        v.magnitude = coveredAt(eph, v.jd, site);
    }
    return v;
}

// The eclipses whose greatest phase falls in [jdStart, jdEnd), in order:
// search is the library's global search for the next one from a moment on
// (swe_sol_eclipse_when_glob, swe_lun_eclipse_when), and describe(eclipse,
// flags) fills in each one found after its moment.
template <class Eclipse, class Search, class Describe>
QList<Eclipse> eclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, Search search, Describe describe)
{
    QList<Eclipse> result;
    if (!std::isfinite(jdStart) || !std::isfinite(jdEnd))
        return result;
    for (double t = jdStart;;) {
        double tret[kTretSize] = {0};
        char serr[AS_MAXCH] = {0};
        const int flags = search(t, eph.flag(), 0, tret, 0, serr);
        eph.check(flags, serr, t);
        const double greatest = tret[kGreatest];
        // Also the end for a search that does not move on.
        if (!(greatest < jdEnd) || !(greatest > t - kAfterEclipse))
            return result;
        t = greatest + kAfterEclipse;
        if (greatest >= jdStart) {
            Eclipse e;
            e.greatest = greatest;
            describe(e, flags);
            result.append(e);
        }
    }
}

}  // namespace

QList<SolarEclipse> solarEclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, const Site& site)
{
    std::optional<LocalEclipse> local;
    const auto describe = [&](SolarEclipse& e, int flags) {
        e.type = solarType(flags);
        double attr[kAttrSize] = {0}, where[10] = {0};
        char serr[AS_MAXCH] = {0};
        eph.check(swe_sol_eclipse_where(e.greatest, eph.flag(), where, attr, serr), serr, e.greatest);
        e.magnitude = attr[kNasaMagnitude] > 0 ? attr[kNasaMagnitude] : attr[kDiameterCovered];
        // The site's next eclipse is searched once and kept until passed.
        if (!local || local->tret[kGreatest] < e.greatest - 1.0)
            local = nextLocalSolar(eph, e.greatest - 1.0, site);
        if (std::abs(local->tret[kGreatest] - e.greatest) < 0.5)
            e.local = localView(eph, *local, site);
    };
    return eclipsesBetween<SolarEclipse>(eph, jdStart, jdEnd, swe_sol_eclipse_when_glob, describe);
}

QList<LunarEclipse> lunarEclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, const Site& site)
{
    GeoPos geo(site);
    const auto describe = [&](LunarEclipse& e, int flags) {
        e.type = lunarType(flags);
        double attr[kAttrSize] = {0};
        char serr[AS_MAXCH] = {0};
        eph.check(swe_lun_eclipse_how(e.greatest, eph.flag(), geo.data(), attr, serr), serr, e.greatest);
        e.umbralMagnitude = attr[kUmbralMagnitude];
        e.penumbralMagnitude = attr[kPenumbralMagnitude];
        e.moonAltitude = attr[kApparentAltitude];
    };
    return eclipsesBetween<LunarEclipse>(eph, jdStart, jdEnd, swe_lun_eclipse_when, describe);
}

}  // namespace tavik::almanac
