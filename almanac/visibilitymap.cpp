#include "visibilitymap.h"

#include "crescentformulas.h"
#include "crescents.h"
#include "newmoons.h"
#include "parallel.h"
#include "skytables.h"

#include <swephexp.h>

#include <QTimeZone>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <cmath>
#include <numbers>
#include <optional>

namespace tavik::almanac {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTurn = 2.0 * kPi;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kAuMetres = kAuKm * 1000.0;
// The Earth's figure and the bodies' diameters as the Swiss Ephemeris takes
// them for its rising and setting, so that the map agrees with the report.
constexpr double kEarthFlattening = 1.0 / 298.25642;
constexpr double kSunDiameterAu = 1392000000.0 / kAuMetres;
constexpr double kMoonDiameterAu = 3475000.0 / kAuMetres;
// Hour angle gained a day, radians: against the Sun, and on average against the Moon.
constexpr double kSunHourRate = kTurn * 0.99727;
constexpr double kMoonHourRate = kTurn * 0.96610;
// Where the library's quick rising search gives way to its sampled one; a
// place beyond it may see the Sun or the Moon neither rise nor set.
constexpr double kQuickLatitudeLimit = 60.0;   // degrees
constexpr double kSampleStep = 2.0 / 24.0;     // days
constexpr int kSamples = 15;                   // 2 h before to 26 h after
constexpr double kTimeTolerance = 1.0e-6;      // days
constexpr int kRowsPerChunk = 4;
constexpr double kOneEventSpan = 0.8;          // days: well under a day between events
// |cos| of the hour angle of rising and setting: below kRegular the body
// crosses the horizon steeply enough; above kClear (the Sun) it stays well
// clear of it for the day (its declination moves half a degree a day at most).
constexpr double kRegular = 0.9;
constexpr double kClear = 1.05;
// How far above (below) the horizon the Moon's geocentric centre must stay at
// its culminations, by its declinations at the ends of the samples, to be up
// (down) all day: its parallax (1.03° at most) and its declination's turning
// beyond both ends (0.4° at most in 32 hours), with room to spare.
constexpr double kMoonClear = 2.0 * kDegree;

// The angle whose sine and cosine are in the ratio sine : cosine, in (-pi, pi].
// A search ends with steps of a few seconds of time, for which the series of
// the arctangent to its third term is exact to the last bit (the next term is
// below 2e-22 radians) and quicker than the library's general arctangent.
double differenceAngle(double sine, double cosine)
{
    if (cosine > 0 && std::abs(sine) < 1.0e-3 * cosine) {
        const double u = sine / cosine, u2 = u * u;
        return u * (1.0 - u2 * (1.0 / 3.0 - u2 * 0.2));
    }
    return std::atan2(sine, cosine);
}

// A place of the grid, at sea level: the geodetic latitude for the zenith,
// the geocentric offset (AU) for the parallax.
struct Place {
    double lat, sinLat, cosLat, cosLon, sinLon, rhoCos, rhoSin;
    bool quick;
    void setLongitude(double lonDeg)
    {
        cosLon = std::cos(lonDeg * kDegree);
        sinLon = std::sin(lonDeg * kDegree);
    }
    // To the next place of a row: the longitude turned by the angle whose
    // cosine and sine are given, rather than a sine and cosine a place.
    void turnEast(double cosStep, double sinStep)
    {
        const double c = cosLon * cosStep - sinLon * sinStep;
        sinLon = sinLon * cosStep + cosLon * sinStep;
        cosLon = c;
    }
};

// The places of a row differ only in their longitude, set by the caller.
Place placeAt(double latDeg)
{
    const double lat = latDeg * kDegree;
    const double b = 1.0 - kEarthFlattening;
    const double c = 1.0 / std::sqrt(std::cos(lat) * std::cos(lat) + b * b * std::sin(lat) * std::sin(lat));
    return Place{lat, std::sin(lat), std::cos(lat), 1.0, 0.0, kEarthRadiusAu * c * std::cos(lat),
                 kEarthRadiusAu * c * b * b * std::sin(lat), std::abs(latDeg) <= kQuickLatitudeLimit};
}

// A body's direction (unit vector) in the frame turning with the place's
// meridian: x towards the meridian on the equator, z to the pole.
struct Seen {
    double x, y, z, inverseDist;   // and one over the distance (AU)
};

// A body's place (AU) turned into the frame of a meridian, before the
// parallax: the same for every place of a column.
struct Turned {
    double x, y, z;
};

// The body's place turning with the Earth (SkyTables::turningAt) seen from
// the meridian of the place.
Turned turned(const EquatorialVector& e, const Place& o)
{
    return Turned{e.x * o.cosLon + e.y * o.sinLon, e.y * o.cosLon - e.x * o.sinLon, e.z};
}

Seen seenFrom(const Place& o, const Turned& t, bool topocentric)
{
    double x = t.x;
    const double y = t.y;
    double z = t.z;
    if (topocentric) {
        x -= o.rhoCos;
        z -= o.rhoSin;
    }
    const double d = std::sqrt(x * x + y * y + z * z);
    const double inverse = 1.0 / d;   // one division rather than three
    return Seen{x * inverse, y * inverse, z * inverse, inverse};
}

Seen seenFrom(const Place& o, const EquatorialVector& e, bool topocentric)
{
    return seenFrom(o, turned(e, o), topocentric);
}

// Near the poles the Sun's rising or setting is sampled every two hours from
// the start of the place's own evening (morning), which depends on its
// longitude alone: the Sun's samples, turned to the column's meridian, serve
// every place of the column, and a thread works them out once for its rows;
// so are the Sun's places at the start and at the end of the samples, which
// tell whether it stays clear of the horizon.
class ColumnSuns {
public:
    static constexpr int kAtStart = kSamples;
    static constexpr int kAtEnd = kSamples + 1;
    explicit ColumnSuns(int columns) : m_filled(std::size_t(columns), false) {}
    // The samples of the column from `after` (the same for every call of a
    // column), then the Sun at kAtStart and kAtEnd.
    const Turned* samples(const SkyTables& sky, int column, double after, const Place& place)
    {
        if (m_samples.empty())
            m_samples.resize(m_filled.size() * kEach);
        Turned* const s = &m_samples[std::size_t(column) * kEach];
        if (!m_filled[std::size_t(column)]) {
            const auto at = [&](double t) { return turned(sky.turningAt(t, false), place); };
            for (int k = 0; k < kSamples; ++k)
                s[k] = at(after - kSampleStep + k * kSampleStep);
            s[kAtStart] = at(after);
            s[kAtEnd] = at(after + kSampleStep * kSamples);
            m_filled[std::size_t(column)] = true;
        }
        return s;
    }

private:
    static constexpr int kEach = kSamples + 2;
    std::vector<bool> m_filled;
    std::vector<Turned> m_samples;   // kEach a column, once needed
};

double sinAltitude(const Place& o, const Seen& s)   // airless
{
    return s.x * o.cosLat + s.z * o.sinLat;
}

double altitude(const Place& o, const Seen& s)   // radians, airless
{
    return std::asin(std::clamp(sinAltitude(o, s), -1.0, 1.0));
}

double separation(const Seen& a, const Seen& b)   // radians
{
    const double cx = a.y * b.z - a.z * b.y, cy = a.z * b.x - a.x * b.z, cz = a.x * b.y - a.y * b.x;
    return std::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), a.x * b.x + a.y * b.y + a.z * b.z);
}

