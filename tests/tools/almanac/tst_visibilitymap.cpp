// The world map of crescent visibility against the per-site computation of
// the sighting report, at random places of the grid (high latitudes
// included) on evenings and mornings around several new moons, both
// criteria; and its table's bytes.
#include "crescents.h"
#include "ephemeris.h"
#include "maptable.h"
#include "sighting.h"
#include "visibilitymap.h"

#include <swephexp.h>

#include <QRandomGenerator>
#include <QTest>

using namespace tavik::almanac;

namespace {

constexpr double kSecond = 1.0 / 86400.0;   // days

struct Expected {
    MapOutcome outcome = MapOutcome::NoSunset;
    double sunEvent = 0, moonEvent = 0, value = 0;
    int grade = 0;
};

// The place's evening as the sighting report's own functions find it.
Expected perPlace(const Ephemeris& eph, const VisibilityMap& map, int row, int column)
{
    const bool evening = !map.request.morning;
    const Site site{map.latitude(row), map.longitude(column), 0.0};
    const double start = map.epoch + (evening ? 0.5 : 0.0) - site.longitude / 360.0;
    Expected e;
    const std::optional<double> sun = nextRiseSet(eph, start, SE_SUN, !evening, site);
    if (!sun)
        return e;
    e.sunEvent = *sun;
    const std::optional<CrescentSighting> c = crescentOf(eph, map.newMoon, *sun, evening, site);
    if (!c) {
        e.outcome = MapOutcome::NoMoonset;
        return e;
    }
    e.moonEvent = c->moonEvent;
    if (evening ? *sun < map.newMoon : *sun > map.newMoon) {
        e.outcome = MapOutcome::BeforeConjunction;
    } else if (c->lagDays <= 0) {
        e.outcome = MapOutcome::MoonsetFirst;
    } else {
        e.outcome = MapOutcome::Graded;
        const CrescentGeometry g = crescentGeometry(eph, c->best, site);
        const bool yallop = map.request.criterion == Criterion::Yallop;
        e.value = yallop ? g.q : g.odehV;
        e.grade = yallop ? int(c->visibility) : int(odehZone(g.odehV));
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
    }

    void agreesWithSighting()
    {
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        QFETCH(Criterion, criterion);
        QFETCH(double, valueTolerance);
        const VisibilityMap map = computeVisibilityMap(eph, MapRequest{date, morning, criterion, 2.0});
        QVERIFY(map.complete);
        QRandomGenerator random(quint32(date.toJulianDay()));
        int graded = 0;
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
            if (e.outcome != MapOutcome::NoSunset && e.outcome != MapOutcome::NoMoonset)
                QVERIFY2(std::abs(map.julianDay(p.moonEvent) - e.moonEvent) < tolerance, where);
            if (e.outcome == MapOutcome::Graded) {
                ++graded;
                QVERIFY2(std::abs(p.value - e.value) < valueTolerance,
                         where + ": " + QByteArray::number(p.value) + " vs " + QByteArray::number(e.value));
                QVERIFY2(p.grade == e.grade, where + ": " + QByteArray::number(p.value));
                if (morning || criterion != Criterion::Yallop)
                    continue;
                // The sighting report itself, at the best time the map gives.
                const Site site{map.latitude(row), map.longitude(column), 0.0};
                const SightingReport r = sightingAt(eph, map.julianDay(float(map.bestSeconds(p))), site);
                QVERIFY2(r.best && r.crescent && std::abs(r.best->q - p.value) < 0.01, where);
            }
        }
        QVERIFY(graded > 0);
    }
};

QTEST_GUILESS_MAIN(TestVisibilityMap)
#include "tst_visibilitymap.moc"
