// Ages across a change of summer time: both times are clock times of the
// system's zone, and the counts are the real time between them. CTest runs
// this program once in each zone (TZ=Europe/Budapest, UTC, Australia/Sydney);
// the functions of the other zones skip.
#include "appfixture.h"

#include <QTimeZone>

using namespace tavik;
using namespace tavik::testing;

namespace {
const QString kUtolso = QStringLiteral("utolso.txt");
const QString kLog = QStringLiteral("szamitott.txt");
const QString kIndent(36, u' ');

// Each row: the new moon, the observation and the two lines that count the age.
void addRow(const char* name, const char* newMoon, const char* observation, const char* hours,
            const char* daysHours)
{
    QTest::newRow(name) << QString::fromLatin1(newMoon) << QByteArray(observation)
                        << QStringLiteral("Holdsarló kora:             ") + QString::fromUtf8(hours)
                        << kIndent + QString::fromUtf8(daysHours);
}

void addColumns()
{
    QTest::addColumn<QString>("newMoon");
    QTest::addColumn<QByteArray>("observation");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("daysHours");
}
}  // namespace

// Skips unless the program runs in the zone; then the zone must be the system's.
#define RUNS_IN_ZONE(id)                                                        \
    do {                                                                        \
        if (qgetenv("TZ") != id)                                                \
            QSKIP("runs with TZ=" id);                                          \
        QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArray(id));                \
    } while (false)

class MainWindowSummerTimeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void budapest_data();
    void budapest() { observationAge(); }
    void utc_data();
    void utc() { observationAge(); }
    void sydney_data();
    void sydney() { observationAge(); }
    void budapestLogCountsTheRealTime();
    void budapestNow_data();
    void budapestNow();
    void utcNow();

private:
    void observationAge();
};

void MainWindowSummerTimeTest::budapest_data()
{
    RUNS_IN_ZONE("Europe/Budapest");
    addColumns();
    addRow("clocks forward", "2025.03.29 11:58", "2025.03.30 11:58", "23 óra 0 perc", "0 nap  23 óra 0 perc");
    addRow("clocks back", "2025.10.21 14:25", "2025.10.27 19:00", "149 óra 35 perc", "6 nap  5 óra 35 perc");
    addRow("observation before", "2025.10.27 19:00", "2025.10.21 14:25", "149 óra 35 perc", "6 nap  5 óra 35 perc");
    // 02:30 is skipped on 30 March: it counts as 03:30 summer time.
    addRow("in the spring gap", "2025.03.30 01:30", "2025.03.30 02:30", "1 óra 0 perc", "0 nap  1 óra 0 perc");
    addRow("after the spring gap", "2025.03.30 01:30", "2025.03.30 03:30", "1 óra 0 perc", "0 nap  1 óra 0 perc");
    // 02:30 comes twice on 26 October: the first, summer-time pass counts.
    addRow("in the repeated hour", "2025.10.26 01:30", "2025.10.26 02:30", "1 óra 0 perc", "0 nap  1 óra 0 perc");
    addRow("after the repeated hour", "2025.10.26 01:30", "2025.10.26 03:30", "3 óra 0 perc", "0 nap  3 óra 0 perc");
    addRow("winter only", "2024.01.11 12:57", "2024.01.14 07:37", "66 óra 40 perc", "2 nap  18 óra 40 perc");
    addRow("a whole year", "2025.01.01 12:00", "2026.01.01 12:00", "8760 óra 0 perc", "365 nap  0 óra 0 perc");
}

void MainWindowSummerTimeTest::utc_data()
{
    RUNS_IN_ZONE("UTC");
    addColumns();
    addRow("clocks forward elsewhere", "2025.03.29 11:58", "2025.03.30 11:58", "24 óra 0 perc", "1 nap  0 óra 0 perc");
    addRow("clocks back elsewhere", "2025.10.21 14:25", "2025.10.27 19:00", "148 óra 35 perc", "6 nap  4 óra 35 perc");
    addRow("no gap", "2025.03.30 01:30", "2025.03.30 02:30", "1 óra 0 perc", "0 nap  1 óra 0 perc");
    addRow("no repeated hour", "2025.10.26 01:30", "2025.10.26 03:30", "2 óra 0 perc", "0 nap  2 óra 0 perc");
}

void MainWindowSummerTimeTest::sydney_data()
{
    RUNS_IN_ZONE("Australia/Sydney");
    addColumns();
    addRow("clocks forward in October", "2025.10.04 20:00", "2025.10.05 20:00", "23 óra 0 perc", "0 nap  23 óra 0 perc");
    addRow("clocks back in April", "2025.04.05 20:00", "2025.04.06 20:00", "25 óra 0 perc", "1 nap  1 óra 0 perc");
    addRow("in the spring gap", "2025.10.05 01:30", "2025.10.05 02:30", "1 óra 0 perc", "0 nap  1 óra 0 perc");
    addRow("in the repeated hour", "2025.04.06 01:30", "2025.04.06 02:30", "1 óra 0 perc", "0 nap  1 óra 0 perc");
    addRow("European change", "2025.03.29 11:58", "2025.03.30 11:58", "24 óra 0 perc", "1 nap  0 óra 0 perc");
}