// The refraction at the horizon, as its cosine and sine: the same for every
// place of a map, worked out once.
struct Refraction {
    double cos, sin;
    explicit Refraction(double radians) : cos(std::cos(radians)), sin(std::sin(radians)) {}
};

// Rising and setting of the upper limb with standard refraction at one
// place, from the shared tables.
class PlaceSky {
public:
    PlaceSky(const SkyTables& sky, const Refraction& refraction, const Place& place)
        : m_sky(sky), m_refraction(refraction), m_place(place) {}

    // The Sun's samples of the place's column from `after` (ColumnSuns), taken
    // when a search of the Sun from that moment samples.
    void shareSunSamples(ColumnSuns* suns, int column, double after)
    {
        m_suns = suns;
        m_column = column;
        m_sunsAfter = after;
    }

    // hint: the same event at the place a column to the west, if known.
    std::optional<double> nextEvent(bool moon, bool rise, double after, std::optional<double> hint) const
    {
        if (!m_place.quick)
            return polarEvent(moon, rise, after, hint);
        return hintedEvent(moon, rise, after, hint);
    }

    Seen seen(bool moon, double t, bool topocentric) const
    {
        return seenFrom(m_place, m_sky.turningAt(t, moon), topocentric);
    }
    // The Moon (geocentric, and topocentric where asked) and the Sun at one
    // moment, from one set of interpolation weights.
    struct Both {
        Seen moonGeo, moonTopo, sun;
    };
    Both seenBoth(double t, bool moonTopocentric, bool sunTopocentric) const
    {
        EquatorialVector moon, sun;
        m_sky.turningBothAt(t, moon, sun);
        const Turned m = turned(moon, m_place);
        const Seen geo = seenFrom(m_place, m, false);
        return Both{geo, moonTopocentric ? seenFrom(m_place, m, true) : geo, seenFrom(m_place, sun, sunTopocentric)};
    }
    const Place& place() const { return m_place; }
    bool up(bool moon, double t) const { return upness(moon, t) > 0; }

private:
    std::optional<double> hintedEvent(bool moon, bool rise, double after, std::optional<double> hint) const
    {
        if (hint) {
            // Soon after the start it is the first after it: a body's
            // risings (settings) come nearly a day apart.
            const double t = refined(moon, rise, *hint);
            if (t > after && t < after + kOneEventSpan)
                return t;
        }
        return quickEvent(moon, rise, after);
    }

