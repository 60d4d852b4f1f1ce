// Early crescents: for a new moon, the first evening after it and the last
// morning before it, with Yallop's q test of first visibility
// (B. D. Yallop, "A method for predicting the first sighting of the new
// crescent Moon", NAO Technical Note 69, 1997/1998) and Odeh's V
// (M. Sh. Odeh, "New criterion for lunar crescent visibility", Experimental
// Astronomy 18 (2004), 39-64, published 2006, doi:10.1007/s10686-005-9002-5).
//
// The list and the sighting report both take their figures from here.
#pragma once

#include "ephemeris.h"

#include <cmath>
#include <optional>

namespace tavik::almanac {

enum class YallopClass { A, B, C, D, E, F };

// Yallop's best time: sunset + 4/9 of the lag (sunrise - 4/9 in the morning).
inline constexpr double kBestFraction = 4.0 / 9.0;
// The Moon's setting (rising) is searched from this long before the Sun's:
// the young Moon may set a few hours before the Sun.
inline constexpr double kMoonEventSearchLead = 0.3;   // days
enum class OdehZone { A, B, C, D };

// The Sun and the Moon seen from the site at one moment, and the criteria.
struct CrescentGeometry {
    double arcl = 0;          // geocentric Sun-Moon elongation, degrees
    double arcv = 0;          // geocentric airless altitude of the Moon minus the Sun's
    double daz = 0;           // azimuth of the Sun minus that of the Moon
    double width = 0;         // W': topocentric crescent width, arc minutes (Yallop)
    double q = 0;             // Yallop's q
    double topoArcl = 0;      // the same angles as seen from the site (Odeh)
    double topoArcv = 0;
    double topoWidth = 0;     // arc minutes
    double odehV = 0;         // Odeh's V
    double litFraction = 0;   // illuminated fraction of the Moon's disc, 0..1
};

struct CrescentSighting {
    double newMoon = 0;       // UT1 Julian days
    double sunEvent = 0;      // sunset (evening) or sunrise (morning)
    double moonEvent = 0;     // moonset or moonrise
    double best = 0;          // best time to look: sunset + 4/9 lag, sunrise - 4/9 lag
    bool evening = true;
    double lagDays = 0;       // moonset - sunset (evening), sunrise - moonrise (morning)
    double ageDays = 0;       // best - newMoon; negative in the morning before it
    std::optional<double> q;  // none when the Moon is below the horizon with the Sun
    YallopClass visibility = YallopClass::F;
    // The Moon does not set before the next sunrise (in the morning: rises not
    // after the previous sunset) and stands up at the darkest time: then best is
    // the Sun's lowest point of the night, moonEvent and lagDays are 0.
    bool moonUpAllNight = false;
    // The Moon is below the horizon at the darkest time of a night in which it
    // does not set (rise): it set before the Sun and stays down till sunrise
    // (in the morning: it has been down since sunset and rises after the Sun).
    // The Moon sets first, as where the lag is negative: best is the Sun's
    // event, moonEvent that too, lagDays 0, no q, class F.
    bool moonDownAllNight = false;
};

// The evening after and the morning before the new moon at the site; a
// sighting is left out where the Sun or the Moon neither rises nor sets.
std::optional<CrescentSighting> eveningAfter(const Ephemeris& eph, double newMoon, const Site& site);
std::optional<CrescentSighting> morningBefore(const Ephemeris& eph, double newMoon, const Site& site);
// The evening of this sunset, or the morning of this sunrise; none where the
// Moon does not set (rise) then.
std::optional<CrescentSighting> crescentOf(const Ephemeris& eph, double newMoon, double sunEvent, bool evening,
                                           const Site& site);

// The night of this sunset (the morning of this sunrise) by the rule the
// sighting report and the map share: crescentOf's sighting where the Moon sets
// (rises) within the night; where it does not set before the next sunrise
// (rise after the previous sunset) and stands above the horizon then, the
// best time is the Sun's lowest point between that sunset and the next
// sunrise (the previous sunset and that sunrise), the darkest sky, with q
// there and moonUpAllNight set. Where the Moon stands below the horizon at
// that darkest time it is the Moon setting first (moonDownAllNight).
std::optional<CrescentSighting> crescentOfNight(const Ephemeris& eph, double newMoon, double sunEvent, bool evening,
                                                const Site& site);
// The moment of the Sun's lowest (airless) altitude between two moments of a
// night, found to a few seconds; lowestPoint does the search for any altitude
// with one minimum there, or any function rising with it (the map passes the
// sine of its tabulated Sun's).
double sunLowestPoint(const Ephemeris& eph, double from, double to, const Site& site);
template <class Altitude>
double lowestPoint(double from, double to, const Altitude& altitude)
{
    // Golden-section search: the altitude falls to one minimum between a
    // sunset and the next sunrise.
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double a = from, b = to;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = altitude(c), fd = altitude(d);
    constexpr double kTolerance = 5.0 / 86400.0;   // days
    while (b - a > kTolerance) {
        if (fc < fd) {
            b = d, d = c, fd = fc;
            c = b - ratio * (b - a), fc = altitude(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + ratio * (b - a), fd = altitude(d);
        }
    }
    return (a + b) / 2.0;
}

// The circumstances at the given moment.
CrescentGeometry crescentGeometry(const Ephemeris& eph, double jdUt, const Site& site);

// Yallop's q at the given moment (geocentric, airless altitudes) and its class.
double yallopQ(const Ephemeris& eph, double jdUt, const Site& site);
YallopClass yallopClass(double q);
QChar yallopLetter(YallopClass c);
// A grade's letter on either scale: A for the best.
QChar gradeLetter(int grade);

OdehZone odehZone(double v);
QChar odehLetter(OdehZone z);

// The next rise or set of the Sun or the Moon after jdUt (upper limb,
// standard refraction); none where it has none within a day or so.
std::optional<double> nextRiseSet(const Ephemeris& eph, double jdUt, int body, bool rise, const Site& site);

}  // namespace tavik::almanac