void MainWindowSummerTimeTest::observationAge()
{
    QFETCH(QString, newMoon);
    QFETCH(QByteArray, observation);
    QFETCH(QString, hours);
    QFETCH(QString, daysHours);
    DataFolder data;
    data.write(kUtolso, observation + "\r\n");
    MessageLog caught;
    auto a = windowAfter(data, caught, newMoon, "Command1");
    QVERIFY(caught.messages.isEmpty());
    const QStringList drawn = a->surface()->texts();
    QCOMPARE(drawn.size(), 5);
    // The time as typed, in the long time format (no leading zero in the hour).
    QString typed = QString::fromLatin1(observation.right(5)) + QStringLiteral(":00");
    if (typed.startsWith(u'0'))
        typed.remove(0, 1);
    QVERIFY2(drawn[0].endsWith(QLatin1Char(' ') + typed), qPrintable(drawn[0]));
    QCOMPARE(drawn[1], hours);
    QCOMPARE(drawn[2], daysHours);
}

void MainWindowSummerTimeTest::budapestLogCountsTheRealTime()
{
    RUNS_IN_ZONE("Europe/Budapest");
    DataFolder data;
    data.write(kUtolso, "2025.03.30 11:58\r\n");
    auto a = windowAfter(data, QStringLiteral("2025.03.29 11:58"), "Command1");
    // 23 hours: 0.96 days, day value 1, the illumination of 23 hours.
    QCOMPARE(data.read(kLog),
             QByteArray("Megfigyel\xe9s ideje:   2025. 03. 30. 11:58:00\r\n"
                        "Holdsarl\xf3 kora:      23 \xf3ra 0 perc\r\n"
                        "Holdsarl\xf3 kora:      0 nap  23 \xf3ra 0 perc\r\n"
                        "Holdsarl\xf3 kora:      0,96 nap\r\n"
                        "Holdf\xe1zis:           \xdajhold  ---  1,2 %\r\n"
                        "      \r\n"
                        "      \r\n"));
    QCOMPARE(a->surface()->texts().value(4), kIndent + QStringLiteral("Újhold - 1,16 %"));
}

void MainWindowSummerTimeTest::budapestNow_data()
{
    RUNS_IN_ZONE("Europe/Budapest");
    QTest::addColumn<QString>("newMoon");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text12");
    QTest::addColumn<QString>("hours");
    QTest::newRow("clocks back") << "2025.10.21 14:25" << QDateTime(QDate(2025, 10, 27), QTime(19, 0))
                                 << "2025. 10. 27. 19:00:00" << "149 óra 35 perc";
    // The clock knows which pass of the repeated hour it is in.
    const QDateTime firstPass = QDateTime::fromSecsSinceEpoch(
        QDateTime(QDate(2025, 10, 26), QTime(0, 30), Qt::UTC).toSecsSinceEpoch());
    const QDateTime secondPass = firstPass.addSecs(3600);
    QTest::newRow("repeated hour, first pass") << "2025.10.26 01:30" << firstPass
                                               << "2025. 10. 26. 2:30:00" << "1 óra 0 perc";
    QTest::newRow("repeated hour, second pass") << "2025.10.26 01:30" << secondPass
                                                << "2025. 10. 26. 2:30:00" << "2 óra 0 perc";
}

void MainWindowSummerTimeTest::budapestNow()
{
    QFETCH(QString, newMoon);
    QFETCH(QDateTime, now);
    QFETCH(QString, text12);
    QFETCH(QString, hours);
    DataFolder data;
    TestClock clock;
    clock.now = now;
    MessageLog caught;
    auto a = windowAfter(data, caught, newMoon, "Command2", &clock);
    QVERIFY(caught.messages.isEmpty());
    QCOMPARE(box(*a, "Text12")->text(), text12);
    QCOMPARE(a->surface()->texts().value(2), QStringLiteral("Holdsarló kora:             ") + hours);
    QVERIFY(data.read(kLog).contains("Holdsarl\xf3 kora:      " + hours.toLatin1() + "\r\n"));
}

void MainWindowSummerTimeTest::utcNow()
{
    RUNS_IN_ZONE("UTC");
    DataFolder data;
    TestClock clock;
    clock.now = QDateTime(QDate(2025, 10, 27), QTime(19, 0));
    auto a = windowAfter(data, QStringLiteral("2025.10.21 14:25"), "Command2", &clock);
    QCOMPARE(a->surface()->texts().value(2), QStringLiteral("Holdsarló kora:             148 óra 35 perc"));
}

QTEST_MAIN(MainWindowSummerTimeTest)
#include "tst_mainwindowsummertime.moc"