    // Beyond 60°: where the body rises and sets well clear of grazing the
    // horizon at the start and at the event, it does so as nearer the
    // equator; where the Sun stays well clear of the horizon all day, it
    // has no event; the rest is sampled.
    std::optional<double> polarEvent(bool moon, bool rise, double after, std::optional<double> hint) const
    {
        const Turned* shared = sharedSun(moon, after);
        const double c0 = cosSetHourAngle(moon, shared ? seenFrom(m_place, shared[ColumnSuns::kAtStart], true)
                                                       : seen(moon, after, true));
        if (std::abs(c0) < kRegular) {
            const std::optional<double> t = hintedEvent(moon, rise, after, hint);
            if (t && *t < after + kOneEventSpan && std::abs(cosSetHourAngle(moon, seen(moon, *t, true))) < kRegular)
                return t;
        } else if (!moon && std::abs(c0) > kClear) {
            const double c1 = cosSetHourAngle(moon, shared ? seenFrom(m_place, shared[ColumnSuns::kAtEnd], true)
                                                           : seen(moon, after + kSampleStep * kSamples, true));
            if (std::abs(c1) > kClear && (c0 > 0) == (c1 > 0))
                return std::nullopt;
        } else if (moon && moonClear(after)) {
            return std::nullopt;
        }
        return sampledEvent(moon, rise, after, hint);
    }

    // The column's Sun (ColumnSuns) where a search of the Sun starts from its start.
    const Turned* sharedSun(bool moon, double after) const
    {
        return !moon && m_suns && after == m_sunsAfter ? m_suns->samples(m_sky, m_column, after, m_place) : nullptr;
    }

    // Whether the Moon stays well above (below) the horizon from the first
    // sample to a while after the last, where it neither rises nor sets.
    bool moonClear(double after) const
    {
        const double a = m_sky.moon(after - kSampleStep).dec, b = m_sky.moon(after + kSampleStep * kSamples).dec;
        const double lat = std::abs(m_place.lat);
        // Declinations towards the place's pole counted positive.
        const double low = m_place.lat >= 0 ? std::min(a, b) : -std::max(a, b);
        const double high = m_place.lat >= 0 ? std::max(a, b) : -std::min(a, b);
        const bool alwaysUp = lat + low - kPi / 2 > kMoonClear;
        const bool neverUp = lat - high - kPi / 2 > kMoonClear;
        return alwaysUp || neverUp;
    }
    // The sine of the altitude the centre has when the upper limb touches
    // the horizon: -sin(semidiameter + refraction), without the arcsine.
    double sinHorizon(bool moon, const Seen& s) const
    {
        const double sinSemi = (moon ? kMoonDiameterAu : kSunDiameterAu) / 2.0 * s.inverseDist;
        // The cosine of a semidiameter (a third of a degree at most) by its
        // series, exact to the last bit without a square root: the next
        // term is below 1e-19.
        const double s2 = sinSemi * sinSemi;
        const double cosSemi = 1.0 - s2 * (0.5 + s2 * (0.125 + s2 * 0.0625));
        return -(sinSemi * m_refraction.cos + cosSemi * m_refraction.sin);
    }

    // Positive while the upper limb is up: the sines of the altitudes, whose
    // difference has the sign and the zeros of the altitudes'.
    double upness(bool moon, double t) const { return upness(moon, seen(moon, t, true)); }
    double upness(bool moon, const Seen& s) const { return sinAltitude(m_place, s) - sinHorizon(moon, s); }

    // The cosine of the hour angle at which the upper limb touches the
    // horizon, times cosLat·sqrt(1 - z²); beyond ±1 times that it does not.
    double cosSetHourAngleTimes(bool moon, const Seen& s) const
    {
        return sinHorizon(moon, s) - m_place.sinLat * s.z;
    }
    double cosSetHourAngle(bool moon, const Seen& s) const
    {
        return cosSetHourAngleTimes(moon, s) / (m_place.cosLat * std::sqrt(1.0 - s.z * s.z));
    }

    // Days until the hour angle reaches that of the rising (setting) for
    // the body's place at t: forward, or the nearest either way.
    double gap(bool moon, bool rise, double t, bool forward) const
    {
        const Seen s = seen(moon, t, true);
        // The event's hour angle h (negative for the rising) by its cosine
        // and sine times cosLat·sqrt(1 - z²) (cosSetHourAngleTimes, and the
        // root of the difference of the squares), the body's hour angle H by
        // its cosine x and sine -y times sqrt(1 - z²): their difference by
        // one arctangent, in (-pi, pi], without a division or the lengths.
        const double length2 = m_place.cosLat * m_place.cosLat * (s.x * s.x + s.y * s.y);
        double c = cosSetHourAngleTimes(moon, s);
        double sinH = 0;
        if (c * c < length2)
            sinH = std::sqrt(length2 - c * c);
        else
            c = std::copysign(std::sqrt(length2), c);   // no rising or setting: the nearest
        if (rise)
            sinH = -sinH;
        double g = differenceAngle(sinH * s.x + c * s.y, c * s.x - sinH * s.y);
        if (forward && g < -2.0 * kDegree)
            g += kTurn;
        return g * (moon ? 1.0 / kMoonHourRate : 1.0 / kSunHourRate);
    }

