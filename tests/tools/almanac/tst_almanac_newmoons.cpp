// New-moon instants against published figures, and the civil-time text the
// new-moon list holds.
#include "almanacterms.h"
#include "ephemeris.h"
#include "lists.h"
#include "listwords.h"
#include "newmoons.h"

#include <datetime.h>
#include <regional.h>
#include <texts.h>

#include <QTest>

#include <swephexp.h>

using namespace tavik;
using namespace tavik::almanac;
using namespace tavik::words;

namespace {

double jdUtc(int y, int mo, int d, int h, int mi, int s = 0)
{
    return julianDayUt(QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC));
}

const QTimeZone kBudapest(QByteArrayLiteral("Europe/Budapest"));

}  // namespace

class TestNewMoons : public QObject {
    Q_OBJECT
    const Ephemeris eph = Ephemeris::open();

private Q_SLOTS:
    void initTestCase()
    {
        const EphemerisSource& source = eph.source();
        qInfo("ephemeris: %s", source.files ? qPrintable(source.path) : "built-in Moshier series");
    }

    void meeusExample()
    {
        // J. Meeus, Astronomical Algorithms (2nd ed.), example 49.a: the new
        // moon of 1977 February, JDE 2443192.65118 = 1977 Feb 18 03:37:42 TD.
        const double t = newMoonNear(eph, swe_julday(1977, 2, 18, 0.0, SE_GREG_CAL));
        const double tt = t + eph.deltaT(t);
        QVERIFY2(std::abs(tt - 2443192.65118) * 86400.0 < 60.0,
                 qPrintable(QStringLiteral("JDE %1").arg(tt, 0, 'f', 5)));
        qInfo("1977 Feb 18: %+.1f s from Meeus", (tt - 2443192.65118) * 86400.0);
    }

    void publishedTable_data()
    {
        QTest::addColumn<QDateTime>("published");
        // F. Espenak, NASA GSFC, "Phases of the Moon: 2001 to 2100" (Six
        // Millennium Catalog of Phases of the Moon), Universal Time, to the minute.
        const QList<QDateTime> nasa{
            QDateTime(QDate(2026, 9, 11), QTime(3, 27), Qt::UTC),
            QDateTime(QDate(2027, 8, 31), QTime(17, 41), Qt::UTC),
            QDateTime(QDate(2028, 8, 20), QTime(10, 44), Qt::UTC),
            QDateTime(QDate(2029, 9, 8), QTime(10, 44), Qt::UTC),
            QDateTime(QDate(2030, 8, 28), QTime(23, 7), Qt::UTC),
            QDateTime(QDate(2031, 9, 16), QTime(18, 47), Qt::UTC),
            QDateTime(QDate(2057, 9, 28), QTime(16, 0), Qt::UTC),
            // US Naval Observatory, Phases of the Moon 2024 (UT).
            QDateTime(QDate(2024, 1, 11), QTime(11, 57), Qt::UTC),
        };
        for (const QDateTime& d : nasa)
            QTest::newRow(qPrintable(d.toString(Qt::ISODate))) << d;
    }

