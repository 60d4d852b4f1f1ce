#include "crescents.h"

#include <swephexp.h>

#include <cmath>

namespace tavik::almanac {

namespace {

constexpr double kAuKm = 149597870.7;
constexpr double kEarthRadiusKm = 6378.14;
constexpr double kBestFraction = 4.0 / 9.0;

struct Position {
    double lon, lat, dist;   // apparent geocentric ecliptic, AU
    double alt;              // geocentric airless altitude at the site
};

Position position(const Ephemeris& eph, double jdUt, int body, const Site& site)
{
    const auto ecl = eph.position(jdUt, body);
    auto equ = eph.position(jdUt, body, SEFLG_EQUATORIAL);
    double hor[3] = {0};
    GeoPos geo(site);
    swe_azalt(jdUt, SE_EQU2HOR, geo.data(), 0.0, 10.0, equ.data(), hor);
    return Position{ecl[0], ecl[1], ecl[2], hor[1]};
}

CrescentSighting sighting(const Ephemeris& eph, double newMoon, double sunEvent, double moonEvent, bool evening,
                          const Site& site)
{
    CrescentSighting s;
    s.newMoon = newMoon;
    s.evening = evening;
    s.lagDays = evening ? moonEvent - sunEvent : sunEvent - moonEvent;
    if (s.lagDays > 0) {
        s.best = evening ? sunEvent + kBestFraction * s.lagDays : sunEvent - kBestFraction * s.lagDays;
        s.q = yallopQ(eph, s.best, site);
        s.visibility = yallopClass(*s.q);
    } else {
        // The Moon sets before the Sun (or rises after it): nothing to see.
        s.best = sunEvent;
        s.visibility = YallopClass::F;
    }
    s.ageDays = s.best - newMoon;
    return s;
}

}  // namespace

std::optional<double> nextRiseSet(const Ephemeris& eph, double jdUt, int body, bool rise, const Site& site)
{
    double t = 0;
    char serr[AS_MAXCH] = {0};
    GeoPos geo(site);
    const int rsmi = rise ? SE_CALC_RISE : SE_CALC_SET;
    // The search does not say whether it fell back to the built-in series: a
    // position at its start does.
    eph.position(jdUt, body);
    const int rc = swe_rise_trans(jdUt, body, nullptr, eph.flag(), rsmi, geo.data(), 1013.25,
                                  10.0, &t, serr);
    constexpr int kNeverRisesOrSets = -2;   // circumpolar, or never above the horizon
    if (rc != kNeverRisesOrSets)
        eph.check(rc, serr, jdUt);
    if (rc != 0 || t <= jdUt || t > jdUt + 2.0)
        return std::nullopt;
    return t;
}

std::optional<CrescentSighting> eveningAfter(const Ephemeris& eph, double newMoon, const Site& site)
{
    const std::optional<double> sunset = nextRiseSet(eph, newMoon, SE_SUN, false, site);
    if (!sunset)
        return std::nullopt;
    // The young Moon sets within a few hours of the Sun, before or after it.
    const std::optional<double> moonset = nextRiseSet(eph, *sunset - 0.3, SE_MOON, false, site);
    if (!moonset)
        return std::nullopt;
    return sighting(eph, newMoon, *sunset, *moonset, true, site);
}

std::optional<CrescentSighting> morningBefore(const Ephemeris& eph, double newMoon, const Site& site)
{
    std::optional<double> sunrise = nextRiseSet(eph, newMoon - 1.05, SE_SUN, true, site);
    if (!sunrise || *sunrise >= newMoon)
        return std::nullopt;
    // Two sunrises in the window: the later one is the last before the new moon.
    if (const auto later = nextRiseSet(eph, *sunrise + 0.01, SE_SUN, true, site); later && *later < newMoon)
        sunrise = later;
    const std::optional<double> moonrise = nextRiseSet(eph, *sunrise - 0.3, SE_MOON, true, site);
    if (!moonrise)
        return std::nullopt;
    return sighting(eph, newMoon, *sunrise, *moonrise, false, site);
}

double yallopQ(const Ephemeris& eph, double jdUt, const Site& site)
{
    const Position sun = position(eph, jdUt, SE_SUN, site);
    const Position moon = position(eph, jdUt, SE_MOON, site);
    const double arcv = moon.alt - sun.alt;
    const double arcl = angularSeparation(moon.lon, moon.lat, sun.lon, sun.lat);
    const double parallax = std::asin(kEarthRadiusKm / (moon.dist * kAuKm)) / kDegree * 60.0;   // arcmin
    const double sd = 0.27245 * parallax;
    const double sdTopo = sd * (1.0 + std::sin(moon.alt * kDegree) * std::sin(parallax / 60.0 * kDegree));
    const double w = sdTopo * (1.0 - std::cos(arcl * kDegree));   // crescent width, arcmin
    return (arcv - (11.8371 - 6.3226 * w + 0.7319 * w * w - 0.1018 * w * w * w)) / 10.0;
}

YallopClass yallopClass(double q)
{
    if (q > 0.216)
        return YallopClass::A;
    if (q > -0.014)
        return YallopClass::B;
    if (q > -0.160)
        return YallopClass::C;
    if (q > -0.232)
        return YallopClass::D;
    if (q > -0.293)
        return YallopClass::E;
    return YallopClass::F;
}

QChar yallopLetter(YallopClass c)
{
    return QChar(u'A' + static_cast<int>(c));
}

QString yallopWords(YallopClass c)
{
    switch (c) {
    case YallopClass::A: return QStringLiteral("könnyen látható");
    case YallopClass::B: return QStringLiteral("jó időben látható");
    case YallopClass::C: return QStringLiteral("távcső segíthet");
    case YallopClass::D: return QStringLiteral("csak távcsővel");
    case YallopClass::E: return QStringLiteral("távcsővel sem");
    case YallopClass::F: break;
    }
    return QStringLiteral("nem látható");
}

}  // namespace tavik::almanac
