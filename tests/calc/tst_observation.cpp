// The crescent calculation and the phase table.
#include "observation.h"
#include "texts.h"

#include <QTest>
#include <limits>

using namespace tavik;

namespace {

const double kNewMoon = toDateTimeValue({2024, 1, 11, 12, 0, 0});   // exact in binary

double minutesLater(double v, std::int64_t minutes)
{
    return fromEpochSeconds(toEpochSeconds(v) + minutes * 60);
}

}  // namespace

class TestObservation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void phaseAge_data();
    void phaseAge();
    void counts_data();
    void counts();
    void illumination_data();
    void illumination();
    void secondsAreDisregardedInTheMinuteCount();
    void timeWithoutDateIsOnTheZeroDate();
    void tooFarApartIsNoResult_data();
    void tooFarApartIsNoResult();
    void classifyPhase_data();
    void classifyPhase();
    void calculateAndClassify();
    void acrossAChangeOfClocks_data();
    void acrossAChangeOfClocks();
    void sameOffsetsChangeNothing();
};

void TestObservation::phaseAge_data()
{
    QTest::addColumn<double>("elapsedDays");
    QTest::addColumn<double>("phaseAge");
    QTest::newRow("identical times") << 0.0 << 0.0;
    QTest::newRow("1.2 days before") << -1.2 << 28.53058868;
    QTest::newRow("0.4 days before") << -0.4 << 0.0;
    QTest::newRow("29.6 rounds to 30") << 29.6 << 0.0;
    QTest::newRow("45.3 gives 15") << 45.3 << 15.0;
    QTest::newRow("2.5 gives 2") << 2.5 << 2.0;
    QTest::newRow("3.5 gives 4") << 3.5 << 4.0;
    QTest::newRow("-2.5 gives -2") << -2.5 << -2 + 29.53058868;
    QTest::newRow("-30 gives 0") << -30.0 << 0.0;
    QTest::newRow("-31 gives -1") << -31.0 << 28.53058868;
    QTest::newRow("4000 minutes") << 4000 / 1440.0 << 3.0;
}

void TestObservation::phaseAge()
{
    QFETCH(double, elapsedDays);
    QFETCH(double, phaseAge);
    const auto r = CalculateCrescentAge(kNewMoon, kNewMoon + elapsedDays);
    QVERIFY(r);
    QCOMPARE(r->phaseAge, phaseAge);
}

void TestObservation::counts_data()
{
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<int>("ageHours");
    QTest::addColumn<int>("minutePart");
    QTest::addColumn<double>("ageDays");
    QTest::addColumn<int>("wholeDays");
    QTest::addColumn<int>("hourPart");
    QTest::newRow("identical") << qint64(0) << 0 << 0 << 0.0 << 0 << 0;
    QTest::newRow("4000 minutes") << qint64(4000) << 66 << 40 << 2.75 << 2 << 18;
    QTest::newRow("4000 minutes before") << qint64(-4000) << 66 << 40 << 2.75 << 2 << 18;
    QTest::newRow("1.2 days before") << qint64(-1728) << 28 << 48 << 28 / 24.0 << 1 << 4;
    QTest::newRow("three hours") << qint64(180) << 3 << 0 << 0.125 << 0 << 3;
    QTest::newRow("59 minutes") << qint64(59) << 0 << 59 << 0.0 << 0 << 0;
    QTest::newRow("a year") << qint64(525600) << 8760 << 0 << 365.0 << 365 << 0;
    QTest::newRow("largest count") << qint64(std::numeric_limits<std::int32_t>::max())
                                   << 35791394 << 7 << 35791394 / 24.0 << 1491308 << 2;
}

void TestObservation::counts()
{
    QFETCH(qint64, minutes);
    QFETCH(int, ageHours);
    QFETCH(int, minutePart);
    QFETCH(double, ageDays);
    QFETCH(int, wholeDays);
    QFETCH(int, hourPart);
    const auto r = CalculateCrescentAge(kNewMoon, minutesLater(kNewMoon, minutes));
    QVERIFY(r);
    QCOMPARE(r->ageMinutes, static_cast<std::int32_t>(minutes < 0 ? -minutes : minutes));
    QCOMPARE(r->ageHours, ageHours);
    QCOMPARE(r->minutePart, minutePart);
    QCOMPARE(r->ageDays, ageDays);
    QCOMPARE(r->wholeDays, wholeDays);
    QCOMPARE(r->hourPart, hourPart);
}

