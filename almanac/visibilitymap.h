// Where on Earth the crescent can be seen: a world grid of places sharing
// one evening (or morning), each with its sunset, moonset, the best time to
// look and Yallop's q or Odeh's V there, graded as in the sighting report.
// The ephemeris is read once for the whole map (skytables.h); each place
// needs only its sidereal time, the parallax and a few Newton steps.
#pragma once

#include "ephemeris.h"

#include <QChar>
#include <QDate>
#include <QList>

#include <atomic>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tavik::almanac {

enum class Criterion { Yallop, Odeh };

// What a place's evening comes to. In the morning the same words stand for
// their mirror images: the Moon rising after the Sun, the sunrise coming
// after the conjunction, no sunrise, no moonrise.
enum class MapOutcome : std::uint8_t {
    Graded,             // value and grade hold
    MoonsetFirst,       // the Moon sets before the Sun, or is down all night (no moonset then)
    BeforeConjunction,  // the Sun sets before the conjunction: no young Moon yet
    NoSunset,           // the Sun does not set that day
    NoMoonset,          // no moonset between the sunset and the next sunrise: graded at the
                        // Sun's lowest point of that night, the darkest sky
};

struct MapPoint {
    float sunEvent = 0;    // seconds after the map's epoch: sunset (sunrise)
    float moonEvent = 0;   // moonset (moonrise); the best time where the Moon does not set;
                           // NaN before the conjunction where it does not, and where it is
                           // down all night
    float value = 0;       // q or V at the best time
    MapOutcome outcome = MapOutcome::NoSunset;
    std::uint8_t grade = 0;   // 0 for A: a YallopClass or an OdehZone
};
static_assert(sizeof(MapPoint) == 16, "a 0.25° world map is 1,036,800 of them");

inline constexpr double kMinMapStep = 0.1;   // degrees, for the whole world
inline constexpr double kMaxMapStep = 5.0;
// A part of the world may be finer, as long as it has no more places than
// the finest world map.
inline constexpr double kMinRegionStep = 0.01;
inline constexpr long long kMaxMapCells = 3600LL * 1800LL;

// A part of the world: degrees, west to east, south to north.
struct MapRegion {
    double west = -180.0, south = -90.0, east = 180.0, north = 90.0;
    double width() const { return east - west; }
    double height() const { return north - south; }
    bool operator==(const MapRegion&) const = default;
};
// Days from the conjunction within which a date has a crescent to map; a
// fuller Moon is refused, for the sighting report no longer grades it as one.
inline constexpr double kMaxMapAge = 5.0;

struct MapRequest {
    QDate date;            // each place sees the evening (morning) of this date in its own day
    bool morning = false;
    Criterion criterion = Criterion::Yallop;
    double step = 0.5;     // degrees of the grid, kMinMapStep to kMaxMapStep
    MapRegion region;      // the whole world unless told
};

struct VisibilityMap {
    MapRequest request;
    double epoch = 0;      // UT1 Julian day of 0h UTC starting the date
    double newMoon = 0;    // the conjunction nearest the date
    int rows = 0;          // from the region's north
    int columns = 0;       // from its west
    std::vector<MapPoint> points;   // row by row
    bool complete = false; // false where the computation was called off

    // The centre of a cell, degrees.
    double latitude(int row) const { return request.region.north - (row + 0.5) * request.region.height() / rows; }
    double longitude(int column) const { return request.region.west + (column + 0.5) * request.region.width() / columns; }
    const MapPoint& at(int row, int column) const { return points[std::size_t(row) * columns + column]; }
    double julianDay(float seconds) const { return epoch + seconds / 86400.0; }
    // sunset + 4/9 lag (sunrise - 4/9 lag), seconds after the epoch; where the
    // Moon does not set (rise), the darkest moment of the night.
    double bestSeconds(const MapPoint& p) const;
};

bool validMapStep(double step);
// A region within the world, with a step from kMinRegionStep to kMaxMapStep
// that gives at most kMaxMapCells places.
bool validMapRequest(const MapRequest& request);

// The dates of `count` maps from `date`: that evening and the ones after it,
// or that morning and the ones before it; the chosen one comes first, the
// others go away from the conjunction as the Moon's age grows.
QList<QDate> mapDates(QDate date, bool morning, int count);

class SkyTables;

// The rows of a map handed on as they are done, for a map too fine to be held
// whole (a 0.1° world is 104 MB of places): `count` rows from `first`, the
// places row by row. Called on the computing threads, each row once and in no
// set order, so it must be safe to call from several threads at once.
using MapRowsSink = std::function<void(int first, int count, const MapPoint* points)>;

// A map in two steps: what needs the ephemeris (the conjunction, the Sun
// and Moon tables), done where the ephemeris is used, for the library is
// not safe to call from two threads at once; then the places, which need
// no call into it and may be computed on any thread.
class VisibilityMapJob {
public:
    // Throws EphemerisError.
    VisibilityMapJob(const Ephemeris& eph, const MapRequest& request);

    // The places on `threads` threads (0: every core). A set `cancelled`
    // stops it between rows; the map is then not complete.
    // rowsDone, when given, counts the rows as they are done. With a sink the
    // places go to it and the map returned has none.
    VisibilityMap run(int threads = 0, const std::atomic_bool* cancelled = nullptr,
                      std::atomic_int* rowsDone = nullptr, const MapRowsSink& sink = {}) const;

    // The map as run() returns it, without its places: the grid, the epoch,
    // the conjunction; complete is false.
    VisibilityMap frame() const;
    const MapRequest& request() const { return m_request; }
    double newMoon() const { return m_newMoon; }
    // The same evening (morning) over another region at another step, with
    // what was read from the ephemeris shared: a map computed in parts.
    VisibilityMapJob part(const MapRegion& region, double step) const;
    // Whether the date is within kMaxMapAge of the conjunction nearest it.
    bool nearNewMoon() const;

private:
    MapRequest m_request;
    double m_epoch = 0;
    double m_newMoon = 0;
    double m_refraction = 0;
    std::shared_ptr<const SkyTables> m_sky;
};

// Both steps at once, whatever the date. Throws EphemerisError.
VisibilityMap computeVisibilityMap(const Ephemeris& eph, const MapRequest& request, int threads = 0,
                                   const std::atomic_bool* cancelled = nullptr);

// A place's sunset from the map's tables, with the Moon as seen there then:
// for the rules that look for a crescent anywhere within a region.
struct SunsetSky {
    double latitude = 0, longitude = 0;   // degrees
    double sunset = 0;                     // UT1 Julian day
    double moonAltitude = 0;               // topocentric, airless, of the centre, degrees
    double elongation = 0;                 // geocentric, degrees
};
// The place of the region's grid (step degrees, within 65° of the equator)
// whose sunset falls within [from, to) with the highest score, on `threads`
// threads (0: every core); the search stops once a score reaches `enough`,
// with the first such place from the north-west, whatever the threads did.
// None where no sunset falls within. The tables must reach a day beyond both ends.
std::optional<SunsetSky> bestSunset(const SkyTables& sky, const MapRegion& region, double step, double from,
                                    double to, const std::function<double(const SunsetSky&)>& score, double enough,
                                    int threads = 0);

// Whether a complete map has no crescent anywhere because the whole of it is
// on the wrong side of the conjunction: every place whose Sun sets (rises)
// does so before (after) it.
bool beyondConjunctionEverywhere(const VisibilityMap& map);

// The letter of a grade under the criterion: A..F (Yallop), A..D (Odeh).
QChar gradeLetter(Criterion criterion, int grade);
int gradeCount(Criterion criterion);

}  // namespace tavik::almanac
