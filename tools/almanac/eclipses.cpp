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

// Walks the eclipses whose greatest phase falls in [jdStart, jdEnd): find(t,
// tret, serr) is a Swiss Ephemeris search from t on, and take(flags,
// greatest) turns each one found into a row.
template <class Find, class Take>
void walkEclipses(const Ephemeris& eph, double jdStart, double jdEnd, Find find, Take take)
{
    for (double t = jdStart;;) {
        double tret[kTretSize] = {0};
        char serr[AS_MAXCH] = {0};
        const int flags = find(t, tret, serr);
        eph.check(flags, serr, t);
        const double greatest = tret[kGreatest];
        if (greatest >= jdEnd)
            return;
        t = greatest + kAfterEclipse;
        if (greatest >= jdStart)
            take(flags, greatest);
    }
}

}  // namespace

QList<SolarEclipse> solarEclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, const Site& site)
{
    QList<SolarEclipse> result;
    std::optional<LocalEclipse> local;
    const auto find = [&](double t, double* tret, char* serr) {
        return swe_sol_eclipse_when_glob(t, eph.flag(), 0, tret, 0, serr);
    };
    walkEclipses(eph, jdStart, jdEnd, find, [&](int flags, double greatest) {
        SolarEclipse e;
        e.greatest = greatest;
        e.type = solarType(flags);
        double attr[kAttrSize] = {0}, where[10] = {0};
        char serr[AS_MAXCH] = {0};
        eph.check(swe_sol_eclipse_where(greatest, eph.flag(), where, attr, serr), serr, greatest);
        e.magnitude = attr[kNasaMagnitude] > 0 ? attr[kNasaMagnitude] : attr[kDiameterCovered];
        // The site's next eclipse is searched once and kept until passed.
        if (!local || local->tret[kGreatest] < greatest - 1.0)
            local = nextLocalSolar(eph, greatest - 1.0, site);
        if (std::abs(local->tret[kGreatest] - greatest) < 0.5)
            e.local = localView(eph, *local, site);
        result.append(e);
    });
    return result;
}

QList<LunarEclipse> lunarEclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, const Site& site)
{
    QList<LunarEclipse> result;
    GeoPos geo(site);
    const auto find = [&](double t, double* tret, char* serr) {
        return swe_lun_eclipse_when(t, eph.flag(), 0, tret, 0, serr);
    };
    walkEclipses(eph, jdStart, jdEnd, find, [&](int flags, double greatest) {
        LunarEclipse e;
        e.greatest = greatest;
        e.type = lunarType(flags);
        double attr[kAttrSize] = {0};
        char serr[AS_MAXCH] = {0};
        eph.check(swe_lun_eclipse_how(greatest, eph.flag(), geo.data(), attr, serr), serr, greatest);
        e.umbralMagnitude = attr[kUmbralMagnitude];
        e.penumbralMagnitude = attr[kPenumbralMagnitude];
        e.moonAltitude = attr[kApparentAltitude];
        result.append(e);
    });
    return result;
}

QString hungarianName(SolarType t)
{
    switch (t) {
    case SolarType::Total: return QStringLiteral("teljes");
    case SolarType::Annular: return QStringLiteral("gyűrűs");
    case SolarType::Hybrid: return QStringLiteral("hibrid");
    case SolarType::Partial: break;
    }
    return QStringLiteral("részleges");
}

QString hungarianName(LunarType t)
{
    switch (t) {
    case LunarType::Total: return QStringLiteral("teljes");
    case LunarType::Partial: return QStringLiteral("részleges");
    case LunarType::Penumbral: break;
    }
    return QStringLiteral("félárnyékos");
}

}  // namespace tavik::almanac
