// The next chance from Budapest: the coming crescent evening or morning, the
// next one of class C or better, and the moment a date alone stands for,
// around the new moons of 2025.05.27 (03:02 UT) and 2025.11.20 (06:47 UT);
// at 63° N, where the Moon stays up all night, graded as the report grades it.
#include "ephemeris.h"
#include "nextchance.h"

#include <QTest>

using namespace tavik::almanac;

namespace {

const Site kBudapest{47.4979, 19.0402, 100.0};
const Site kUmea{63.0, 20.0, 0.0};   // Europe/Stockholm keeps Budapest's clock
const Site kDebrecen{47.5316, 21.6273, 120.0};
const QTimeZone kZone(QByteArrayLiteral("Europe/Budapest"));

double local(const QString& text)
{
    return julianDayUt(QDateTime::fromString(text, QStringLiteral("yyyy.MM.dd HH:mm")).toTimeZone(kZone));
}

}  // namespace

Q_DECLARE_METATYPE(Site)

class TestNextChance : public QObject {
    Q_OBJECT
    const Ephemeris eph = Ephemeris::open();

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<Site>("site");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("coming");      // any class, its time and class letter
        QTest::addColumn<bool>("comingEvening");
        QTest::addColumn<QString>("next");        // class C or better
        QTest::addColumn<QStringList>("passed");  // the nearer ones it passes over
        QTest::newRow("evening") << kBudapest << "2025.05.27 12:00" << "2025.05.27 21:00 B" << true
                                 << "2025.05.27 21:00 B" << QStringList{};
        QTest::newRow("its best time passed") << kBudapest << "2025.05.27 21:01" << "2025.05.28 21:32 A" << true
                                              << "2025.05.28 21:32 A" << QStringList{};
        QTest::newRow("morning") << kBudapest << "2025.05.25 12:00" << "2025.05.26 04:27 B" << false
                                 << "2025.05.26 04:27 B" << QStringList{};
        // Past the full moon of 4 December: on to the first morning with the
        // Moon within 60 degrees of the Sun.
        QTest::newRow("waning gibbous") << kBudapest << "2025.12.07 12:00" << "2025.12.15 05:26 A" << false
                                        << "2025.12.15 05:26 A" << QStringList{};
        // The Moon sets 28 minutes before the Sun, the next evening is too
        // faint: the third is the next chance.
        QTest::newRow("Moon sets first") << kBudapest << "2025.11.20 12:00" << "2025.11.20 16:03 F" << true
                                         << "2025.11.22 16:25 A" << QStringList{"2025.11.20 16:03 F", "2025.11.21 16:06 F"};
        // The report's best time: the Sun's lowest point of the night.
        QTest::newRow("Moon up all night at 63 N") << kUmea << "2025.05.28 12:00" << "2025.05.29 00:37 A" << true
                                                   << "2025.05.29 00:37 A" << QStringList{};
        // The coming dawn, the last before the conjunction of 2026.12.09
        // 00:51 UT, and the evening after it are hopeless: the first usable
        // chance is 2026.12.10, as "sighting --next" finds it.
        QTest::newRow("Debrecen in December") << kDebrecen << "2026.12.07 21:00" << "2026.12.08 07:03 F" << false
                                             << "2026.12.10 16:02 C" << QStringList{"2026.12.08 07:03 F", "2026.12.09 15:42 F"};
    }

    void choice()
    {
        QFETCH(Site, site);
        QFETCH(QString, from);
        QFETCH(QString, coming);
        QFETCH(bool, comingEvening);
        QFETCH(QString, next);
        QFETCH(QStringList, passed);
        auto text = [](const Chance& c) {
            return formatLocalMinute(c.time(), kZone) + u' ' + yallopLetter(c.visibility());
        };
        const std::optional<Chance> any = nextChance(eph, local(from), site);
        const std::optional<Chance> good = nextChance(eph, local(from), site, YallopClass::C);
        QVERIFY(any && good);
        QCOMPARE(text(*any), coming);
        QCOMPARE(any->evening(), comingEvening);
        QCOMPARE(text(*good), next);
        QVERIFY(any->time() > local(from));
        // The visibility window's first choice: "sighting --next"'s, with what it passed over.
        const UsableChance usable = nextUsableChance(eph, local(from), site);
        QVERIFY(usable.chance);
        QCOMPARE(text(*usable.chance), next);
        QStringList passedOver;
        for (const Chance& c : usable.passedOver)
            passedOver << text(c);
        QCOMPARE(passedOver, passed);
    }

    void dateAlone_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("moment");
        QTest::newRow("evening best time") << QDate(2025, 5, 28) << "2025.05.28 21:32";
        QTest::newRow("waning: morning best time") << QDate(2025, 5, 26) << "2025.05.26 04:27";
        QTest::newRow("Moon sets first: sunset") << QDate(2025, 11, 20) << "2025.11.20 16:03";
    }

    void dateAlone()
    {
        QFETCH(QDate, date);
        QFETCH(QString, moment);
        QCOMPARE(formatLocalMinute(dateMoment(eph, date, kBudapest, kZone), kZone), moment);
    }
};

QTEST_GUILESS_MAIN(TestNextChance)
#include "tst_nextchance.moc"
