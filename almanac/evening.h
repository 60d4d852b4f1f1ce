// The evening (or morning) of a sighting report, for the visibility window:
// the Sun's and the Moon's altitudes through the twilight, the sky at the
// best time, and the next evenings of a crescent hunt.
#pragma once

#include "crescents.h"
#include "sighting.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace tavik::almanac {

struct AltitudeSample {
    double jd = 0;     // UT1 Julian day
    double sun = 0;    // apparent altitudes, degrees
    double moon = 0;
};

// From 30 minutes before sunset to 15 minutes after moonset (from 15 minutes
// before moonrise to 30 minutes after sunrise in the morning), about a sample
// every stepMinutes. Without a sunset (sunrise) three hours either side of
// the report's moment. Throws EphemerisError.
QList<AltitudeSample> altitudeSeries(const Ephemeris& eph, const SightingReport& r, double stepMinutes = 2.0);

// The Sun and the Moon seen from the site at one moment, with the direction
// of the Moon's lit limb: the way to the Sun along the sky, in degrees
// counterclockwise from the direction of growing azimuth (0: the Sun lies to
// the right at the Moon's altitude, 90: straight above the Moon).
struct SkyScene {
    double jd = 0;
    bool atBest = false;           // at the best time, else at the report's moment
    SkyPlace sun;
    SkyPlace moon;
    double limbAngle = 0;
    double litFraction = 0;        // 0..1
    std::optional<YallopClass> visibility;
};
SkyScene skyScene(const Ephemeris& eph, const SightingReport& r);

// The tangent direction from the point (az1, alt1) towards (az2, alt2) on the
// sky, as SkyScene::limbAngle counts it.
double skyDirection(double az1, double alt1, double az2, double alt2);

// One evening (morning) of a crescent hunt.
struct HuntEvening {
    QDate date;                          // local date of the sunset (sunrise)
    std::optional<double> sunEvent;      // none: the Sun neither sets nor rises that day
    std::optional<CrescentSighting> crescent;
    std::optional<double> odehV;         // at the best time, where the lag is positive
};

// The first `count` evenings after the report's conjunction, or for an old
// Moon the last `count` mornings before the next one, in time order.
QList<HuntEvening> crescentHunt(const Ephemeris& eph, const SightingReport& r, const QTimeZone& zone,
                                int count = 3);

}  // namespace tavik::almanac
