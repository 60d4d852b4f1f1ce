// Clock times of a zone and their offsets from UTC, across the changes of
// summer time in both hemispheres.
#include "clocktimes.h"
#include "localzone.h"
#include "siteconfig.h"

#include <QTest>
#include <limits>

using namespace tavik;

class TestLocalZone : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void offsets_data();
    void offsets();
    void noOffsetWithoutAZone_data();
    void noOffsetWithoutAZone();
    void sameOffsetAllYearBeforeSummerTime();
    void skippedAndRepeatedClockTimes_data();
    void skippedAndRepeatedClockTimes();
    void knownZones_data();
    void knownZones();
    void zoneOfASetting_data();
    void zoneOfASetting();
};

void TestLocalZone::offsets_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<double>("local");
    QTest::addColumn<int>("offset");
    const auto at = [](int y, int mo, int d, int h, int mi, int s = 0) {
        return toDateTimeValue({y, mo, d, h, mi, s});
    };
    const QByteArray bp("Europe/Budapest");
    QTest::newRow("winter") << bp << at(2025, 1, 15, 12, 0) << 3600;
    QTest::newRow("summer") << bp << at(2025, 7, 1, 12, 0) << 7200;
    QTest::newRow("before the spring gap") << bp << at(2025, 3, 30, 1, 59, 59) << 3600;
    QTest::newRow("in the spring gap") << bp << at(2025, 3, 30, 2, 30) << 3600;
    QTest::newRow("after the spring gap") << bp << at(2025, 3, 30, 3, 0) << 7200;
    QTest::newRow("before the repeated hour") << bp << at(2025, 10, 26, 1, 59, 59) << 7200;
    QTest::newRow("repeated hour, first pass") << bp << at(2025, 10, 26, 2, 0) << 7200;
    QTest::newRow("end of the repeated hour") << bp << at(2025, 10, 26, 2, 59, 59) << 7200;
    QTest::newRow("after the repeated hour") << bp << at(2025, 10, 26, 3, 0) << 3600;
    QTest::newRow("summer of 9999") << bp << at(9999, 7, 1, 12, 0) << 7200;
    QTest::newRow("the zero date") << bp << 0.25 << 3600;

    const QByteArray syd("Australia/Sydney");
    QTest::newRow("Sydney summer") << syd << at(2025, 1, 15, 12, 0) << 39600;
    QTest::newRow("Sydney winter") << syd << at(2025, 7, 1, 12, 0) << 36000;
    QTest::newRow("Sydney spring gap") << syd << at(2025, 10, 5, 2, 30) << 36000;
    QTest::newRow("Sydney after the gap") << syd << at(2025, 10, 5, 3, 0) << 39600;
    QTest::newRow("Sydney repeated hour") << syd << at(2025, 4, 6, 2, 30) << 39600;
    QTest::newRow("Sydney after it") << syd << at(2025, 4, 6, 3, 0) << 36000;

    QTest::newRow("UTC in summer") << QByteArray("UTC") << at(2025, 7, 1, 12, 0) << 0;
    QTest::newRow("UTC at the change") << QByteArray("UTC") << at(2025, 3, 30, 2, 30) << 0;
}

void TestLocalZone::offsets()
{
    QFETCH(QByteArray, zone);
    QFETCH(double, local);
    QFETCH(int, offset);
    const QTimeZone tz(zone);
    QVERIFY(tz.isValid());
    QCOMPARE(utcOffsetAt(local, tz), offset);
}

// A skipped clock time is that time moved on by the gap; a repeated one is its first pass.
void TestLocalZone::skippedAndRepeatedClockTimes_data()
{
    testing::addSkippedAndRepeatedClockTimes();
}

void TestLocalZone::skippedAndRepeatedClockTimes()
{
    QFETCH(QByteArray, zone);
    QFETCH(CivilDateTime, clock);
    QFETCH(QString, utc);
    const QDateTime at = clockTimeIn(clock, QTimeZone(zone));
    QCOMPARE(at.toUTC().toString(Qt::ISODate), utc);
    QCOMPARE(at.timeZone().id(), zone);
}

