// The world map of crescent visibility against the per-site computation of
// the sighting report, at random places of the grid (high latitudes
// included) on evenings and mornings around several new moons, both
// criteria; and its table's bytes.
#include "crescentformulas.h"
#include "crescents.h"
#include "ephemeris.h"
#include "maptable.h"
#include "sighting.h"
#include "sightingfigures.h"
#include "sightingwords.h"
#include "skytables.h"
#include "visibilitymap.h"

#include <swephexp.h>

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

#include <bit>
#include <mutex>
#include <cmath>
#include <limits>
#include <numbers>

using namespace tavik::almanac;
using namespace tavik::words;

namespace {

constexpr double kSecond = 1.0 / 86400.0;   // days

struct Expected {
    MapOutcome outcome = MapOutcome::NoSunset;
    double sunEvent = 0, moonEvent = 0, best = 0, value = 0;
    int grade = 0;
};

// The Sun's lowest point between from and to, minute by minute.
double darkest(const Ephemeris& eph, const Site& site, double from, double to)
{
    double best = from, lowest = 90;
    for (double t = from; t <= to; t += kSecond * 60) {
        const double h = skyPlace(eph, t, SE_SUN, site).altitude;
        if (h < lowest) {
            lowest = h;
            best = t;
        }
    }
    return best;
}

// Whether the Moon sets (rises) in the night of this sunset (sunrise); the
// time it does.
std::optional<double> moonOfNight(const Ephemeris& eph, const Site& site, bool evening, double sun,
                                  std::optional<double> otherSun)
{
    const std::optional<double> moon = nextRiseSet(eph, sun - 0.3, SE_MOON, !evening, site);
    if (evening)
        return moon && !(otherSun && *moon > *otherSun) ? moon : std::nullopt;
    if (moon && *moon <= sun)
        return otherSun && *moon < *otherSun ? std::nullopt : moon;
    if (moon && !skyPlace(eph, sun, SE_MOON, site).up)
        return moon;
    if (moon && otherSun && *otherSun < sun - 0.3)
        if (const auto earlier = nextRiseSet(eph, *otherSun, SE_MOON, true, site); earlier && *earlier < sun)
            return earlier;
    return std::nullopt;
}

// The place's evening as the sighting report's own functions find it.
Expected perPlace(const Ephemeris& eph, const VisibilityMap& map, int row, int column)
{
    const bool evening = !map.request.morning;
    const Site site{map.latitude(row), map.longitude(column), 0.0};
    const double start = map.epoch + (evening ? 0.5 : 0.0) - site.longitude / 360.0;
    Expected e;
    const std::optional<double> sun = nextRiseSet(eph, start, SE_SUN, !evening, site);
    if (!sun || *sun >= start + 1.0)
        return e;
    e.sunEvent = *sun;
    std::optional<double> otherSun = evening ? nextRiseSet(eph, *sun, SE_SUN, true, site)
                                             : nextRiseSet(eph, *sun - 1.0, SE_SUN, false, site);
    if (!evening && otherSun && *otherSun >= *sun)
        otherSun.reset();
    const std::optional<double> moon = moonOfNight(eph, site, evening, *sun, otherSun);
    if (evening ? *sun < map.newMoon : *sun > map.newMoon) {
        e.outcome = MapOutcome::BeforeConjunction;
        return e;
    }
    const bool yallop = map.request.criterion == Criterion::Yallop;
    if (!moon) {
        const std::optional<CrescentSighting> c = crescentOfNight(eph, map.newMoon, *sun, evening, site);
        if (c && c->moonDownAllNight) {
            e.outcome = MapOutcome::MoonsetFirst;
            e.moonEvent = std::numeric_limits<double>::quiet_NaN();
            return e;
        }
        e.outcome = MapOutcome::NoMoonset;
        e.best = evening ? darkest(eph, site, *sun, otherSun.value_or(*sun + 1.0))
                         : darkest(eph, site, otherSun.value_or(*sun - 1.0), *sun);
        const CrescentGeometry g = crescentGeometry(eph, e.best, site);
        e.value = yallop ? g.q : g.odehV;
        e.grade = yallop ? int(yallopClass(g.q)) : int(odehZone(g.odehV));
        return e;
    }
    e.moonEvent = *moon;
    const double lag = evening ? *moon - *sun : *sun - *moon;
    if (lag <= 0) {
        e.outcome = MapOutcome::MoonsetFirst;
    } else {
        e.outcome = MapOutcome::Graded;
        e.best = evening ? *sun + kBestFraction * lag : *sun - kBestFraction * lag;
        const CrescentGeometry g = crescentGeometry(eph, e.best, site);
        e.value = yallop ? g.q : g.odehV;
        e.grade = yallop ? int(yallopClass(g.q)) : int(odehZone(g.odehV));
    }
    return e;
}

}  // namespace

