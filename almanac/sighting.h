// The circumstances of one crescent observation: for a moment and a place,
// the conjunctions around it, the Sun and the Moon in the sky, the evening's
// (or morning's) sunset and moonset with the lag, and where the crescent
// falls on Yallop's and Odeh's criteria at the best time to look. The
// figures come from the same code as the early-crescent list.
#pragma once

#include "crescents.h"
#include "ephemeris.h"

#include <QJsonObject>
#include <QStringList>
#include <QTimeZone>

#include <array>
#include <optional>
#include <utility>

namespace tavik::almanac {

// The youngest crescents on record, in hours after the geocentric conjunction.
enum class RecordMeans { NakedEye, OpticalAid, Telescope, Imaging };
struct CrescentRecord {
    RecordMeans means;
    double hours;
    const char* date;     // of the evening, as 2026.12.08
    const char* place;    // Hungarian (words::recordPlace says it)
    const char* key;      // the JSON name of the figure
};
// Naked eye, optical aid (binoculars), telescope, imaging: in this order.
const std::array<CrescentRecord, 4>& crescentRecords();
inline constexpr double kNakedEyeRecordHours = 15.0;
inline constexpr double kOpticalAidRecordHours = 11.0 + 37.0 / 60.0;

// Mean apparent semi-diameters, degrees: a body is up while its upper limb is.
inline constexpr double kSunSemiDiameter = 0.2666;
inline constexpr double kMoonSemiDiameter = 0.2590;

// Seen from the site: altitude without and with standard refraction, and
// azimuth from the north through the east, in degrees.
struct SkyPlace {
    double altitude = 0;
    double apparentAltitude = 0;
    double azimuth = 0;
    double declination = 0;
    double hourAngle = 0;   // west of the meridian, [0, 360): below 180 from noon to midnight
    bool up = false;        // the upper limb above the horizon
};

struct SightingReport {
    double at = 0;                  // UT1 Julian day
    Site site;
    double conjunctionBefore = 0;
    double conjunctionAfter = 0;
    bool evening = true;            // the Moon east of the Sun: a young crescent in the evening
    double ageDays = 0;             // since the conjunction before; for a morning (old) crescent,
                                    // negative: the time left to the one after
    SkyPlace sun;
    SkyPlace moon;
    CrescentGeometry now;           // at the moment itself
    std::optional<double> sunEvent; // that evening's sunset, or that morning's sunrise
    std::optional<CrescentSighting> crescent;   // the Moon's setting (rising), lag and best time
    std::optional<CrescentGeometry> best;       // at the best time, where the lag is positive
};

// Where the Sun or the Moon stands from the site at that moment; throws
// EphemerisError on a fault of the ephemeris.
SkyPlace skyPlace(const Ephemeris& eph, double jdUt, int body, const Site& site);

// The first and last moments sightingAt reads the ephemeris at.
std::pair<double, double> sightingReach(double jdUt);
// Throws EphemerisError on a fault of the ephemeris.
SightingReport sightingAt(const Ephemeris& eph, double jdUt, const Site& site);

}  // namespace tavik::almanac
