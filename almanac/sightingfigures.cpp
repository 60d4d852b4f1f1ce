#include "sightingfigures.h"

#include <cmath>

namespace tavik::almanac {

namespace {

bool sunDownAllDay(const SkyPlace& sun, double latitude)
{
    constexpr double kSunRiseAltitude = -(kSunSemiDiameter + 34.0 / 60.0);   // degrees, with refraction
    return 90.0 - std::abs(latitude - sun.declination) < kSunRiseAltitude;   // even at noon
}

// Below the horizon, the Sun has set before local midnight and not yet risen
// after it; where it stays down all day (polar night), neither.
SunState sunStateOf(const SkyPlace& sun, double latitude)
{
    if (sun.up)
        return SunState::Up;
    if (sunDownAllDay(sun, latitude))
        return SunState::DownAllDay;
    return sun.hourAngle < 180.0 ? SunState::Set : SunState::NotYetRisen;
}

}  // namespace

SightingFigures sightingFigures(const SightingReport& r)
{
    SightingFigures f;
    f.report = r;
    f.sunState = sunStateOf(r.sun, r.site.latitude);
    f.polarNight = sunDownAllDay(r.sun, r.site.latitude);
    const std::optional<CrescentSighting>& c = r.crescent;
    f.moonUpAllNight = c && c->moonUpAllNight;
    f.moonDownAllNight = c && c->moonDownAllNight;
    if (c && !c->moonUpAllNight && !c->moonDownAllNight) {
        f.moonEvent = c->moonEvent;
        f.lagDays = c->lagDays;
    }
    if (r.best && c) {
        f.bestTime = c->best;
        f.best = r.best;
        f.bestAgeDays = c->ageDays;
        f.yallop = yallopClass(r.best->q);
        f.odeh = odehZone(r.best->odehV);
    } else {
        f.noCrescent = !r.sunEvent ? NoCrescent::NoSunEvent
                       : !c        ? NoCrescent::NoMoonEvent
                                   : NoCrescent::MoonOnTheWrongSide;
    }
    const double hours = f.bestAgeDays ? std::abs(*f.bestAgeDays) * 24.0 : 0.0;
    for (const CrescentRecord& record : crescentRecords()) {
        RecordComparison rc{record, std::nullopt};
        if (f.bestAgeDays && record.means != RecordMeans::Imaging)
            rc.younger = hours < record.hours;
        f.records.append(rc);
    }
    return f;
}

}  // namespace tavik::almanac