    // Within 60° of the equator both bodies rise and set every day: the
    // hour angle of the event, refined for the motion of the body.
    double refined(bool moon, bool rise, double t) const
    {
        for (int i = 0; i < 8; ++i) {
            const double d = gap(moon, rise, t, false);
            t += d;
            // Each step leaves a thirtieth or less of itself.
            if (std::abs(d) < 20 * kTimeTolerance)
                break;
        }
        return t;
    }

    std::optional<double> quickEvent(bool moon, bool rise, double after) const
    {
        double from = after;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const double t = refined(moon, rise, from + gap(moon, rise, from, true));
            if (t > after)
                return t;
            from = after + 0.5;
        }
        return std::nullopt;
    }

    std::optional<double> sampledEvent(bool moon, bool rise, double after, std::optional<double> hint) const;

    const SkyTables& m_sky;
    Refraction m_refraction;
    Place m_place;
    ColumnSuns* m_suns = nullptr;
    int m_column = 0;
    double m_sunsAfter = 0;
};

// The root of f between a and b (fa and fb of opposite signs), by the
// Illinois variant of the false position.
template <class F>
double crossing(const F& f, double a, double fa, double b, double fb)
{
    int side = 0;
    for (int i = 0; i < 60 && b - a > kTimeTolerance; ++i) {
        const double c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if ((fc > 0) == (fb > 0)) {
            b = c;
            fb = fc;
            if (side == -1)
                fa /= 2.0;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1)
                fb /= 2.0;
            side = 1;
        }
    }
    return (a * fb - b * fa) / (fb - fa);
}

// The crossing between a and b (fa and fb of opposite signs) is searched for
// from the same event at the place to the west, where it is within a second
// or two: the bracket is narrowed to the side of the hint the crossing is on,
// and to a step of two seconds from it where the crossing is within that.
template <class F>
void narrowToHint(const F& f, double hint, double& a, double& fa, double& b, double& fb)
{
    constexpr double kStep = 2.0 / 86400.0;   // days
    const double fh = f(hint);
    const bool after = (fh > 0) == (fa > 0);   // the crossing after the hint
    if (after) {
        a = hint;
        fa = fh;
    } else {
        b = hint;
        fb = fh;
    }
    const double e = after ? hint + kStep : hint - kStep;
    if (e <= a || e >= b)
        return;
    const double fe = f(e);
    if ((fe > 0) == (fa > 0)) {
        a = e;
        fa = fe;
    } else {
        b = e;
        fb = fe;
    }
}

// Near the poles: the upper limb's height every two hours from two hours
// before to a day after, with the highs and lows between the samples put
// in, and the first crossing the right way after the start.
std::optional<double> PlaceSky::sampledEvent(bool moon, bool rise, double after, std::optional<double> hint) const
{
    const auto f = [&](double t) { return upness(moon, t); };
    const Turned* shared = sharedSun(moon, after);
    std::array<double, kSamples> time, height;
    std::array<std::pair<double, double>, 2 * kSamples> points;   // time, height: samples, highs and lows
    int sampled = 0, n = 0;
    // The samples up to count, and the highs and lows at the samples but the
    // last: all the points before the last but one sample are then known.
    const auto sampleTo = [&](int count) {
        for (; sampled < count; ++sampled) {
            const int k = sampled;
            time[k] = after - kSampleStep + k * kSampleStep;
            height[k] = shared ? upness(false, seenFrom(m_place, shared[k], true)) : f(time[k]);
            points[n++] = {time[k], height[k]};
            if (k < 2)
                continue;
            const double y0 = height[k - 2], y1 = height[k - 1], y2 = height[k];
            if ((y1 - y0) * (y2 - y1) >= 0)
                continue;
            // A high or a low at the middle sample: the vertex of the parabola.
            const double a = (y0 + y2) / 2.0 - y1, b = (y2 - y0) / 2.0;
            const double tv = time[k - 1] + std::clamp(-b / (2.0 * a), -1.0, 1.0) * kSampleStep;
            points[n++] = {tv, f(tv)};
        }
    };
    // The young Moon's setting (rising) comes within hours of the start: the
    // first half of the day is sampled first, and the rest only where the
    // crossing is not found before its last but one sample. The pairs of
    // points looked at are those of the whole day's points in time order.
    constexpr int kFirstSamples = 9;
    double lookedAt = -std::numeric_limits<double>::infinity();   // the pairs ending before it
    for (const int count : {kFirstSamples, kSamples}) {
        sampleTo(count);
        const double known = count < kSamples ? time[std::size_t(count - 2)] : std::numeric_limits<double>::infinity();
        std::sort(points.begin(), points.begin() + n);
        for (int i = 1; i < n && points[i].first < known; ++i) {
            if (points[i].first < lookedAt)
                continue;
            auto [ta, fa] = points[i - 1];
            auto [tb, fb] = points[i];
            if (rise ? !(fa <= 0 && fb > 0) : !(fa > 0 && fb <= 0))
                continue;
            if (hint && *hint > ta && *hint < tb)
                narrowToHint(f, *hint, ta, fa, tb, fb);
            const double t = crossing(f, ta, fa, tb, fb);
            if (t > after)
                return t;
        }
        lookedAt = known;
    }
    return std::nullopt;
}