    void publishedTable()
    {
        QFETCH(QDateTime, published);
        const double t = newMoonNear(eph, julianDayUt(published));
        const qint64 diff = utcOf(t).toMSecsSinceEpoch() - published.toMSecsSinceEpoch();
        // The table gives whole minutes: within one minute of its reading.
        QVERIFY2(std::abs(diff) <= 60'000, qPrintable(QString::number(diff)));
        qInfo("%s: %+.1f s", qPrintable(published.toString(Qt::ISODate)), diff / 1000.0);
    }

    void conjunctionIsExact()
    {
        const double t = newMoonNear(eph, jdUtc(2025, 6, 25, 12, 0));
        QVERIFY(std::abs(moonSunElongation(eph, t).degrees) < 1e-5);   // well under 0.1 s of motion
    }

    void everyLunationOnceAscending()
    {
        const QList<double> list = newMoonsBetween(eph, jdUtc(2020, 1, 1, 0, 0), jdUtc(2051, 1, 1, 0, 0));
        QCOMPARE(list.size(), 383);
        for (qsizetype i = 1; i < list.size(); ++i) {
            const double gap = list[i] - list[i - 1];
            QVERIFY2(gap > 29.2 && gap < 29.9, qPrintable(QString::number(gap)));
        }
    }

    void moshierFallbackAgrees()
    {
        if (!eph.files())
            QSKIP("no ephemeris files on this machine: nothing to compare the built-in series with");
        const double withFiles = newMoonNear(eph, jdUtc(2035, 3, 9, 23, 0));
        const Ephemeris builtIn = Ephemeris::builtIn();
        QCOMPARE(builtIn.flag(), SEFLG_MOSEPH);
        const double moshier = newMoonNear(builtIn, jdUtc(2035, 3, 9, 23, 0));
        QVERIFY2(std::abs(withFiles - moshier) * 86400.0 < 5.0,
                 qPrintable(QString::number((withFiles - moshier) * 86400.0)));
    }

    void momentOutsideTheFilesIsAFault()
    {
        if (!eph.files())
            QSKIP("no ephemeris files on this machine");
        // The files of swe-basic-data reach from 1800 to 2399: before them the
        // library would quietly take the built-in series.
        try {
            newMoonNear(eph, jdUtc(1700, 3, 1, 0, 0));
            QFAIL("no fault reported");
        } catch (const EphemerisError& e) {
            QVERIFY2(words::ephemerisFaultText(e).startsWith(QStringLiteral("Az efemeriszfájlok nem fedik le ezt az időpontot (1700.")),
                     qPrintable(words::ephemerisFaultText(e)));
            QVERIFY2(words::ephemerisFaultText(e).contains(QStringLiteral("hiányzik a(z) sepl_")), qPrintable(words::ephemerisFaultText(e)));
        }
        // The built-in series reaches that far.
        const double moshier = newMoonNear(Ephemeris::builtIn(), jdUtc(1700, 3, 1, 0, 0));
        QCOMPARE(utcOf(moshier).date().year(), 1700);
    }

    void civilTimeAcrossClockChanges_data()
    {
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("expected");
        auto at = [](int y, int mo, int d, int h, int mi, int s) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
        };
        const QString bp = QStringLiteral("Europe/Budapest");
        QTest::newRow("winter") << at(2025, 1, 15, 12, 0, 31) << bp << "2025.01.15 13:01";
        QTest::newRow("summer") << at(2025, 7, 15, 12, 0, 29) << bp << "2025.07.15 14:00";
        QTest::newRow("before spring change") << at(2025, 3, 30, 0, 59, 29) << bp << "2025.03.30 01:59";
        QTest::newRow("rounds over spring change") << at(2025, 3, 30, 0, 59, 40) << bp << "2025.03.30 03:00";
        QTest::newRow("autumn, first 02:30") << at(2025, 10, 26, 0, 30, 0) << bp << "2025.10.26 02:30";
        QTest::newRow("autumn, second 02:30") << at(2025, 10, 26, 1, 30, 0) << bp << "2025.10.26 02:30";
        QTest::newRow("after autumn change") << at(2025, 10, 26, 2, 0, 0) << bp << "2025.10.26 03:00";
        QTest::newRow("new year rounding") << at(2030, 12, 31, 22, 59, 45) << bp << "2031.01.01 00:00";
        QTest::newRow("New York summer") << at(2025, 6, 1, 3, 15, 0) << "America/New_York" << "2025.05.31 23:15";
        QTest::newRow("Kolkata half hour") << at(2025, 6, 1, 3, 15, 0) << "Asia/Kolkata" << "2025.06.01 08:45";
        QTest::newRow("UTC") << at(2025, 6, 1, 3, 15, 0) << "UTC" << "2025.06.01 03:15";
    }

    void civilTimeAcrossClockChanges()
    {
        QFETCH(QDateTime, utc);
        QFETCH(QString, zone);
        QFETCH(QString, expected);
        QCOMPARE(formatLocalMinute(julianDayUt(utc), QTimeZone(zone.toUtf8())), expected);
        // The pictures' way, without the ephemeris, agrees away from the
        // edge of rounding (these moments are seconds from it).
        QCOMPARE(tavik::formatLocalMinute(instantOfJulianDay(julianDayUt(utc)), QTimeZone(zone.toUtf8())), expected);
    }

    void knownNewMoonsInBudapestTime()
    {
        ListSettings s;
        s.fromYear = 2025;
        s.toYear = 2025;
        const QStringList lines = newMoonLines(eph, s);
        QCOMPARE(lines.size(), 12);
        // Winter time before the change of 30 March, summer time after it,
        // winter time again from 26 October (NASA: Mar 29 10:58, Apr 27 19:31,
        // Oct 21 12:25, Nov 20 06:47 UT).
        QCOMPARE(lines.at(2), QStringLiteral("2025.03.29 11:58"));
        QCOMPARE(lines.at(3), QStringLiteral("2025.04.27 21:31"));
        QCOMPARE(lines.at(9), QStringLiteral("2025.10.21 14:25"));
        QCOMPARE(lines.at(10), QStringLiteral("2025.11.20 07:47"));
    }

    void entriesReadBackUnderHungarianSettings()
    {
        ListSettings s;   // the shipped span, 2020 to 2050
        const QStringList lines = newMoonLines(eph, s);
        const RegionalSettings hu = RegionalSettings::hungarian();
        for (const QString& line : lines) {
            QCOMPARE(line.size(), 16);
            const QDateTime expected = QDateTime::fromString(line, QStringLiteral("yyyy.MM.dd HH:mm"));
            QVERIFY2(expected.isValid(), qPrintable(line));
            const std::optional<DateTimeValue> v = parseDateTime(line, hu);
            QVERIFY2(v.has_value(), qPrintable(line));
            const CivilDateTime c = toCivil(*v);
            const CivilDateTime want{expected.date().year(), expected.date().month(), expected.date().day(),
                                     expected.time().hour(), expected.time().minute(), 0};
            QVERIFY2(c == want, qPrintable(line));
        }
        QVERIFY(std::is_sorted(lines.begin(), lines.end()));
        QCOMPARE(lines.first(), QStringLiteral("2020.01.24 22:42"));
    }
};

QTEST_GUILESS_MAIN(TestNewMoons)
#include "tst_almanac_newmoons.moc"