void TestObservation::illumination_data()
{
    QTest::addColumn<double>("elapsedDays");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("expected");
    QTest::newRow("identical times") << 0.0 << kObservationScale << 0.0;
    QTest::newRow("1 day") << 1.0 << kObservationScale << 1.25515;
    QTest::newRow("1 day, Most!") << 1.0 << kNowScale << 1.27770;
    QTest::newRow("0.3 days") << 0.3 << kObservationScale << 0.0;
    QTest::newRow("0.3 days, Most!") << 0.3 << kNowScale << 0.0;
    QTest::newRow("0.35 days") << 0.35 << kObservationScale << 0.20689;
    QTest::newRow("0.35 days, Most!") << 0.35 << kNowScale << 0.20966;
    QTest::newRow("0.35 days before") << -0.35 << kObservationScale << 0.20689;
    QTest::newRow("4000 minutes") << 4000 / 1440.0 << kObservationScale << 9.05037;
    QTest::newRow("4000 minutes, Most!") << 4000 / 1440.0 << kNowScale << 9.22000;
    QTest::newRow("half a month") << 14.76529434 << kObservationScale << 100.0;
    QTest::newRow("half a month, Most!") << 14.76529434 << kNowScale << 100.0;
    QTest::newRow("12.4 days") << 12.4 << kObservationScale << 99.48878;
}

void TestObservation::illumination()
{
    QFETCH(double, elapsedDays);
    QFETCH(double, scale);
    QFETCH(double, expected);
    const auto r = CalculateCrescentAge(kNewMoon, kNewMoon + elapsedDays, scale);
    QVERIFY(r);
    QVERIFY2(std::abs(r->illumination - expected) < 0.00005,
             qPrintable(QString::number(r->illumination, 'f', 6)));
    QVERIFY(r->illumination == 0 || r->illumination >= kIlluminationCutoff);
    QVERIFY(r->illumination <= kIlluminationCap);
}

void TestObservation::secondsAreDisregardedInTheMinuteCount()
{
    const double a = toDateTimeValue({2024, 1, 11, 12, 0, 59});
    const double b = toDateTimeValue({2024, 1, 11, 12, 1, 0});
    const double c = toDateTimeValue({2024, 1, 11, 12, 0, 0});
    auto r = CalculateCrescentAge(a, b);
    QVERIFY(r);
    QCOMPARE(r->ageMinutes, 1);
    QCOMPARE(r->elapsedDays, b - a);
    r = CalculateCrescentAge(c, a);
    QVERIFY(r);
    QCOMPARE(r->ageMinutes, 0);
    // Before the epoch the cut goes down to the earlier minute as well.
    r = CalculateCrescentAge(toDateTimeValue({1899, 12, 29, 23, 59, 59}), 0.0);
    QVERIFY(r);
    QCOMPARE(r->ageMinutes, 1);
}

void TestObservation::timeWithoutDateIsOnTheZeroDate()
{
    const RegionalSettings rs = RegionalSettings::hungarian();
    const auto newMoon = parseDateTime(u"6:00", rs);
    const auto observation = parseDateTime(u"18:30", rs);
    QVERIFY(newMoon && observation);
    QCOMPARE(*newMoon, 0.25);
    const auto r = CalculateCrescentAge(*newMoon, *observation);
    QVERIFY(r);
    QCOMPARE(r->ageMinutes, 750);
    QCOMPARE(formatDateTime(r->observationTime, rs), QStringLiteral("18:30:00"));
}

void TestObservation::tooFarApartIsNoResult_data()
{
    QTest::addColumn<double>("newMoon");
    QTest::addColumn<double>("observation");
    const double first = toDateTimeValue({100, 1, 1, 0, 0, 0});
    const double last = toDateTimeValue({9999, 12, 31, 23, 59, 59});
    QTest::newRow("years 100 and 9999") << first << last;
    QTest::newRow("and the other way") << last << first;
    QTest::newRow("one minute too many")
        << kNewMoon << minutesLater(kNewMoon, std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1);
    QTest::newRow("days beyond 32 bits") << 0.0 << 3.0e9;
    QTest::newRow("huge values") << 1.0e300 << -1.0e300;
    QTest::newRow("infinity") << 0.0 << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0;
}