// Yallop's q (geocentric airless altitudes) or Odeh's V (topocentric) at t.
double criterionValue(const PlaceSky& sky, double t, Criterion criterion)
{
    const bool topo = criterion == Criterion::Odeh;
    const auto [moonGeo, moonTopo, sun] = sky.seenBoth(t, topo, topo);
    const Seen& moon = topo ? moonTopo : moonGeo;
    constexpr double degrees = 1.0 / kDegree;
    const double arcv = (altitude(sky.place(), moon) - altitude(sky.place(), sun)) * degrees;
    // The Moon's altitude and the elongation enter the width by their sine
    // and versine, which the directions give without an angle.
    const double cx = sun.y * moon.z - sun.z * moon.y, cy = sun.z * moon.x - sun.x * moon.z,
                 cz = sun.x * moon.y - sun.y * moon.x;
    const double cosArcl = sun.x * moon.x + sun.y * moon.y + sun.z * moon.z;
    const double versine = (cx * cx + cy * cy + cz * cz) / (1.0 + cosArcl);   // sin²/(1 + cos)
    const double width = crescentWidthFromSines(kEarthRadiusAu * moonGeo.inverseDist,
                                                sinAltitude(sky.place(), moonGeo), versine);
    return topo ? odehVOf(arcv, width) : yallopQOf(arcv, width);
}

struct MapWork {
    const SkyTables& sky;
    Refraction refraction;
    VisibilityMap& map;
    const MapRowsSink& sink;   // where the rows go when the map does not hold them
    // Each column's start: the evening after local noon, the morning after
    // local midnight, up to a day later; the same down the column.
    std::vector<double> starts;
};

std::vector<double> columnStarts(const VisibilityMap& map)
{
    std::vector<double> starts(std::size_t(map.columns));
    for (int column = 0; column < map.columns; ++column)
        starts[std::size_t(column)] = map.epoch + (map.request.morning ? 0.0 : 0.5) - map.longitude(column) / 360.0;
    return starts;
}

// The last place's sunset and moonset, to start the next one's from.
struct RowHints {
    double sun = std::numeric_limits<double>::quiet_NaN();   // none yet
    double moon = std::numeric_limits<double>::quiet_NaN();
    double shift = 0;   // turns of longitude from one column to the next
};

// The Sun's lowest point in the night from its setting (from) to its rising
// (to): the darkest sky of a night in which the Moon neither sets nor
// rises. It is the Sun's lower culmination, found from the hour angle at the
// setting (rising), moved by the Sun's motion in declination (up to a few
// minutes near the polar circles) by two parabolas through the Sun's height:
// the height is so nearly a cosine of the time that the second puts the
// lowest point within a millisecond, in 7 positions of the Sun where a
// golden-section search to 5 seconds takes 20. Where that fails the night,
// the search over the night, as the report makes it.
double darkestMoment(const PlaceSky& sky, bool evening, double from, double to)
{
    const auto height = [&](double t) { return sinAltitude(sky.place(), sky.seen(false, t, false)); };
    const double edge = evening ? from : to;
    const Seen s = sky.seen(false, edge, false);
    const double hourAngle = std::atan2(-s.y, s.x);   // (-pi, pi]
    // Half a turn of hour angle: the first after the setting, the last before the rising.
    double t = evening ? edge + (kPi - hourAngle) / kSunHourRate : edge - (hourAngle + kPi) / kSunHourRate;
    for (const double step : {300.0 / kSecondsPerDay, 30.0 / kSecondsPerDay}) {
        const double before = height(t - step), now = height(t), after = height(t + step);
        const double curvature = before + after - 2.0 * now;
        if (!(curvature > 0))
            return lowestPoint(from, to, height);
        t += step * (before - after) / (2.0 * curvature);
    }
    return t > from && t < to ? t : lowestPoint(from, to, height);
}

void grade(MapPoint& p, const PlaceSky& sky, const VisibilityMap& map, double best)
{
    const double v = criterionValue(sky, best, map.request.criterion);
    p.value = float(v);
    p.grade = map.request.criterion == Criterion::Yallop ? std::uint8_t(yallopClass(v)) : std::uint8_t(odehZone(v));
}

// The night the Moon spends without setting (rising): from the sunset, a day
// at most (from the previous sunset, or a day before, to the sunrise).
// Where the Moon is down at its darkest moment, as the report tells it, it
// set before the Sun and stays down (rises after it): the Moon sets first.
void gradeMoonlessNight(MapPoint& p, const PlaceSky& sky, const VisibilityMap& map, double sun,
                        std::optional<double> otherSun)   // the previous sunset, in the morning
{
    const bool evening = !map.request.morning;
    const double from = evening ? sun : otherSun.value_or(sun - 1.0);
    const double to = evening ? sun + 1.0 : sun;
    const double best = darkestMoment(sky, evening, from, to);
    if (altitude(sky.place(), sky.seen(true, best, false)) <= 0) {
        p.outcome = MapOutcome::MoonsetFirst;
        p.moonEvent = std::numeric_limits<float>::quiet_NaN();
        return;
    }
    p.outcome = MapOutcome::NoMoonset;
    p.moonEvent = float((best - map.epoch) * kSecondsPerDay);
    grade(p, sky, map, best);
}

