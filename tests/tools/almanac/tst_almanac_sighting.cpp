// The sighting report: its figures against published first sightings
// (Yallop's NAO Technical Note 69, table of 295 sightings), mornings, a
// moment with the Sun up, and the command line's text, JSON and messages.
#include "almanacrun.h"
#include "crescents.h"
#include "ephemeris.h"
#include "sighting.h"
#include "sightingwords.h"

#include <swephexp.h>

#include <QRegularExpression>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tavik::almanac;
using namespace tavik::words;
using namespace tavik::testing;

namespace {

// The sighting command with these arguments.
Run sighting(const QStringList& args)
{
    return almanac(QStringList{QStringLiteral("sighting")} + args);
}

// A row of Yallop's table: the figures at the best time, as published (to
// one decimal, W' and q to two and three).
struct Published {
    double arcl, arcv, daz, ageHours, lagMinutes, width, q;
};

}  // namespace

Q_DECLARE_METATYPE(Published)

class TestSighting : public QObject {
    Q_OBJECT
    const Ephemeris eph = Ephemeris::open();

private Q_SLOTS:
    void yallopTable_data()
    {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("evening");
        QTest::addColumn<Published>("published");
        // B. D. Yallop, NAO Technical Note 69 (1997, updated 1998), the table
        // of first sightings; the date is that of the best time in UT, the
        // moment given here is a little after sunset (before sunrise).
        auto utc = [](int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); };
        QTest::newRow("278 1990-02-25 E") << utc(1990, 2, 25, 23, 55) << 35.6 << -83.5 << true
                                          << Published{8.5, 8.5, -0.6, 14.8, 38.3, 0.18, -0.222};
        QTest::newRow("281 1990-05-24 E") << utc(1990, 5, 25, 0, 55) << 35.6 << -83.5 << true
                                          << Published{8.9, 8.9, 0.2, 13.2, 46.2, 0.20, -0.164};
        QTest::newRow("285 1991-05-16 E") << utc(1991, 5, 16, 0, 30) << 39.0 << -76.8 << true
                                          << Published{26.1, 23.1, 12.3, 44.6, 133.6, 1.7, 2.035};
        QTest::newRow("290 1995-06-28 E") << utc(1995, 6, 28, 22, 10) << -30.1 << -71.0 << true
                                          << Published{10.9, 10.9, -0.2, 21.5, 51.5, 0.27, 0.075};
        QTest::newRow("288 1992-04-02 M") << utc(1992, 4, 2, 16, 0) << 19.8 << -155.5 << false
                                          << Published{8.1, 8.1, -0.7, -13.0, 30.9, 0.15, -0.284};
        QTest::newRow("235 1989-04-04 M") << utc(1989, 4, 4, 11, 0) << 41.9 << -88.7 << false
                                          << Published{24.0, 11.3, -21.2, -40.4, 56.3, 1.4, 0.733};
        QTest::newRow("291 1996-01-19 M") << utc(1996, 1, 19, 13, 30) << 32.4 << -111.0 << false
                                          << Published{14.5, 13.3, -5.8, -22.9, 64.4, 0.53, 0.463};
    }

    void yallopTable()
    {
        QFETCH(QDateTime, at);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, evening);
        QFETCH(Published, published);
        const SightingReport r = sightingAt(eph, julianDayUt(at), Site{latitude, longitude, 0.0});
        QCOMPARE(r.evening, evening);
        QVERIFY(r.crescent && r.best);
        const CrescentGeometry& b = *r.best;
        qInfo("q %.3f (%.3f)  ARCL %.2f (%.1f)  ARCV %.2f (%.1f)  DAZ %.2f (%.1f)  W' %.3f (%.2f)  age %.2f h (%.1f)  lag %.1f min (%.1f)",
              b.q, published.q, b.arcl, published.arcl, b.arcv, published.arcv, b.daz, published.daz, b.width,
              published.width, r.crescent->ageDays * 24, published.ageHours, r.crescent->lagDays * 1440,
              published.lagMinutes);
        QVERIFY2(std::abs(b.q - published.q) <= 0.005, qPrintable(QString::number(b.q)));
        QVERIFY2(std::abs(b.arcl - published.arcl) <= 0.1, qPrintable(QString::number(b.arcl)));
        QVERIFY2(std::abs(b.arcv - published.arcv) <= 0.1, qPrintable(QString::number(b.arcv)));
        QVERIFY2(std::abs(b.daz - published.daz) <= 0.1, qPrintable(QString::number(b.daz)));
        QVERIFY2(std::abs(b.width - published.width) <= 0.06, qPrintable(QString::number(b.width)));
        QVERIFY2(std::abs(r.crescent->ageDays * 24 - published.ageHours) <= 0.1,
                 qPrintable(QString::number(r.crescent->ageDays * 24)));
        QVERIFY2(std::abs(r.crescent->lagDays * 1440 - published.lagMinutes) <= 1.0,
                 qPrintable(QString::number(r.crescent->lagDays * 1440)));
        // The list's q is the report's.
        QCOMPARE(yallopQ(eph, r.crescent->best, r.site), b.q);
    }

    void odehZones_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("zone");
        // Odeh's limits: A from 5.65, B from 2.00, C from -0.96, D below.
        QTest::newRow("A") << 5.65 << "A";
        QTest::newRow("B top") << 5.649 << "B";
        QTest::newRow("B") << 2.0 << "B";
        QTest::newRow("C") << 1.999 << "C";
        QTest::newRow("C bottom") << -0.96 << "C";
        QTest::newRow("D") << -0.961 << "D";
    }

    void odehZones()
    {
        QFETCH(double, v);
        QFETCH(QString, zone);
        QCOMPARE(QString(odehLetter(odehZone(v))), zone);
    }

    void readmeExample()
    {
        const Run r = sighting({QStringLiteral("--at"), QStringLiteral("2025.05.27 21:05")});
        QCOMPARE(r.exitCode, 0);
        for (const char* line : {
                 "Időpont:            2025.05.27 21:05 (Europe/Budapest), 2025.05.27 19:05 UT",
                 "Hely:               É 47,4979°, K 19,0402°, 100 m",
                 "Együttállás előtte: 2025.05.27 05:02 (2025.05.27 03:02 UT)",
                 "A Hold kora:        16 óra 3 perc (esti sarló, az együttállás óta)",
                 "Napnyugta:          2025.05.27 20:28 (2025.05.27 18:28 UT)",
                 "Holdnyugta:         2025.05.27 21:39 (2025.05.27 19:39 UT)",
                 "Késés:              1 óra 11 perc",
                 "  Yallop q:         -0,006 (B: jó időben látható)",
                 "  Odeh V:           3,32 (B zóna: távcsővel látható, szabad szemmel is lehet)",
                 "Rekordok:           a Hold kora a legjobb időpontban 15 óra 57 perc",
                 "  szabad szemmel:   15 óra 0 perc (1990.02.25, Collins Gap, Tennessee): nem rekord",
                 "  binokulárral:     11 óra 37 perc (2002.09.07, Irán): nem rekord",
                 "  távcsővel:        12 óra 6 perc (1996.01.21, Tucson, Arizona): nem rekord",
                 "  fényképen:        az együttállás pillanatában (2013.07.08, Élancourt, Franciaország)",
             })
            QVERIFY2(r.out.contains(QString::fromUtf8(line)), qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("a Nap lenyugodott")), qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("a Hold a látóhatár felett van")), qPrintable(r.out));
    }

    // Under an English locale the report and the help are English, with decimal points.
    void english_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("report") << QStringList{"--at", "2025.05.27 21:05"}
                                << QStringList{"Circumstances of a crescent sighting",
                                               "Place:              N 47.4979°, E 19.0402°, 100 m",
                                               "Age of the Moon:    16 h 3 min (evening crescent, since the conjunction)",
                                               "Sunset:             2025.05.27 20:28 (2025.05.27 18:28 UT)",
                                               "Moonset:            2025.05.27 21:39 (2025.05.27 19:39 UT)",
                                               "Lag:                1 h 11 min",
                                               "Best time:          2025.05.27 21:00 (2025.05.27 19:00 UT) (sunset + 4/9 lag)",
                                               "  Yallop q:         -0.006 (B: visible under perfect conditions)",
                                               "  Odeh V:           3.32 (zone B: visible by optical aid, could be seen by naked eye)",
                                               "  binoculars:       11 h 37 min (2002.09.07, Iran): not a record"};
        QTest::newRow("help") << QStringList{"--help"}
                              << QStringList{"Usage: ", "Options:", "  -h, --help       This help.",
                                             "--next           The report of the next chance (class A, B or C).",
                                             "4 no chance within 60 days."};
    }

    void english()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, expected);
        const Run r = almanac(QStringList{QStringLiteral("sighting")} + args, QStringLiteral("/nonexistent"),
                              QStringLiteral("en_US.UTF-8"));
        QCOMPARE(r.exitCode, 0);
        for (const QString& line : expected)
            QVERIFY2(r.out.contains(line), qPrintable(r.out));
        static const QRegularExpression hungarian(QStringLiteral("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]"));
        QVERIFY2(!QString(r.out).remove(QStringLiteral("Élancourt")).contains(hungarian), qPrintable(r.out));
    }

    void json()
    {
        const Run r = sighting({QStringLiteral("--at"), QStringLiteral("2025.05.27 21:05"), QStringLiteral("--json")});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        QVERIFY2(doc.isObject(), qPrintable(error.errorString()));
        const QJsonObject o = doc.object();
        QCOMPARE(o.value(QStringLiteral("timeUT")).toString(), QStringLiteral("2025-05-27T19:05:00.000Z"));
        QCOMPARE(o.value(QStringLiteral("crescent")).toString(), QStringLiteral("evening"));
        QVERIFY(o.value(QStringLiteral("ageHours")).isDouble());
        QVERIFY(std::abs(o.value(QStringLiteral("ageHours")).toDouble() - 16.05) < 0.02);
        QVERIFY(std::abs(o.value(QStringLiteral("lagMinutes")).toDouble() - 71) < 1);
        QVERIFY(o.value(QStringLiteral("sun")).toObject().value(QStringLiteral("altitude")).toDouble() < -5);
        const QJsonObject best = o.value(QStringLiteral("best")).toObject();
        QVERIFY(best.value(QStringLiteral("yallopQ")).isDouble());
        QVERIFY(std::abs(best.value(QStringLiteral("yallopQ")).toDouble() + 0.006) < 0.001);
        QCOMPARE(best.value(QStringLiteral("yallopClass")).toString(), QStringLiteral("B"));
        QCOMPARE(best.value(QStringLiteral("odehZone")).toString(), QStringLiteral("B"));
        QVERIFY(best.value(QStringLiteral("arcl")).toDouble() > 10 && best.value(QStringLiteral("arcl")).toDouble() < 11);
        const QJsonObject records = o.value(QStringLiteral("records")).toObject();
        QCOMPARE(records.value(QStringLiteral("opticalAidHours")).toDouble(), 11.0 + 37.0 / 60.0);
        QCOMPARE(records.value(QStringLiteral("comparable")).toBool(), true);
        QCOMPARE(records.value(QStringLiteral("belowNakedEyeRecord")).toBool(), false);
    }

    // The Moon sets before the Sun: nothing to see, so no record to beat.
    void noRecordWithoutACrescent()
    {
        const Run r = sighting({QStringLiteral("--at"), QStringLiteral("2025.11.20 17:00"), QStringLiteral("--json")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        const QJsonObject records = o.value(QStringLiteral("records")).toObject();
        QCOMPARE(records.value(QStringLiteral("comparable")).toBool(), false);
        QVERIFY(records.value(QStringLiteral("ageHours")).isNull());
        for (const char* key : {"belowNakedEyeRecord", "belowOpticalAidRecord", "belowTelescopeRecord"})
            QCOMPARE(records.value(QLatin1String(key)).toBool(true), false);
    }

    void morning()
    {
        const Run r = sighting({QStringLiteral("--at"), QStringLiteral("1992.04.02 06:00"), QStringLiteral("--tz"),
                               QStringLiteral("Pacific/Honolulu"), QStringLiteral("--lat"), QStringLiteral("19.8"),
                               QStringLiteral("--lon"), QStringLiteral("-155.5"), QStringLiteral("--elevation"),
                               QStringLiteral("0")});
        QCOMPARE(r.exitCode, 0);
        for (const char* text : {"A Hold kora:        -13 óra", "hajnali sarló", "Napkelte:           1992.04.02 06:",
                                 "Holdkelte:          1992.04.02 05:", "Yallop q:         -0,284 (E: távcsővel sem)",
                                 "napkelte - 4/9 késés", "a Nap még nem kelt fel",
                                 "szabad szemmel:   15 óra 0 perc (1990.02.25, Collins Gap, Tennessee): fiatalabb"})
            QVERIFY2(r.out.contains(QString::fromUtf8(text)), qPrintable(r.out));
    }

    // At 63° N in late May the two-day Moon does not set before the Sun rises
    // again: the best time is the darkest sky, the Sun's lowest point.
    void moonUpAllNight()
    {
        const Site site{63.0, 20.0, 0.0};
        const SightingReport r = sightingAt(eph, julianDayUt(QDateTime(QDate(2025, 5, 28), QTime(21, 0), Qt::UTC)), site);
        QVERIFY(r.sunEvent && r.crescent && r.best);
        QVERIFY(r.crescent->moonUpAllNight);
        const std::optional<double> sunrise = nextRiseSet(eph, *r.sunEvent, SE_SUN, true, site);
        QVERIFY(sunrise);
        double lowest = *r.sunEvent;
        for (double t = *r.sunEvent; t < *sunrise; t += 10.0 / 86400.0) {
            if (skyPlace(eph, t, SE_SUN, site).altitude < skyPlace(eph, lowest, SE_SUN, site).altitude)
                lowest = t;
        }
        QVERIFY2(std::abs(r.crescent->best - lowest) * 1440.0 < 1.0, qPrintable(QString::number(r.crescent->best - lowest)));
        const CrescentGeometry there = crescentGeometry(eph, lowest, site);
        QVERIFY(std::abs(r.best->q - there.q) < 0.002);
        QVERIFY(std::abs(r.best->odehV - there.odehV) < 0.01);
        const QString text = sightingLines(r, QTimeZone("Europe/Stockholm")).join(u'\n');
        for (const char* line : {"Holdnyugta:         nincs (a Hold ezen az éjszakán nem nyugszik le)",
                                 "Legjobb időpont:    2025.05.29 00:37 (2025.05.28 22:37 UT) (a Nap legmélyebb pontja",
                                 "  Yallop q:         0,625 (A: könnyen látható)",
                                 "  Odeh V:           9,73 (A zóna: szabad szemmel látható)"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), qPrintable(text));
    }

    void sunUpMoonDown_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("absent");
        const QStringList noRecord{"rekord alatt", "fiatalabb a rekordnál", "nem rekord"};
        QTest::newRow("Sun up") << "2025.05.27 14:00" << QStringList{}
                                << QStringList{"a Nap a látóhatár felett van", "Napnyugta:          2025.05.27 20:28"}
                                << QStringList{};
        QTest::newRow("Moon down") << "2025.05.27 23:00" << QStringList{}
                                   << QStringList{"a Nap lenyugodott", "a Hold a látóhatár alatt van"}
                                   << QStringList{"nem kelt fel"};
        // 2025 November 20: new moon at 07:47, but the Moon sets 28 minutes before the Sun.
        QTest::newRow("Moon sets first") << "2025.11.20 17:00" << QStringList{}
                                         << QStringList{"esti sarló", "(a Hold a Nap előtt nyugszik)",
                                                        "nincs (a Hold nincs a látóhatár felett",
                                                        "Yallop q:         - (F: nem látható)",
                                                        "Késés:              -28 perc (a Hold a Nap előtt nyugszik)",
                                                        "Rekordok:           a sarló nem látható (a Hold a Nap előtt "
                                                        "nyugszik), nem vethető össze a rekordokkal"}
                                         << noRecord + QStringList{"-0 óra"};
        QTest::newRow("Moon rises after the Sun")
            << "2025.11.20 05:00" << QStringList{}
            << QStringList{"hajnali sarló", "a Nap még nem kelt fel", "Holdkelte:          2025.11.20 07:23",
                           "Rekordok:           a sarló nem látható (a Hold a Nap után kel)"}
            << noRecord + QStringList{"lenyugodott"};
        // Minutes before the new moon, the Moon just up before the Sun.
        QTest::newRow("minutes before new moon")
            << "2025.05.27 04:40" << QStringList{}
            << QStringList{"A Hold kora:        -22 perc (hajnali sarló", "a Nap még nem kelt fel",
                           "Késés:              25 perc", "Rekordok:           a Hold kora a legjobb időpontban -19 perc",
                           "binokulárral:     11 óra 37 perc (2002.09.07, Irán): fiatalabb a rekordnál"}
            << QStringList{"-0 óra", "lenyugodott"};
        // The evening before a new moon: the old crescent of the next morning.
        QTest::newRow("evening before new moon") << "2025.05.26 21:00" << QStringList{}
                                                 << QStringList{"-8 óra 2 perc (hajnali sarló",
                                                                "Napkelte:           2025.05.27 04:54",
                                                                "a Nap lenyugodott"}
                                                 << QStringList{"nem kelt fel"};
        // Midnight sun over Svalbard: no sunset that evening.
        QTest::newRow("midnight sun") << "2025.06.26 23:00"
                                      << QStringList{"--lat", "78.2", "--lon", "15.6", "--tz", "Arctic/Longyearbyen"}
                                      << QStringList{"Napnyugta:          nincs (a Nap ezen a napon nem nyugszik le)",
                                                     "Legjobb időpont:    nincs (nincs napnyugta)",
                                                     "a Nap a látóhatár felett van",
                                                     "Rekordok:           a sarló nem látható (nincs napnyugta)"}
                                      << noRecord;
        QTest::newRow("polar night") << "2025.12.20 12:00"
                                     << QStringList{"--lat", "78.2", "--lon", "15.6", "--tz", "Arctic/Longyearbyen"}
                                     << QStringList{"Napnyugta:          nincs (a Nap ezen a napon nem kel fel)",
                                                    "a Nap egész nap a látóhatár alatt van"}
                                     << QStringList{"nem nyugszik le", "lenyugodott"};
    }

    void sunUpMoonDown()
    {
        QFETCH(QString, at);
        QFETCH(QStringList, extra);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        const Run r = sighting(QStringList{QStringLiteral("--at"), at} + extra);
        QCOMPARE(r.exitCode, 0);
        for (const QString& text : expected)
            QVERIFY2(r.out.contains(text), qPrintable(r.out));
        for (const QString& text : absent)
            QVERIFY2(!r.out.contains(text), qPrintable(text + QStringLiteral(" in:\n") + r.out));
    }

    void badAt_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("words") << QStringList{"--at", "holnap este"} << "Hibás --at időpont: \"holnap este\"";
        QTest::newRow("month 13") << QStringList{"--at", "2025.13.45 21:05"} << "Hibás --at időpont";
        QTest::newRow("time alone") << QStringList{"--at", "21:05"} << "hiányzik a dátum";
        QTest::newRow("missing") << QStringList{} << "Hiányzik a --at időpont";
    }

    void badAt()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = sighting(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // A date alone and --next: the report's moment, as its first lines say.
    void reportMoment_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("moment");
        QTest::newRow("date alone") << QStringList{"--at", "2025.05.28"} << "2025.05.28 21:32";
        QTest::newRow("date alone, waning") << QStringList{"--at", "2025.05.26"} << "2025.05.26 04:27";
        QTest::newRow("next after a time") << QStringList{"--next", "--at", "2025.05.27 21:01"} << "2025.05.28 21:32";
        QTest::newRow("next from a date's start") << QStringList{"--next", "--at", "2025.11.20"} << "2025.11.22 16:25";
    }

    void reportMoment()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, moment);
        const Run r = sighting(args);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains(QStringLiteral("Időpont:            ") + moment), qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("Legjobb időpont:    ") + moment), qPrintable(r.out));
    }

    // The shipped files start at 1800.01.01; the search for the conjunctions
    // reaches two lunations back.
    void momentOutsideTheFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("1700") << QStringList{"--at", "1700.03.02 18:00"};
        QTest::newRow("new moons before the files") << QStringList{"--at", "1800.03.25 18:00"};
        QTest::newRow("new moon after the files") << QStringList{"--at", "2399.12.10 18:00"};
        // Sydney's next chance, the evening of 2399.11.29, needs the
        // conjunctions after the files' end: the search stops short of it.
        QTest::newRow("next chance after the files")
            << QStringList{"--next", "--at", "2399.11.27 06:00", "--lat", "-33.87", "--lon", "151.21", "--tz",
                           "Australia/Sydney"};
    }

    // Svalbard's midnight sun: no sunset, no crescent evening to offer.
    void noChanceInPolarSummer()
    {
        const Run r = sighting({"--next", "--at", "2025.06.01", "--lat", "78.2", "--lon", "15.6", "--tz", "Europe/Oslo"});
        QCOMPARE(r.exitCode, 4);
        QVERIFY2(r.err.contains(QStringLiteral("Nincs A, B vagy C osztályú este vagy reggel 60 napon belül")),
                 qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    void momentOutsideTheFiles()
    {
        QFETCH(QStringList, args);
        const Run r = sighting(args);
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(QStringLiteral("Az efemeriszfájlok nem fedik le ezt az időpontot")), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSighting)
#include "tst_almanac_sighting.moc"
