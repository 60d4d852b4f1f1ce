#include "eclipses.h"

#include <swephexp.h>

#include <cmath>
#include <optional>

namespace tavik::almanac {

namespace {

constexpr double kAfterEclipse = 20.0;   // days: the next one is at least a month away

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
    double tret[10] = {0};
    double attr[20] = {0};
};

std::optional<LocalEclipse> nextLocalSolar(double jd, const Site& site, QString* error)
{
    LocalEclipse e;
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    e.flags = swe_sol_eclipse_when_loc(jd, ephemerisFlag(), geo.data(), e.tret, e.attr, 0, serr);
    if (e.flags < 0) {
        if (error)
            *error = QString::fromLocal8Bit(serr);
        return std::nullopt;
    }
    return e;
}

double coveredAt(double jd, const Site& site)
{
    double attr[20] = {0};
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    swe_sol_eclipse_how(jd, ephemerisFlag(), geo.data(), attr, serr);
    return attr[0];
}

LocalSolarView localView(const LocalEclipse& e, const Site& site)
{
    LocalSolarView v;
    if (e.flags & SE_ECL_MAX_VISIBLE) {
        v.seen = LocalSolarView::Seen::Whole;
        v.jd = e.tret[0];
        v.magnitude = e.attr[0];
    } else if (e.tret[5] > 0) {
        v.seen = LocalSolarView::Seen::FromSunrise;
        v.jd = e.tret[5];
        v.magnitude = coveredAt(v.jd, site);
    } else if (e.tret[6] > 0) {
        v.seen = LocalSolarView::Seen::UntilSunset;
        v.jd = e.tret[6];
        v.magnitude = coveredAt(v.jd, site);
    }
    return v;
}

}  // namespace

namespace {

// Walks the eclipses whose greatest phase falls in [jdStart, jdEnd): find(t,
// tret, serr) is a Swiss Ephemeris search from t on, and take(flags, tret[0])
// turns each one found into a row.
template <class Find, class Take>
void walkEclipses(double jdStart, double jdEnd, QString* error, Find find, Take take)
{
    char serr[AS_MAXCH] = {0};
    for (double t = jdStart;;) {
        double tret[10] = {0};
        const int flags = find(t, tret, serr);
        if (flags < 0) {
            if (error)
                *error = QString::fromLocal8Bit(serr);
            return;
        }
        if (tret[0] >= jdEnd)
            return;
        t = tret[0] + kAfterEclipse;
        if (tret[0] >= jdStart)
            take(flags, tret[0]);
    }
}

}  // namespace

QList<SolarEclipse> solarEclipsesBetween(double jdStart, double jdEnd, const Site& site,
                                         QString* error)
{
    QList<SolarEclipse> result;
    std::optional<LocalEclipse> local;
    const auto find = [](double t, double* tret, char* serr) {
        return swe_sol_eclipse_when_glob(t, ephemerisFlag(), 0, tret, 0, serr);
    };
    walkEclipses(jdStart, jdEnd, error, find, [&](int flags, double greatest) {
        SolarEclipse e;
        e.greatest = greatest;
        e.type = solarType(flags);
        double attr[20] = {0}, where[10] = {0};
        char serr[AS_MAXCH] = {0};
        swe_sol_eclipse_where(greatest, ephemerisFlag(), where, attr, serr);
        e.magnitude = attr[8] > 0 ? attr[8] : attr[0];
        // The site's next eclipse is searched once and kept until passed.
        if (!local || local->tret[0] < greatest - 1.0)
            local = nextLocalSolar(greatest - 1.0, site, error);
        if (local && std::abs(local->tret[0] - greatest) < 0.5)
            e.local = localView(*local, site);
        result.append(e);
    });
    return result;
}

QList<LunarEclipse> lunarEclipsesBetween(double jdStart, double jdEnd, const Site& site,
                                         QString* error)
{
    QList<LunarEclipse> result;
    GeoPos geo(site);
    const auto find = [](double t, double* tret, char* serr) {
        return swe_lun_eclipse_when(t, ephemerisFlag(), 0, tret, 0, serr);
    };
    walkEclipses(jdStart, jdEnd, error, find, [&](int flags, double greatest) {
        LunarEclipse e;
        e.greatest = greatest;
        e.type = lunarType(flags);
        double attr[20] = {0};
        char serr[AS_MAXCH] = {0};
        swe_lun_eclipse_how(greatest, ephemerisFlag(), geo.data(), attr, serr);
        e.umbralMagnitude = attr[0];
        e.penumbralMagnitude = attr[1];
        e.moonAltitude = attr[6];
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