// The Moon's rising before the sunrise, or none where it stays down through
// the night: in the morning, from the previous sunset (otherSun).
std::optional<double> moonEventOfNight(const PlaceSky& sky, double sun, std::optional<double> moon,
                                       std::optional<double> otherSun)
{
    if (moon && *moon <= sun && !(otherSun && *moon < *otherSun))
        return moon;
    if (moon && *moon > sun) {
        // Rising after the Sun, or up since before the search began.
        if (!sky.up(true, sun))
            return moon;
        if (otherSun && *otherSun < sun - 0.3)
            if (const auto earlier = sky.nextEvent(true, true, *otherSun, std::nullopt); earlier && *earlier < sun)
                return earlier;
    }
    return std::nullopt;
}

// place: the row's, at the column's longitude.
MapPoint pointAt(const MapWork& w, const Place& place, int column, RowHints& hints, ColumnSuns& suns)
{
    const VisibilityMap& map = w.map;
    const bool evening = !map.request.morning;
    PlaceSky sky(w.sky, w.refraction, place);
    const double start = w.starts[std::size_t(column)];
    sky.shareSunSamples(&suns, column, start);
    MapPoint p;
    auto hint = [&](double last, double rate) {
        return std::isnan(last) ? std::nullopt : std::optional<double>(last - hints.shift * kTurn / rate);
    };
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    std::optional<double> sun = sky.nextEvent(false, !evening, start, hint(hints.sun, kSunHourRate));
    if (sun && *sun >= start + 1.0)
        sun.reset();   // the next day's, at the edge of the polar day or night
    const std::optional<double> moonHint = hint(hints.moon, kMoonHourRate);
    hints.sun = sun.value_or(none);
    hints.moon = none;
    if (!sun)
        return p;
    p.sunEvent = float((*sun - map.epoch) * kSecondsPerDay);
    // The young Moon sets within a few hours of the Sun, before or after it.
    std::optional<double> moon = sky.nextEvent(true, !evening, *sun - kMoonEventSearchLead, moonHint);
    hints.moon = moon.value_or(none);
    // Within 60° of the equator the Sun sinks from its setting to its lowest
    // near local midnight and climbs from there to its rising: up to a
    // margin before the midnight (after it), for the equation of time moves
    // the lowest point by a quarter of an hour at most, it is down without
    // a look.
    constexpr double kMidnightMargin = 0.02;   // days
    const double sunEvent = *sun;
    const auto sunUp = [&](double t) {
        const bool surelyDown = place.quick
                                && (evening ? t > sunEvent && t < start + 0.5 - kMidnightMargin
                                            : t < sunEvent && t > start + kMidnightMargin);
        return !surelyDown && sky.up(false, t);
    };
    if (evening ? *sun < map.newMoon : *sun > map.newMoon) {
        p.moonEvent = moon ? float((*moon - map.epoch) * kSecondsPerDay) : std::numeric_limits<float>::quiet_NaN();
        p.outcome = MapOutcome::BeforeConjunction;
        return p;
    }
    // In the evening, the Moon without a setting, or setting with the Sun up
    // again, stays up through the night: the next sunrise is not needed.
    // In the morning the previous sunset is searched for only where it
    // matters: the Sun up at the moonrise tells that the Moon stays down
    // through the night, without a search.
    bool nightMatters = !moon;
    if (moon && evening)
        nightMatters = *moon > *sun && sunUp(*moon);
    else if (moon)
        nightMatters = *moon <= *sun ? sunUp(*moon) : sky.up(true, *sun);
    std::optional<double> otherSun;   // the previous sunset, in the morning
    if (nightMatters && !evening)
        otherSun = sky.nextEvent(false, false, *sun - 1.0, std::nullopt);
    if (otherSun && *otherSun >= *sun)
        otherSun.reset();
    if (evening)
        moon = nightMatters ? std::nullopt : moon;
    else
        moon = moonEventOfNight(sky, *sun, moon, otherSun);
    if (!moon) {
        gradeMoonlessNight(p, sky, map, *sun, otherSun);
        return p;
    }
    p.moonEvent = float((*moon - map.epoch) * kSecondsPerDay);
    const double lag = evening ? *moon - *sun : *sun - *moon;
    if (lag <= 0) {
        p.outcome = MapOutcome::MoonsetFirst;
    } else {
        grade(p, sky, map, evening ? *sun + kBestFraction * lag : *sun - kBestFraction * lag);
        p.outcome = MapOutcome::Graded;
    }
    return p;
}