void TestObservation::tooFarApartIsNoResult()
{
    QFETCH(double, newMoon);
    QFETCH(double, observation);
    QVERIFY(!CalculateCrescentAge(newMoon, observation));
    QVERIFY(!CalculateAndClassify(newMoon, observation, kNowScale));
}

void TestObservation::classifyPhase_data()
{
    QTest::addColumn<double>("phaseAge");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    const QString newMoon = QStringLiteral("Újhold");
    const QString waxing = QStringLiteral("Növekvő sarló");
    const QString waning = QStringLiteral("Fogyó sarló");
    QTest::newRow("0") << 0.0 << newMoon << "000-ujhold.gif";
    QTest::newRow("negative") << -5.0 << newMoon << "000-ujhold.gif";
    QTest::newRow("1.53058868") << 1.53058868 << newMoon << "000-ujhold.gif";
    QTest::newRow("1.84 on the bound") << 1.84 << waxing << "004-novekvo.gif";
    QTest::newRow("2") << 2.0 << waxing << "004-novekvo.gif";
    QTest::newRow("2.1 on the bound") << 2.1 << waxing << "010-novekvo.gif";
    QTest::newRow("5") << 5.0 << waxing << "010-novekvo.gif";
    QTest::newRow("5.53058868") << 5.53058868 << waxing << "014-novekvo.gif";
    QTest::newRow("6") << 6.0 << waxing << "014-novekvo.gif";
    QTest::newRow("7") << 7.0 << "Első negyed" << "020-negyed.gif";
    QTest::newRow("9.21 on the bound") << 9.21 << "Növekvő hold" << "030-novekvo.gif";
    QTest::newRow("13") << 13.0 << "Telihold" << "040-telihold.gif";
    QTest::newRow("16.53058868") << 16.53058868 << "Telihold" << "040-telihold.gif";
    QTest::newRow("17") << 17.0 << "Fogyó hold" << "050-fogyo.gif";
    QTest::newRow("20") << 20.0 << "Fogyó hold" << "050-fogyo.gif";
    QTest::newRow("21") << 21.0 << "Fogyó hold" << "050-fogyo.gif";
    QTest::newRow("22") << 22.0 << "Utolsó negyed" << "060-utolso.gif";
    QTest::newRow("23.15 on the bound") << 23.15 << waning << "070-fogyo.gif";
    QTest::newRow("27") << 27.0 << waning << "072-fogyo.gif";
    QTest::newRow("27.53058868") << 27.53058868 << waning << "072-fogyo.gif";
    QTest::newRow("28") << 28.0 << waning << "073-fogyo.gif";
    QTest::newRow("28.2 falls back") << 28.2 << newMoon << "000-ujhold.gif";
    QTest::newRow("28.53058868") << 28.53058868 << newMoon << "000-ujhold.gif";
    QTest::newRow("29") << 29.0 << newMoon << "000-ujhold.gif";
}

void TestObservation::classifyPhase()
{
    QFETCH(double, phaseAge);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    const PhaseClass c = ClassifyPhase(phaseAge);
    QCOMPARE(c.phaseName, name);
    QCOMPARE(c.phasePicture, picture);
}

void TestObservation::calculateAndClassify()
{
    const auto r = CalculateAndClassify(kNewMoon, minutesLater(kNewMoon, 4000));
    QVERIFY(r);
    QCOMPARE(r->phaseName, QStringLiteral("Növekvő sarló"));
    QCOMPARE(r->phasePicture, QStringLiteral("010-novekvo.gif"));
    const auto before = CalculateAndClassify(kNewMoon, kNewMoon - 1.2);
    QVERIFY(before);
    QCOMPARE(before->phasePicture, QStringLiteral("000-ujhold.gif"));
    QCOMPARE(before->ageMinutes, 1728);
}

