#include "evening.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

constexpr double kMinute = 1.0 / 1440.0;   // days

struct Span {
    double start;
    double end;
};

Span twilightSpan(const SightingReport& r)
{
    if (!r.sunEvent)
        return {r.at - 0.125, r.at + 0.125};
    const double sun = *r.sunEvent;
    if (!r.crescent)
        return {sun - 90 * kMinute, sun + 90 * kMinute};
    // A Moon up all night: to the darkest time, the best one.
    const double moon = r.crescent->moonUpAllNight ? r.crescent->best : r.crescent->moonEvent;
    if (r.evening)
        return {std::min(sun, moon) - 30 * kMinute, std::max(sun, moon) + 15 * kMinute};
    return {std::min(sun, moon) - 15 * kMinute, std::max(sun, moon) + 30 * kMinute};
}

// The next sunset (sunrise) after jd, or none within a day.
std::optional<double> nextSunEvent(const Ephemeris& eph, double jd, bool evening, const Site& site)
{
    const std::optional<double> t = nextRiseSet(eph, jd, SE_SUN, !evening, site);
    if (t && *t < jd + 1.0)
        return t;
    return std::nullopt;
}

HuntEvening huntEvening(const Ephemeris& eph, double newMoon, double sunEvent, bool evening, const Site& site,
                        const QTimeZone& zone)
{
    HuntEvening h;
    h.date = localMinute(sunEvent, zone).date();
    h.sunEvent = sunEvent;
    h.crescent = crescentOfNight(eph, newMoon, sunEvent, evening, site);
    if (h.crescent && h.crescent->q)
        h.odehV = crescentGeometry(eph, h.crescent->best, site).odehV;
    return h;
}

HuntEvening noSunEvent(double jd, const QTimeZone& zone)
{
    HuntEvening h;
    h.date = localMinute(jd, zone).date();
    return h;
}

}  // namespace

QList<AltitudeSample> altitudeSeries(const Ephemeris& eph, const SightingReport& r, double stepMinutes)
{
    const Span span = twilightSpan(r);
    const int steps = std::clamp(int(std::ceil((span.end - span.start) / (stepMinutes * kMinute))), 2, 2000);
    QList<AltitudeSample> series;
    series.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double jd = span.start + (span.end - span.start) * i / steps;
        series.append({jd, skyPlace(eph, jd, SE_SUN, r.site).apparentAltitude,
                       skyPlace(eph, jd, SE_MOON, r.site).apparentAltitude});
    }
    return series;
}

double skyDirection(double az1, double alt1, double az2, double alt2)
{
    const double dA = (az2 - az1) * kDegree;
    const double h1 = alt1 * kDegree;
    const double h2 = alt2 * kDegree;
    const double right = std::cos(h2) * std::sin(dA);
    const double up = std::cos(h1) * std::sin(h2) - std::sin(h1) * std::cos(h2) * std::cos(dA);
    return std::atan2(up, right) / kDegree;
}

SkyScene skyScene(const Ephemeris& eph, const SightingReport& r)
{
    SkyScene s;
    s.atBest = r.best && r.crescent;
    s.jd = s.atBest ? r.crescent->best : r.at;
    s.sun = skyPlace(eph, s.jd, SE_SUN, r.site);
    s.moon = skyPlace(eph, s.jd, SE_MOON, r.site);
    s.limbAngle = skyDirection(s.moon.azimuth, s.moon.apparentAltitude, s.sun.azimuth, s.sun.apparentAltitude);
    s.litFraction = s.atBest ? r.best->litFraction : r.now.litFraction;
    if (s.atBest)
        s.visibility = yallopClass(r.best->q);
    return s;
}

QList<HuntEvening> crescentHunt(const Ephemeris& eph, const SightingReport& r, const QTimeZone& zone, int count)
{
    QList<HuntEvening> hunt;
    if (r.evening) {
        const double newMoon = r.conjunctionBefore;
        double from = newMoon;
        for (int i = 0; i < count; ++i) {
            const std::optional<double> sunset = nextSunEvent(eph, from, true, r.site);
            hunt.append(sunset ? huntEvening(eph, newMoon, *sunset, true, r.site, zone) : noSunEvent(from, zone));
            from = sunset ? *sunset + 0.1 : from + 1.0;
        }
        return hunt;
    }
    // Mornings are found forwards from a few days before the conjunction:
    // the last `count` of them before it.
    const double newMoon = r.conjunctionAfter;
    double from = newMoon - count - 1.0;
    QList<HuntEvening> mornings;
    while (from < newMoon) {
        const std::optional<double> sunrise = nextSunEvent(eph, from, false, r.site);
        if (sunrise && *sunrise >= newMoon)
            break;
        mornings.append(sunrise ? huntEvening(eph, newMoon, *sunrise, false, r.site, zone) : noSunEvent(from, zone));
        from = sunrise ? *sunrise + 0.1 : from + 1.0;
    }
    return mornings.mid(std::max<qsizetype>(0, mornings.size() - count));
}

}  // namespace tavik::almanac