class TestVisibilityMap : public QObject {
    Q_OBJECT
    const Ephemeris eph = Ephemeris::open();

private Q_SLOTS:
    void agreesWithSighting_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("morning");
        QTest::addColumn<Criterion>("criterion");
        QTest::addColumn<double>("valueTolerance");
        const double q = 0.01, v = 0.03;
        QTest::newRow("2025-05-27 evening Yallop") << QDate(2025, 5, 27) << false << Criterion::Yallop << q;
        QTest::newRow("2025-05-28 evening Odeh") << QDate(2025, 5, 28) << false << Criterion::Odeh << v;
        QTest::newRow("2026-06-16 evening Yallop") << QDate(2026, 6, 16) << false << Criterion::Yallop << q;
        QTest::newRow("2025-05-26 morning Yallop") << QDate(2025, 5, 26) << true << Criterion::Yallop << q;
        QTest::newRow("2025-09-20 morning Odeh") << QDate(2025, 9, 20) << true << Criterion::Odeh << v;
        // At the solstices the nights within 60° are at their shortest (longest),
        // where the Sun is left alone between its setting and midnight.
        QTest::newRow("2025-12-21 evening Odeh") << QDate(2025, 12, 21) << false << Criterion::Odeh << v;
        QTest::newRow("2025-06-24 morning Yallop") << QDate(2025, 6, 24) << true << Criterion::Yallop << q;
    }

    void agreesWithSighting()
    {
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        QFETCH(Criterion, criterion);
        QFETCH(double, valueTolerance);
        const VisibilityMap map = computeVisibilityMap(eph, MapRequest{date, morning, criterion, 2.0, {}});
        QVERIFY(map.complete);
        QRandomGenerator random(quint32(date.toJulianDay()));
        int graded = 0, moonless = 0;
        for (int i = 0; i < 42; ++i) {
            // Every third place beyond 55°, where the Sun and the Moon may neither rise nor set.
            const int row = i % 3 == 0 ? (random.bounded(18) + (random.bounded(2) ? 0 : 72)) : random.bounded(90);
            const int column = random.bounded(180);
            const MapPoint& p = map.at(row, column);
            const Expected e = perPlace(eph, map, row, column);
            const QByteArray where = QByteArray::number(map.latitude(row)) + ' ' + QByteArray::number(map.longitude(column));
            QVERIFY2(p.outcome == e.outcome, where + ": outcome " + QByteArray::number(int(p.outcome)) + " vs "
                                                 + QByteArray::number(int(e.outcome)));
            // Up to 65° the library finds the sunset with two Newton steps
            // from a rough start, which may leave it some seconds out.
            const double tolerance = (std::abs(map.latitude(row)) < 60 ? 5 : 60) * kSecond;
            if (e.outcome != MapOutcome::NoSunset)
                QVERIFY2(std::abs(map.julianDay(p.sunEvent) - e.sunEvent) < tolerance, where);
            if (e.outcome == MapOutcome::MoonsetFirst && std::isnan(e.moonEvent)) {
                ++moonless;   // down all night
                QVERIFY2(std::isnan(p.moonEvent), where);
            }
            else if (e.outcome == MapOutcome::Graded || e.outcome == MapOutcome::MoonsetFirst)
                QVERIFY2(std::abs(map.julianDay(p.moonEvent) - e.moonEvent) < tolerance, where);
            if (e.outcome == MapOutcome::NoMoonset) {
                ++moonless;
                QVERIFY2(std::abs(map.julianDay(float(map.bestSeconds(p))) - e.best) < 2 * 60 * kSecond, where);
            }
            if (e.outcome == MapOutcome::Graded || e.outcome == MapOutcome::NoMoonset) {
                ++graded;
                QVERIFY2(std::abs(p.value - e.value) < valueTolerance,
                         where + ": " + QByteArray::number(p.value) + " vs " + QByteArray::number(e.value));
                QVERIFY2(p.grade == e.grade, where + ": " + QByteArray::number(p.value));
                if (morning || criterion != Criterion::Yallop || e.outcome == MapOutcome::NoMoonset)
                    continue;
                // The sighting report itself, at the best time the map gives.
                const Site site{map.latitude(row), map.longitude(column), 0.0};
                const SightingReport r = sightingAt(eph, map.julianDay(float(map.bestSeconds(p))), site);
                QVERIFY2(r.best && r.crescent && std::abs(r.best->q - p.value) < 0.01, where);
            }
        }
        QVERIFY(graded > 0);
        QVERIFY(moonless > 0);
    }

    // At the edge of the polar day or night a place's evening has no sunset
    // rather than the next day's: no sunset after the next local noon, and
    // the place the report's functions see without one has none on the map.
    void ownEveningOnly_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("morning");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("2025-07-24 evening") << QDate(2025, 7, 24) << false << -71.25 << -179.75;
        QTest::newRow("2025-11-20 morning") << QDate(2025, 11, 20) << true << 70.75 << 20.25;
    }

    void ownEveningOnly()
    {
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const VisibilityMap map = computeVisibilityMap(eph, MapRequest{date, morning, Criterion::Yallop, 0.5, {}});
        for (int row = 0; row < map.rows; ++row) {
            for (int column = 0; column < map.columns; ++column) {
                const double start = (morning ? 0.0 : 0.5) - map.longitude(column) / 360.0;   // days after the epoch
                const MapPoint& p = map.at(row, column);
                QVERIFY(p.outcome == MapOutcome::NoSunset || p.sunEvent / 86400.0 < start + 1.0);
            }
        }
        const int row = int((90.0 - latitude) / 0.5), column = int((longitude + 180.0) / 0.5);
        QCOMPARE(map.latitude(row), latitude);
        QCOMPARE(map.longitude(column), longitude);
        QCOMPARE(int(map.at(row, column).outcome), int(perPlace(eph, map, row, column).outcome));
    }

    // Beyond 60° the Moon may neither set nor rise all night: up, graded at
    // the darkest moment, or down, set before the Sun (risen after it). The
    // map's one cell there and the sighting report at its sunset (sunrise)
    // say the same.
    void polarNightAsReported_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("morning");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("moonUp");
        QTest::newRow("2026-05-18 evening, south, down") << QDate(2026, 5, 18) << false << -62.5 << -179.5 << false;
        QTest::newRow("2026-05-18 evening, south, down, 63°") << QDate(2026, 5, 18) << false << -63.0 << -97.0 << false;
        QTest::newRow("2026-05-18 evening, north, up") << QDate(2026, 5, 18) << false << 69.0 << -23.0 << true;
        QTest::newRow("2026-01-19 evening, north, down") << QDate(2026, 1, 19) << false << 69.0 << 75.0 << false;
        QTest::newRow("2025-12-21 evening, south, up") << QDate(2025, 12, 21) << false << -65.0 << -93.0 << true;
        QTest::newRow("2025-05-27 morning, north, up") << QDate(2025, 5, 27) << true << 67.0 << 53.0 << true;
        QTest::newRow("2025-05-27 morning, south, down") << QDate(2025, 5, 27) << true << -65.0 << 179.0 << false;
        QTest::newRow("2026-01-19 morning, south, up") << QDate(2026, 1, 19) << true << -67.0 << 97.0 << true;
        QTest::newRow("2025-12-19 morning, north, down") << QDate(2025, 12, 19) << true << 67.0 << -97.0 << false;
    }

    void polarNightAsReported()
    {
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, moonUp);
        const MapRegion cell{longitude - 0.5, latitude - 0.5, longitude + 0.5, latitude + 0.5};
        const VisibilityMap map = computeVisibilityMap(eph, MapRequest{date, morning, Criterion::Yallop, 1.0, cell});
        QCOMPARE(map.rows * map.columns, 1);
        const MapPoint& p = map.at(0, 0);
        QCOMPARE(int(p.outcome), int(moonUp ? MapOutcome::NoMoonset : MapOutcome::MoonsetFirst));
        const Site site{latitude, longitude, 0.0};
        const double sun = map.julianDay(p.sunEvent);
        const SightingReport r = sightingAt(eph, sun + (morning ? -60 : 60) * kSecond, site);
        QCOMPARE(r.evening, !morning);
        QVERIFY(r.sunEvent && std::abs(*r.sunEvent - sun) < 60 * kSecond);
        QVERIFY(r.crescent);
        QCOMPARE(r.crescent->moonUpAllNight, moonUp);
        QCOMPARE(r.crescent->moonDownAllNight, !moonUp);
        const QString moonEvent = sightingLines(r, QTimeZone::utc()).at(9);
        if (!moonUp) {
            QVERIFY(!r.best && !r.crescent->q);
            QCOMPARE(r.crescent->visibility, YallopClass::F);
            QVERIFY2(moonEvent.endsWith(moonDownAllNightText(!morning)), qPrintable(moonEvent));
            return;
        }
        QVERIFY(r.best);
        const double best = map.julianDay(float(map.bestSeconds(p)));
        QVERIFY(std::abs(best - r.crescent->best) < 2 * 60 * kSecond);
        // The darkest moment is the Sun's lowest to half a second: the
        // ephemeris every quarter of a second around it.
        double lowest = 90, lowestAt = 0;
        for (double s = -60; s <= 60; s += 0.25)
            if (const double h = skyPlace(eph, best + s * kSecond, SE_SUN, site).altitude; h < lowest) {
                lowest = h;
                lowestAt = s;
            }
        QVERIFY2(std::abs(lowestAt) <= 0.5, qPrintable(QString::number(lowestAt)));
        QVERIFY2(std::abs(r.best->q - p.value) < 0.01, qPrintable(QString::number(r.best->q)));
        QCOMPARE(int(yallopClass(r.best->q)), int(p.grade));
    }

    // A map handed on row by row, as the command streams a fine map into its
    // picture and table, is the held map to the bit: each row comes once,
    // and its table lines are the held map's.
    void streamedRows_data()
    {
        QTest::addColumn<bool>("morning");
        QTest::addColumn<Criterion>("criterion");
        QTest::newRow("evening, Yallop") << false << Criterion::Yallop;
        QTest::newRow("morning, Odeh") << true << Criterion::Odeh;
    }

    void streamedRows()
    {
        QFETCH(bool, morning);
        QFETCH(Criterion, criterion);
        const VisibilityMapJob job(eph, MapRequest{QDate(2025, 5, 27), morning, criterion, 2.0, {}});
        const VisibilityMap held = job.run(2);
        const VisibilityMap frame = job.frame();
        const MapTableRows table(frame);
        std::vector<MapPoint> points(held.points.size());
        std::vector<QByteArray> lines(std::size_t(held.rows));
        std::vector<int> seen(std::size_t(held.rows), 0);
        std::mutex mutex;
        const VisibilityMap streamed = job.run(2, nullptr, nullptr, [&](int first, int count, const MapPoint* p) {
            QByteArray text;
            table.appendRows(text, first, count, p);
            const std::lock_guard lock(mutex);
            std::copy_n(p, std::size_t(count) * held.columns, points.begin() + std::ptrdiff_t(first) * held.columns);
            lines[std::size_t(first)] = text;
            for (int r = first; r < first + count; ++r)
                ++seen[std::size_t(r)];
        });
        QVERIFY(streamed.complete);
        QVERIFY(streamed.points.empty());
        QCOMPARE(seen, std::vector<int>(std::size_t(held.rows), 1));
        const auto bits = [](const MapPoint& p) {
            return QList<quint32>{std::bit_cast<quint32>(p.sunEvent), std::bit_cast<quint32>(p.moonEvent),
                                  std::bit_cast<quint32>(p.value), quint32(p.outcome), p.grade};
        };
        for (std::size_t i = 0; i < points.size(); ++i)
            QCOMPARE(bits(points[i]), bits(held.points[i]));
        QByteArray whole = MapTableRows::header().toByteArray();
        for (const QByteArray& text : lines)
            whole += text;
        QCOMPARE(whole, mapTable(held));
    }

    // A place's moments do not depend on the places west of it: at the end
    // of a row its searches start from its western neighbour's events (the
    // hour-angle steps, and near the poles the crossings between samples),
    // alone from nothing; both find the same moments.
    void sameAloneAsInARow_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("morning");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("evening, 45° N") << QDate(2025, 5, 27) << false << 45.05 << 19.05;
        QTest::newRow("evening, the Moon grazing, 66.5° N") << QDate(2025, 5, 27) << false << 66.55 << 25.05;
        QTest::newRow("evening, 67.5° N") << QDate(2025, 5, 28) << false << 67.45 << -150.05;
        QTest::newRow("evening, 62° S") << QDate(2025, 5, 27) << false << -62.05 << -60.05;
        QTest::newRow("morning, 66° N") << QDate(2025, 5, 26) << true << 66.05 << 100.05;
        QTest::newRow("evening, 65.5° S, December") << QDate(2025, 12, 20) << false << -65.55 << 140.05;
    }

    void sameAloneAsInARow()
    {
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        constexpr double step = 0.1;
        constexpr int columns = 40;
        const auto at = [&](double west, int n) {
            const MapRequest request{date, morning, Criterion::Yallop, step,
                                     MapRegion{west, latitude - step / 2, west + n * step, latitude + step / 2}};
            const VisibilityMap map = computeVisibilityMap(eph, request, 1);
            [&] { QCOMPARE(map.columns, n); }();
            return map.at(0, n - 1);
        };
        const MapPoint alone = at(longitude - step / 2, 1);
        const MapPoint inRow = at(longitude - (columns - 0.5) * step, columns);
        QVERIFY(alone.outcome != MapOutcome::NoSunset);
        QCOMPARE(int(inRow.outcome), int(alone.outcome));
        QVERIFY2(std::abs(inRow.sunEvent - alone.sunEvent) < 0.25, qPrintable(QString::number(inRow.sunEvent - alone.sunEvent)));
        QCOMPARE(std::isnan(inRow.moonEvent), std::isnan(alone.moonEvent));
        if (!std::isnan(alone.moonEvent))
            QVERIFY2(std::abs(inRow.moonEvent - alone.moonEvent) < 0.25,
                     qPrintable(QString::number(inRow.moonEvent - alone.moonEvent)));
        QVERIFY(std::abs(inRow.value - alone.value) < 1e-4);
    }

    // The rules that look for a crescent anywhere stop at the first place
    // that clearly meets them: the first from the north-west, on one thread
    // or several, run after run (the calendar's "decided at" must not change
    // with the threads' timing). Istanbul 2016's 8° elongation and 5°
    // altitude, on its 2° grid, the evenings after the new moon of
    // 2025-05-27 03:02 UT, when many places meet it.
    void firstPlaceThatScoresEnough_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("enough");
        QTest::newRow("28 May, clearly met") << 2460823.5 << 0.1;
        QTest::newRow("28 May, by 3 degrees") << 2460823.5 << 3.0;
        QTest::newRow("26 May, never met: the best") << 2460821.5 << 0.1;
    }

    void firstPlaceThatScoresEnough()
    {
        QFETCH(double, from);
        QFETCH(double, enough);
        const SkyTables sky(eph, from - 1.5, from + 2.5);
        const auto margin = [](const SunsetSky& s) { return std::min(s.elongation - 8.0, s.moonAltitude - 5.0); };
        const std::optional<SunsetSky> alone = bestSunset(sky, MapRegion{}, 2.0, from, from + 1.0, margin, enough, 1);
        QVERIFY(alone);
        QCOMPARE(margin(*alone) >= enough, from > 2460822.0);
        for (const int threads : {2, 2, 2, 3, 4}) {
            const std::optional<SunsetSky> s = bestSunset(sky, MapRegion{}, 2.0, from, from + 1.0, margin, enough, threads);
            QVERIFY(s);
            QCOMPARE(QList<double>({s->latitude, s->longitude, s->sunset}),
                     QList<double>({alone->latitude, alone->longitude, alone->sunset}));
        }
    }

    // The sky turning with the Earth, tabulated every five minutes, against
    // each moment's place turned by its own sidereal time: within 1e-8 rad,
    // a seventh of a millisecond of the Earth's turning; and both bodies from
    // one set of weights are the very numbers each body's own lookup gives,
    // on which the map's bytes rest.
    void turningSky()
    {
        const double jd = 2460822.5;   // 2025-05-27 0h UT
        const SkyTables sky(eph, jd - 1.5, jd + 3.5);
        QRandomGenerator random(27);
        double worst = 0;
        for (int i = 0; i < 2000; ++i) {
            const double t = jd - 1.5 + 1.0 / 24 + (5.0 - 3.0 / 24) * random.generateDouble();
            EquatorialVector moon, sun;
            sky.turningBothAt(t, moon, sun);
            // Bit for bit: QCOMPARE would let doubles differ in their last digits.
            const auto bits = [](const EquatorialVector& a) {
                return QList<quint64>{std::bit_cast<quint64>(a.x), std::bit_cast<quint64>(a.y),
                                      std::bit_cast<quint64>(a.z)};
            };
            QCOMPARE(bits(moon), bits(sky.turningAt(t, true)));
            QCOMPARE(bits(sun), bits(sky.turningAt(t, false)));
            EquatorialVector moonOfDate, sunOfDate;
            double sidereal = 0;
            sky.vectorsAt(t, moonOfDate, sunOfDate, sidereal);
            const double c = std::cos(sidereal), s = std::sin(sidereal);
            for (const bool isMoon : {true, false}) {
                const EquatorialVector& e = isMoon ? moonOfDate : sunOfDate;
                const EquatorialVector turned{e.x * c + e.y * s, e.y * c - e.x * s, e.z};
                const EquatorialVector& table = isMoon ? moon : sun;
                const double r = std::sqrt(turned.x * turned.x + turned.y * turned.y + turned.z * turned.z);
                const double d = std::hypot(table.x - turned.x, table.y - turned.y, table.z - turned.z) / r;
                worst = std::max(worst, d);
            }
        }
        QVERIFY2(worst < 1e-8, QByteArray::number(worst));
    }

    // The map's crescent width, from the sines it has at hand (the parallax
    // by the arcsine's series), is the report's to 1e-13 of itself: from
    // perigee to apogee, the Moon low and high, the crescent thin and broad.
    void widthFromSines_data()
    {
        QTest::addColumn<double>("distanceKm");
        QTest::addColumn<double>("altitude");
        QTest::addColumn<double>("elongation");
        QTest::newRow("perigee, on the horizon, thin") << 356400.0 << 0.0 << 7.5;
        QTest::newRow("perigee, high, broad") << 356400.0 << 35.0 << 40.0;
        QTest::newRow("apogee, low, thin") << 406700.0 << 2.0 << 6.0;
        QTest::newRow("mean, below the horizon") << 384400.0 << -3.0 << 12.0;
        QTest::newRow("mean, a hair of a crescent") << 384400.0 << 5.0 << 0.5;
    }

    void widthFromSines()
    {
        QFETCH(double, distanceKm);
        QFETCH(double, altitude);
        QFETCH(double, elongation);
        constexpr double deg = std::numbers::pi / 180.0;
        const double report = crescentWidthArcmin(distanceKm / kAuKm, altitude, elongation);
        const double map = crescentWidthFromSines(kEarthRadiusKm / distanceKm, std::sin(altitude * deg),
                                                  1.0 - std::cos(elongation * deg));
        QVERIFY2(std::abs(map - report) <= 1e-13 * report, qPrintable(QString::number(map - report)));
    }
};

QTEST_GUILESS_MAIN(TestVisibilityMap)
#include "tst_visibilitymap.moc"