void TestLocalZone::noOffsetWithoutAZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<double>("local");
    const double summer = toDateTimeValue({2025, 7, 1, 12, 0, 0});
    QTest::newRow("invalid zone") << QByteArray() << summer;
    QTest::newRow("beyond the largest value") << QByteArray("Europe/Budapest") << 1.5 * kLargestDateValue;
    QTest::newRow("far before") << QByteArray("Europe/Budapest") << -1.5 * kLargestDateValue;
    QTest::newRow("infinity")
        << QByteArray("Europe/Budapest") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number")
        << QByteArray("Europe/Budapest") << std::numeric_limits<double>::quiet_NaN();
}

void TestLocalZone::noOffsetWithoutAZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(double, local);
    QCOMPARE(utcOffsetAt(local, zone.isEmpty() ? QTimeZone() : QTimeZone(zone)), 0);
}

void TestLocalZone::sameOffsetAllYearBeforeSummerTime()
{
    // Before the epoch and before summer time was ever kept, winter and summer
    // share their offset, so nothing shifts.
    const QTimeZone tz("Europe/Budapest");
    const int winter = utcOffsetAt(toDateTimeValue({1850, 1, 15, 12, 0, 0}), tz);
    QCOMPARE(utcOffsetAt(toDateTimeValue({1850, 7, 15, 12, 0, 0}), tz), winter);
    QCOMPARE(utcOffsetAt(toDateTimeValue({100, 7, 15, 12, 0, 0}), tz), winter);
}

void TestLocalZone::knownZones_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    for (const char* name : {"Europe/Budapest", "UTC", "Etc/UTC", "Europe/Kiev", "America/Argentina/Buenos_Aires"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char* name : {"Budapest", "garbage", "", "xyz+99", "europe/budapest", " Europe/Budapest",
                             "Europe/../Europe/Budapest", "/usr/share/zoneinfo/UTC", "zone.tab", "leapseconds"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestLocalZone::knownZones()
{
    QFETCH(QString, name);
    QFETCH(bool, known);
    QCOMPARE(isKnownZone(name), known);
}

// A site's empty setting is the computer's zone, an attempt's is none; any
// other name not in the zone database is no zone, for both.
void TestLocalZone::zoneOfASetting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("empty");
    QTest::addColumn<QByteArray>("zone");   // empty: no (invalid) zone
    const int site = int(EmptyZone::System), attempt = int(EmptyZone::None);
    QTest::newRow("empty, a site") << QString() << site << QTimeZone::systemTimeZoneId();
    QTest::newRow("empty, an attempt") << QString() << attempt << QByteArray();
    QTest::newRow("UTC, a site") << QStringLiteral("UTC") << site << QByteArray("UTC");
    QTest::newRow("UTC, an attempt") << QStringLiteral("UTC") << attempt << QByteArray("UTC");
    QTest::newRow("a link, an attempt") << QStringLiteral("Europe/Kiev") << attempt << QByteArray("Europe/Kiev");
    QTest::newRow("not a zone, a site") << QStringLiteral("Budapest") << site << QByteArray();
    QTest::newRow("not a zone, an attempt") << QStringLiteral("xyz+99") << attempt << QByteArray();
}

void TestLocalZone::zoneOfASetting()
{
    QFETCH(QString, name);
    QFETCH(int, empty);
    QFETCH(QByteArray, zone);
    const QTimeZone resolved = zoneNamed(name, EmptyZone(empty));
    QCOMPARE(resolved.isValid(), !zone.isEmpty());
    if (!zone.isEmpty())
        QCOMPARE(resolved.id(), zone);
    if (EmptyZone(empty) == EmptyZone::System) {
        ObservingSite s;
        s.timezone = name;
        QCOMPARE(s.zone().isValid(), resolved.isValid());
        if (resolved.isValid())
            QCOMPARE(s.zone().id(), resolved.id());
    }
}

QTEST_GUILESS_MAIN(TestLocalZone)
#include "tst_localzone.moc"
