// The drawn result lines and the calculation log entry.
#include "datafiles.h"
#include "report.h"
#include "texts.h"

#include <QTest>

using namespace tavik;

namespace {

const double kNewMoon = toDateTimeValue({2024, 1, 11, 12, 0, 0});

ObservationResult after(std::int64_t minutes, const QString& observationText = {})
{
    const RegionalSettings rs = RegionalSettings::hungarian();
    const double observation = observationText.isEmpty()
                                   ? fromEpochSeconds(toEpochSeconds(kNewMoon) + minutes * 60)
                                   : *parseDateTime(observationText, rs);
    return *CalculateAndClassify(kNewMoon, observation);
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void observationLinesAfter4000Minutes();
    void nowLinesSplitTheFirstLine();
    void logEntryBytes();
    void logEntryForIdenticalTimes();
    void nowLogEntryPutsDateAndTimeTogether();
    void logEntryInUsEnglish();
    void joinEndsEveryLine();
};

void TestReport::observationLinesAfter4000Minutes()
{
    const auto lines = observationLines(after(4000), RegionalSettings::hungarian());
    const QString indent(36, u' ');
    QCOMPARE(lines[0], QStringLiteral("Megfigyelés ideje:         2024. 01. 14. 6:40:00"));
    QCOMPARE(lines[1], QStringLiteral("Holdsarló kora:             66 óra 40 perc"));
    QCOMPARE(lines[2], indent + QStringLiteral("2 nap  18 óra 40 perc"));
    QCOMPARE(lines[3], indent + QStringLiteral("2,75 nap"));
    QCOMPARE(lines[4], indent + QStringLiteral("Növekvő sarló - 9,05 %"));
}

void TestReport::nowLinesSplitTheFirstLine()
{
    const auto lines = nowLines(after(4000), RegionalSettings::hungarian());
    QCOMPARE(lines[0], QStringLiteral("Megfigyelés ideje:         2024. 01. 14."));
    QCOMPARE(lines[1], QStringLiteral("6:40:00"));
    const auto observation = observationLines(after(4000), RegionalSettings::hungarian());
    for (int i = 1; i < 5; ++i)
        QCOMPARE(lines[i + 1], observation[i]);
}

void TestReport::logEntryBytes()
{
    const QString entry =
        joinWithCrLf(calculationLogEntry(after(4000), RegionalSettings::hungarian()));
    const QByteArray expected =
        "Megfigyel\xe9s ideje:   2024. 01. 14. 6:40:00\r\n"
        "Holdsarl\xf3 kora:      66 \xf3ra 40 perc\r\n"
        "Holdsarl\xf3 kora:      2 nap  18 \xf3ra 40 perc\r\n"
        "Holdsarl\xf3 kora:      2,75 nap\r\n"
        "Holdf\xe1zis:           N\xf6vekv\xf5 sarl\xf3  ---  9,1 %\r\n"
        "      \r\n"
        "      \r\n";
    QCOMPARE(encodeWindows1250(entry).value(), expected);
}

void TestReport::logEntryForIdenticalTimes()
{
    const QStringList entry = calculationLogEntry(after(0), RegionalSettings::hungarian());
    QCOMPARE(entry.size(), 7);
    QCOMPARE(entry[1], QStringLiteral("Holdsarló kora:      0 óra 0 perc"));
    QCOMPARE(entry[2], QStringLiteral("Holdsarló kora:      0 nap  0 óra 0 perc"));
    QCOMPARE(entry[3], QStringLiteral("Holdsarló kora:      0,00 nap"));
    QCOMPARE(entry[4], QStringLiteral("Holdfázis:           Újhold  ---  0,0 %"));
    // Three hours: 0.125 days is written 0.13.
    QCOMPARE(calculationLogEntry(after(180), RegionalSettings::hungarian())[3],
             QStringLiteral("Holdsarló kora:      0,13 nap"));
}

void TestReport::nowLogEntryPutsDateAndTimeTogether()
{
    const ObservationResult midnight = after(0, QStringLiteral("2024.01.12 0:00"));
    QCOMPARE(nowLogEntry(midnight, RegionalSettings::hungarian())[0],
             QStringLiteral("Megfigyelés ideje:   2024. 01. 12.0:00:00"));
    // The "Megfigyelés" entry writes midnight as the date alone.
    QCOMPARE(calculationLogEntry(midnight, RegionalSettings::hungarian())[0],
             QStringLiteral("Megfigyelés ideje:   2024. 01. 12."));
    QCOMPARE(nowLogEntry(midnight, RegionalSettings::hungarian()).mid(1),
             calculationLogEntry(midnight, RegionalSettings::hungarian()).mid(1));
}

void TestReport::logEntryInUsEnglish()
{
    const RegionalSettings en =
        RegionalSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList entry = calculationLogEntry(after(4000), en);
    QCOMPARE(entry[0], QStringLiteral("Megfigyelés ideje:   1/14/2024 6:40:00 AM"));
    QCOMPARE(entry[3], QStringLiteral("Holdsarló kora:      2.75 nap"));
    QCOMPARE(entry[4], QStringLiteral("Holdfázis:           Növekvő sarló  ---  9.1 %"));
}

void TestReport::joinEndsEveryLine()
{
    QCOMPARE(joinWithCrLf({QStringLiteral("a"), QString(), QStringLiteral("b")}),
             QStringLiteral("a\r\n\r\nb\r\n"));
    QCOMPARE(joinWithCrLf({}), QString());
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