void TestObservation::acrossAChangeOfClocks_data()
{
    QTest::addColumn<double>("newMoon");
    QTest::addColumn<double>("observation");
    QTest::addColumn<int>("newMoonOffset");
    QTest::addColumn<int>("observationOffset");
    QTest::addColumn<int>("ageMinutes");
    QTest::addColumn<double>("elapsedDays");
    QTest::addColumn<double>("phaseAge");
    const auto at = [](int y, int mo, int d, int h, int mi, int s = 0) {
        return toDateTimeValue({y, mo, d, h, mi, s});
    };
    // Budapest: clocks forward on 30 March 2025, back on 26 October.
    QTest::newRow("spring, a day on the clock")
        << at(2025, 3, 29, 11, 58) << at(2025, 3, 30, 11, 58) << 3600 << 7200 << 23 * 60
        << 23 / 24.0 << 1.0;
    QTest::newRow("autumn")
        << at(2025, 10, 21, 14, 25) << at(2025, 10, 27, 19, 0) << 7200 << 3600
        << (6 * 24 + 5) * 60 + 35 << 6 + (5 * 60 + 35) / 1440.0 << 6.0;
    QTest::newRow("autumn, observation before the new moon")
        << at(2025, 10, 27, 19, 0) << at(2025, 10, 21, 14, 25) << 3600 << 7200
        << (6 * 24 + 5) * 60 + 35 << -(6 + (5 * 60 + 35) / 1440.0) << -6 + kSynodicMonth;
    // Half a day on the clock, which would round to day 0, but 13 hours in fact.
    QTest::newRow("autumn, the day value rounds up")
        << at(2025, 10, 25, 18, 0) << at(2025, 10, 26, 6, 0) << 7200 << 3600 << 780
        << 13 / 24.0 << 1.0;
    // Seconds are cut on the new moon's clock.
    QTest::newRow("seconds across the change")
        << at(2025, 3, 29, 12, 0, 59) << at(2025, 3, 30, 12, 1, 0) << 3600 << 7200 << 23 * 60 + 1
        << (23 * 3600 + 1) / 86400.0 << 1.0;
    // Sydney: clocks forward on 5 October 2025.
    QTest::newRow("southern spring")
        << at(2025, 10, 4, 20, 0) << at(2025, 10, 5, 20, 0) << 36000 << 39600 << 23 * 60
        << 23 / 24.0 << 1.0;
}

void TestObservation::acrossAChangeOfClocks()
{
    QFETCH(double, newMoon);
    QFETCH(double, observation);
    QFETCH(int, newMoonOffset);
    QFETCH(int, observationOffset);
    QFETCH(int, ageMinutes);
    QFETCH(double, elapsedDays);
    QFETCH(double, phaseAge);
    const auto r = CalculateAndClassify(newMoon, observation, kObservationScale,
                                        UtcOffsets{newMoonOffset, observationOffset});
    QVERIFY(r);
    QCOMPARE(r->newMoonTime, newMoon);             // the times stay as typed
    QCOMPARE(r->observationTime, observation);
    QCOMPARE(r->ageMinutes, ageMinutes);
    QCOMPARE(r->ageHours, ageMinutes / 60);
    QCOMPARE(r->minutePart, ageMinutes % 60);
    QVERIFY2(std::abs(r->elapsedDays - elapsedDays) < 1e-9, qPrintable(QString::number(r->elapsedDays, 'g', 17)));
    QCOMPARE(r->phaseAge, phaseAge);
    // The illumination of the same real time on one clock.
    const auto same = CalculateCrescentAge(0.0, elapsedDays);
    QVERIFY(same);
    QVERIFY(std::abs(r->illumination - same->illumination) < 1e-9);
}

void TestObservation::sameOffsetsChangeNothing()
{
    const double observation = minutesLater(kNewMoon, 4000) + 30 / 86400.0;
    const auto plain = CalculateCrescentAge(kNewMoon, observation);
    const auto zoned = CalculateCrescentAge(kNewMoon, observation, kObservationScale, {7200, 7200});
    QVERIFY(plain && zoned);
    QCOMPARE(zoned->elapsedDays, plain->elapsedDays);   // bit for bit
    QCOMPARE(zoned->ageMinutes, plain->ageMinutes);
    QCOMPARE(zoned->illumination, plain->illumination);
}

QTEST_GUILESS_MAIN(TestObservation)
#include "tst_observation.moc"
