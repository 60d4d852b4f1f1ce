#include "sighting.h"

#include "newmoons.h"

#include <swephexp.h>

#include <cmath>

namespace tavik::almanac {

namespace {

// The conjunctions on either side are searched this far: a lunation is at most 29.9 days.
constexpr double kConjunctionSearch = 31.0;   // days

}  // namespace

SkyPlace skyPlace(const Ephemeris& eph, double jdUt, int body, const Site& site)
{
    swe_set_topo(site.longitude, site.latitude, site.elevation);
    auto equ = eph.position(jdUt, body, SEFLG_TOPOCTR | SEFLG_EQUATORIAL);
    double hor[3] = {0};
    GeoPos geo(site);
    swe_azalt(jdUt, SE_EQU2HOR, geo.data(), kStandardPressure, kStandardTemperature, equ.data(), hor);
    SkyPlace p;
    p.azimuth = std::fmod(hor[0] + 180.0, 360.0);   // the library counts from the south
    p.declination = equ[1];
    const double localSiderealTime = swe_sidtime(jdUt) * 15.0 + site.longitude;   // degrees
    p.hourAngle = std::fmod(std::fmod(localSiderealTime - equ[0], 360.0) + 360.0, 360.0);
    p.altitude = hor[1];
    p.apparentAltitude = hor[2];
    p.up = p.apparentAltitude > -(body == SE_SUN ? kSunSemiDiameter : kMoonSemiDiameter);
    return p;
}

const std::array<CrescentRecord, 4>& crescentRecords()
{
    // Naked eye: B. E. Schaefer, "Lunar crescent visibility", QJRAS 37 (1996)
    // 759, and Odeh 2004 (see crescents.h). Binoculars: Odeh 2004, Table VI,
    // No. 549. Telescope: 12.1 h from Tucson, Arizona. Imaging: the Moon
    // photographed in daylight at the very moment of the conjunction (T. Legault).
    static const std::array<CrescentRecord, 4> records{{
        {RecordMeans::NakedEye, kNakedEyeRecordHours, "1990.02.25", "Collins Gap, Tennessee", "nakedEye"},
        {RecordMeans::OpticalAid, kOpticalAidRecordHours, "2002.09.07", "Irán", "opticalAid"},
        {RecordMeans::Telescope, 12.1, "1996.01.21", "Tucson, Arizona", "telescope"},
        {RecordMeans::Imaging, 0.0, "2013.07.08", "Élancourt, Franciaország", "imaging"},
    }};
    return records;
}

std::pair<double, double> sightingReach(double jdUt)
{
    return newMoonsBetweenReach(jdUt - kConjunctionSearch, jdUt + kConjunctionSearch);
}

SightingReport sightingAt(const Ephemeris& eph, double jdUt, const Site& site)
{
    SightingReport r;
    r.at = jdUt;
    r.site = site;
    const QList<double> around = newMoonsBetween(eph, jdUt - kConjunctionSearch, jdUt + kConjunctionSearch);
    for (double t : around) {
        if (t <= jdUt)
            r.conjunctionBefore = t;
        else if (r.conjunctionAfter == 0)
            r.conjunctionAfter = t;
    }
    r.evening = moonSunElongation(eph, jdUt).degrees > 0;
    const double newMoon = r.evening ? r.conjunctionBefore : r.conjunctionAfter;
    r.ageDays = jdUt - newMoon;
    r.sun = skyPlace(eph, jdUt, SE_SUN, site);
    r.moon = skyPlace(eph, jdUt, SE_MOON, site);
    r.now = crescentGeometry(eph, jdUt, site);
    // That evening's sunset (that morning's sunrise): the first within half
    // a day before the moment or after it.
    r.sunEvent = nextRiseSet(eph, jdUt - 0.5, SE_SUN, !r.evening, site);
    if (r.sunEvent)
        r.crescent = crescentOfNight(eph, newMoon, *r.sunEvent, r.evening, site);
    if (r.crescent && r.crescent->q)
        r.best = crescentGeometry(eph, r.crescent->best, site);
    return r;
}

}  // namespace tavik::almanac
