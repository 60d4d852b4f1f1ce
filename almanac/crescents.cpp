#include "crescents.h"

#include "crescentformulas.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace tavik::almanac {

namespace {

// The lower limits of Yallop's classes A to E: q above the limit; F below
// them all.
constexpr std::array kYallopLimits{0.216, -0.014, -0.160, -0.232, -0.293};
// The lower limits of Odeh's zones A to C: V at or above the limit (A V >=
// 5.65, B 2.00 <= V < 5.65, C -0.96 <= V < 2.00); D below them all.
constexpr std::array kOdehLimits{5.65, 2.00, -0.96};
static_assert(kYallopLimits.size() == static_cast<std::size_t>(YallopClass::F));
static_assert(kOdehLimits.size() == static_cast<std::size_t>(OdehZone::D));

// The grade a value earns on a scale given by its limits, best grade first:
// the index of the first limit the value reaches, or the lowest grade (one
// past the last limit) when it reaches none.
template <std::size_t N, class Reaches>
int gradeOf(double value, const std::array<double, N>& limits, Reaches reaches)
{
    int grade = 0;
    while (grade < static_cast<int>(N) && !reaches(value, limits[grade]))
        ++grade;
    return grade;
}

// hor[] of swe_azalt: azimuth from the south through the west, true and
// apparent altitude.
constexpr int kAzimuthFromSouth = 0;
constexpr int kTrueAltitude = 1;

struct Position {
    double lon, lat, dist;   // apparent ecliptic, AU
    double alt;              // airless altitude at the site
    double az;               // azimuth from the south
};

// Geocentric, or as seen from the site (topocentric).
Position position(const Ephemeris& eph, double jdUt, int body, const Site& site, bool topocentric = false)
{
    const int topo = topocentric ? SEFLG_TOPOCTR : 0;
    if (topocentric)
        swe_set_topo(site.longitude, site.latitude, site.elevation);
    const auto ecl = eph.position(jdUt, body, topo);
    auto equ = eph.position(jdUt, body, topo | SEFLG_EQUATORIAL);
    double hor[3] = {0};
    GeoPos geo(site);
    swe_azalt(jdUt, SE_EQU2HOR, geo.data(), kAirlessPressure, kStandardTemperature, equ.data(), hor);
    return Position{ecl[0], ecl[1], ecl[2], hor[kTrueAltitude], hor[kAzimuthFromSouth]};
}

double crescentWidth(const Position& moon, double arcl)
{
    return crescentWidthArcmin(moon.dist, moon.alt, arcl);
}

double litFraction(const Ephemeris& eph, double jdUt)
{
    double attr[20] = {0};
    char serr[AS_MAXCH] = {0};
    eph.check(swe_pheno_ut(jdUt, SE_MOON, eph.flag(), attr, serr), serr, jdUt, true);
    constexpr int kLitFraction = 1;   // attr[1]: the illuminated fraction of the disc
    return attr[kLitFraction];
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
    const int rc = swe_rise_trans(jdUt, body, nullptr, eph.flag(), rsmi, geo.data(), kStandardPressure,
                                  kStandardTemperature, &t, serr);
    constexpr int kNeverRisesOrSets = -2;   // circumpolar, or never above the horizon
    if (rc != kNeverRisesOrSets)
        eph.check(rc, serr, jdUt);
    if (rc != 0 || t <= jdUt || t > jdUt + 2.0)
        return std::nullopt;
    return t;
}

std::optional<CrescentSighting> crescentOf(const Ephemeris& eph, double newMoon, double sunEvent, bool evening,
                                           const Site& site)
{
    // The young Moon sets within a few hours of the Sun, before or after it;
    // the old one rises so.
    const std::optional<double> moonEvent = nextRiseSet(eph, sunEvent - kMoonEventSearchLead, SE_MOON, !evening, site);
    if (!moonEvent)
        return std::nullopt;
    CrescentSighting s;
    s.newMoon = newMoon;
    s.evening = evening;
    s.sunEvent = sunEvent;
    s.moonEvent = *moonEvent;
    s.lagDays = evening ? *moonEvent - sunEvent : sunEvent - *moonEvent;
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

double sunLowestPoint(const Ephemeris& eph, double from, double to, const Site& site)
{
    return lowestPoint(from, to, [&](double t) { return position(eph, t, SE_SUN, site).alt; });
}

std::optional<CrescentSighting> crescentOfNight(const Ephemeris& eph, double newMoon, double sunEvent, bool evening,
                                                const Site& site)
{
    std::optional<CrescentSighting> s = crescentOf(eph, newMoon, sunEvent, evening, site);
    // The other end of the night: the next sunrise, or the sunset before.
    std::optional<double> other = nextRiseSet(eph, evening ? sunEvent : sunEvent - 1.0, SE_SUN, evening, site);
    if (!evening && other && *other < sunEvent)
        if (const auto later = nextRiseSet(eph, *other + 0.01, SE_SUN, false, site); later && *later < sunEvent)
            other = later;
    if (!other || (!evening && *other >= sunEvent))
        return s;
    if (s && (evening ? s->moonEvent < *other : s->moonEvent > *other))
        return s;
    const double best = sunLowestPoint(eph, std::min(sunEvent, *other), std::max(sunEvent, *other), site);
    CrescentSighting n;
    n.newMoon = newMoon;
    n.evening = evening;
    n.sunEvent = sunEvent;
    if (position(eph, best, SE_MOON, site).alt <= 0) {
        // Down the whole night: the Moon has set first.
        n.moonEvent = n.best = sunEvent;
        n.ageDays = sunEvent - newMoon;
        n.visibility = YallopClass::F;
        n.moonDownAllNight = true;
        return n;
    }
    n.best = best;
    n.ageDays = best - newMoon;
    n.q = yallopQ(eph, best, site);
    n.visibility = yallopClass(*n.q);
    n.moonUpAllNight = true;
    return n;
}

std::optional<CrescentSighting> eveningAfter(const Ephemeris& eph, double newMoon, const Site& site)
{
    const std::optional<double> sunset = nextRiseSet(eph, newMoon, SE_SUN, false, site);
    if (!sunset)
        return std::nullopt;
    return crescentOf(eph, newMoon, *sunset, true, site);
}

std::optional<CrescentSighting> morningBefore(const Ephemeris& eph, double newMoon, const Site& site)
{
    std::optional<double> sunrise = nextRiseSet(eph, newMoon - 1.05, SE_SUN, true, site);
    if (!sunrise || *sunrise >= newMoon)
        return std::nullopt;
    // Two sunrises in the window: the later one is the last before the new moon.
    if (const auto later = nextRiseSet(eph, *sunrise + 0.01, SE_SUN, true, site); later && *later < newMoon)
        sunrise = later;
    return crescentOf(eph, newMoon, *sunrise, false, site);
}

CrescentGeometry crescentGeometry(const Ephemeris& eph, double jdUt, const Site& site)
{
    CrescentGeometry g;
    const Position sun = position(eph, jdUt, SE_SUN, site);
    const Position moon = position(eph, jdUt, SE_MOON, site);
    g.arcv = moon.alt - sun.alt;
    g.arcl = angularSeparation(moon.lon, moon.lat, sun.lon, sun.lat);
    g.daz = normalizeDegrees180(sun.az - moon.az);
    g.width = crescentWidth(moon, g.arcl);
    g.q = yallopQOf(g.arcv, g.width);

    const Position topoSun = position(eph, jdUt, SE_SUN, site, true);
    const Position topoMoon = position(eph, jdUt, SE_MOON, site, true);
    g.topoArcv = topoMoon.alt - topoSun.alt;
    g.topoArcl = angularSeparation(topoMoon.lon, topoMoon.lat, topoSun.lon, topoSun.lat);
    g.topoWidth = crescentWidth(moon, g.topoArcl);
    g.odehV = odehVOf(g.topoArcv, g.topoWidth);
    g.litFraction = litFraction(eph, jdUt);
    return g;
}

double yallopQ(const Ephemeris& eph, double jdUt, const Site& site)
{
    return crescentGeometry(eph, jdUt, site).q;
}

YallopClass yallopClass(double q)
{
    return static_cast<YallopClass>(gradeOf(q, kYallopLimits, std::greater<>()));
}

QChar gradeLetter(int grade)
{
    return QChar(u'A' + grade);
}

QChar yallopLetter(YallopClass c)
{
    return gradeLetter(static_cast<int>(c));
}

OdehZone odehZone(double v)
{
    return static_cast<OdehZone>(gradeOf(v, kOdehLimits, std::greater_equal<>()));
}

QChar odehLetter(OdehZone z)
{
    return gradeLetter(static_cast<int>(z));
}

}  // namespace tavik::almanac