// The refraction at the horizon the library's rising search takes.
double horizonRefraction()
{
    double dret[4] = {0};
    swe_refrac_extended(0.000001, 0.0, kStandardPressure, kStandardTemperature, 0.0065, SE_APP_TO_TRUE, dret);
    return (dret[1] - dret[0]) * kDegree;
}

void computeRows(const MapWork& w, std::atomic_int& nextRow, const std::atomic_bool* cancelled,
                 std::atomic_int* rowsDone)
{
    std::vector<MapPoint> chunk(w.sink ? std::size_t(kRowsPerChunk) * w.map.columns : 0);
    ColumnSuns suns(w.map.columns);
    const double step = w.map.request.region.width() / w.map.columns * kDegree;
    const double cosStep = std::cos(step), sinStep = std::sin(step);
    for (;;) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            return;
        const int first = nextRow.fetch_add(kRowsPerChunk);
        if (first >= w.map.rows)
            return;
        const int end = std::min(first + kRowsPerChunk, w.map.rows);
        MapPoint* const points = w.sink ? chunk.data() : &w.map.points[std::size_t(first) * w.map.columns];
        for (int row = first; row < end; ++row) {
            Place place = placeAt(w.map.latitude(row));
            place.setLongitude(w.map.longitude(0));
            RowHints hints;
            hints.shift = w.map.request.region.width() / 360.0 / w.map.columns;   // turns
            MapPoint* const line = points + std::size_t(row - first) * w.map.columns;
            for (int column = 0; column < w.map.columns; ++column) {
                if (column > 0)
                    place.turnEast(cosStep, sinStep);
                line[column] = pointAt(w, place, column, hints, suns);
            }
            if (rowsDone)
                rowsDone->fetch_add(1, std::memory_order_relaxed);
        }
        if (w.sink)
            w.sink(first, end - first, points);
    }
}

}  // namespace

double VisibilityMap::bestSeconds(const MapPoint& p) const
{
    if (p.outcome == MapOutcome::NoMoonset)
        return p.moonEvent;
    const double lag = request.morning ? p.sunEvent - p.moonEvent : p.moonEvent - p.sunEvent;
    return request.morning ? p.sunEvent - kBestFraction * lag : p.sunEvent + kBestFraction * lag;
}

bool validMapStep(double step)
{
    return std::isfinite(step) && step >= kMinMapStep - 1e-9 && step <= kMaxMapStep + 1e-9;
}

bool validMapRequest(const MapRequest& request)
{
    const MapRegion& r = request.region;
    const double step = request.step;
    if (!std::isfinite(step) || step < kMinRegionStep - 1e-12 || step > kMaxMapStep + 1e-9)
        return false;
    if (!(r.west >= -180.0 && r.east <= 180.0 && r.south >= -90.0 && r.north <= 90.0 && r.west < r.east
          && r.south < r.north))
        return false;
    return std::llround(r.width() / step) * std::llround(r.height() / step) <= kMaxMapCells;
}

QList<QDate> mapDates(QDate date, bool morning, int count)
{
    QList<QDate> dates;
    for (int i = 0; i < count; ++i)
        dates.append(date.addDays(morning ? -i : i));
    return dates;
}

VisibilityMapJob::VisibilityMapJob(const Ephemeris& eph, const MapRequest& request)
    : m_request(request),
      m_epoch(julianDayUt(QDateTime(request.date, QTime(0, 0), QTimeZone::utc()))),
      m_newMoon(newMoonNear(eph, m_epoch + 0.5)),
      m_refraction(horizonRefraction()),
      m_sky(std::make_shared<SkyTables>(eph, m_epoch - 1.5, m_epoch + 3.5))
{
}

VisibilityMapJob VisibilityMapJob::part(const MapRegion& region, double step) const
{
    VisibilityMapJob job(*this);
    job.m_request.region = region;
    job.m_request.step = step;
    return job;
}

bool VisibilityMapJob::nearNewMoon() const
{
    return std::abs(m_epoch + 0.5 - m_newMoon) <= kMaxMapAge;
}

VisibilityMap VisibilityMapJob::frame() const
{
    VisibilityMap map;
    map.request = m_request;
    map.epoch = m_epoch;
    map.newMoon = m_newMoon;
    map.columns = std::max(1, int(std::lround(m_request.region.width() / m_request.step)));
    map.rows = std::max(1, int(std::lround(m_request.region.height() / m_request.step)));
    return map;
}

VisibilityMap VisibilityMapJob::run(int threads, const std::atomic_bool* cancelled, std::atomic_int* rowsDone,
                                    const MapRowsSink& sink) const
{
    VisibilityMap map = frame();
    if (!sink)
        map.points.resize(std::size_t(map.rows) * map.columns);
    const MapWork work{*m_sky, Refraction(m_refraction), map, sink, columnStarts(map)};
    if (threads <= 0)
        threads = idealWorkerCount();
    std::atomic_int nextRow{0};
    onWorkerThreads(threads, [&](int) { computeRows(work, nextRow, cancelled, rowsDone); });
    map.complete = !(cancelled && cancelled->load());
    return map;
}

VisibilityMap computeVisibilityMap(const Ephemeris& eph, const MapRequest& request, int threads,
                                   const std::atomic_bool* cancelled)
{
    return VisibilityMapJob(eph, request).run(threads, cancelled);
}

std::optional<SunsetSky> bestSunset(const SkyTables& sky, const MapRegion& region, double step, double from,
                                    double to, const std::function<double(const SunsetSky&)>& score, double enough,
                                    int threads)
{
    constexpr double kLatitudeLimit = 65.0;
    // Within 65° of the equator the Sun sets between local noon and midnight:
    // a column whose such half-day misses [from, to) is passed over.
    constexpr double kSunsetFrom = 0.5, kSunsetTo = 1.0;   // days of local mean time
    const Refraction refraction(horizonRefraction());
    const int columns = std::max(1, int(std::lround(region.width() / step)));
    const int rows = std::max(1, int(std::lround(region.height() / step)));
    const double day0 = std::floor(from - 0.5) + 0.5;   // 0h UT starting from's day
    // What a thread found: the best place, and the first to score enough.
    // Places are told apart by their index from the north-west, so that
    // the threads' shares make no difference to the answer.
    struct Found {
        std::optional<SunsetSky> best, enough;
        double bestScore = 0;
        int bestIndex = 0, enoughIndex = 0;
    };
    // The first row with a place that scores enough: the rows after it are
    // passed over, those before it finished.
    std::atomic_int enoughRow{rows};
    std::atomic_int nextRow{0};
    auto work = [&](Found& found) {
        for (int row = nextRow.fetch_add(1); row < rows && row <= enoughRow.load(std::memory_order_relaxed);
             row = nextRow.fetch_add(1)) {
            const double latDeg = region.north - (row + 0.5) * region.height() / rows;
            if (std::abs(latDeg) > kLatitudeLimit)
                continue;
            Place place = placeAt(latDeg);
            std::optional<double> hint;
            const double shift = region.width() / 360.0 / columns;   // turns from one column to the next
            for (int column = 0; column < columns; ++column) {
                const double lonDeg = region.west + (column + 0.5) * region.width() / columns;
                // The place's local noon and midnight, the days around from.
                const double offset = -lonDeg / 360.0;
                bool possible = false;
                for (int d = -1; d <= 1 && !possible; ++d)
                    possible = day0 + d + offset + kSunsetFrom < to && day0 + d + offset + kSunsetTo > from;
                if (!possible) {
                    hint.reset();
                    continue;
                }
                place.setLongitude(lonDeg);
                const PlaceSky here(sky, refraction, place);
                const std::optional<double> sunset = here.nextEvent(
                    false, false, from, hint ? std::optional(*hint - shift * kTurn / kSunHourRate) : hint);
                hint = sunset;
                if (!sunset || *sunset >= to)
                    continue;
                const auto [moonGeo, moonTopo, sun] = here.seenBoth(*sunset, true, false);
                SunsetSky s;
                s.latitude = latDeg;
                s.longitude = lonDeg;
                s.sunset = *sunset;
                s.moonAltitude = altitude(place, moonTopo) / kDegree;
                s.elongation = separation(sun, moonGeo) / kDegree;
                const double v = score(s);
                const int index = row * columns + column;
                if (!found.best || v > found.bestScore) {
                    found.best = s;
                    found.bestScore = v;
                    found.bestIndex = index;
                }
                if (v >= enough) {
                    if (!found.enough || index < found.enoughIndex) {
                        found.enough = s;
                        found.enoughIndex = index;
                    }
                    int first = enoughRow.load(std::memory_order_relaxed);
                    while (row < first && !enoughRow.compare_exchange_weak(first, row, std::memory_order_relaxed)) {
                    }
                    break;
                }
            }
        }
    };
    if (threads <= 0)
        threads = idealWorkerCount();
    std::vector<Found> found(static_cast<std::size_t>(threads));
    onWorkerThreads(threads, [&](int i) { work(found[std::size_t(i)]); });
    const Found* enoughFirst = nullptr;
    const Found* best = nullptr;
    for (const Found& f : found) {
        if (f.enough && (!enoughFirst || f.enoughIndex < enoughFirst->enoughIndex))
            enoughFirst = &f;
        if (f.best
            && (!best || f.bestScore > best->bestScore || (f.bestScore == best->bestScore && f.bestIndex < best->bestIndex)))
            best = &f;
    }
    if (enoughFirst)
        return enoughFirst->enough;
    return best ? best->best : std::nullopt;
}

bool beyondConjunctionEverywhere(const VisibilityMap& map)
{
    if (!map.complete || map.points.empty())
        return false;
    bool any = false;
    for (const MapPoint& p : map.points) {
        if (p.outcome == MapOutcome::BeforeConjunction)
            any = true;
        else if (p.outcome != MapOutcome::NoSunset)
            return false;
    }
    return any;
}

QChar gradeLetter(Criterion, int grade)
{
    return gradeLetter(grade);
}

int gradeCount(Criterion criterion)
{
    return criterion == Criterion::Yallop ? 6 : 4;
}

}  // namespace tavik::almanac
