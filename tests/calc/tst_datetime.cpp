// Date-time values, their calendar fields and their text forms.
#include "datetime.h"
#include "texts.h"

#include <QTest>

using namespace tavik;

class TestDateTime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void epochAndKnownDays_data();
    void epochAndKnownDays();
    void valuesBeforeTheEpochCountLinearly();
    void civilRoundsToTheNearestSecond();
    void zeroDateAndMidnight_data();
    void zeroDateAndMidnight();
    void formatsInThreeLocales_data();
    void formatsInThreeLocales();
    void roundTripEveryDay_data();
    void roundTripEveryDay();
    void regionalSettingsFromLocale();
};

void TestDateTime::epochAndKnownDays_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("value");
    QTest::newRow("epoch") << 1899 << 12 << 30 << 0.0;
    QTest::newRow("day one") << 1899 << 12 << 31 << 1.0;
    QTest::newRow("1900-03-01") << 1900 << 3 << 1 << 61.0;
    QTest::newRow("2000-01-01") << 2000 << 1 << 1 << 36526.0;
    QTest::newRow("2024-01-11") << 2024 << 1 << 11 << 45302.0;
    QTest::newRow("year 100") << 100 << 1 << 1 << -657434.0;
    QTest::newRow("9999-12-31") << 9999 << 12 << 31 << 2958465.0;
}

void TestDateTime::epochAndKnownDays()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, value);
    const CivilDateTime c{year, month, day, 0, 0, 0};
    QVERIFY(isValidCivil(c));
    QCOMPARE(toDateTimeValue(c), value);
    QCOMPARE(toCivil(value), c);
}

void TestDateTime::valuesBeforeTheEpochCountLinearly()
{
    // -0.25 is six in the evening of the day before the epoch, and differences
    // across the epoch are plain subtractions.
    const CivilDateTime evening{1899, 12, 29, 18, 0, 0};
    QCOMPARE(toDateTimeValue(evening), -0.25);
    QCOMPARE(toCivil(-0.25), evening);
    const DateTimeValue morning = toDateTimeValue({1899, 12, 30, 6, 0, 0});
    QCOMPARE(morning - toDateTimeValue(evening), 0.5);
    QCOMPARE(toEpochSeconds(-0.25), -21600);
}

void TestDateTime::civilRoundsToTheNearestSecond()
{
    const DateTimeValue v = toDateTimeValue({2024, 1, 11, 12, 57, 59});
    QCOMPARE(toCivil(v + 0.4 / 86400), (CivilDateTime{2024, 1, 11, 12, 57, 59}));
    QCOMPARE(toCivil(v + 0.6 / 86400), (CivilDateTime{2024, 1, 11, 12, 58, 0}));
    QCOMPARE(toCivil(toDateTimeValue({2024, 1, 11, 23, 59, 59}) + 0.7 / 86400),
             (CivilDateTime{2024, 1, 12, 0, 0, 0}));
    QCOMPARE(fromEpochSeconds(toEpochSeconds(v)), v);
}

void TestDateTime::zeroDateAndMidnight_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("zeroDate");
    QTest::addColumn<bool>("midnight");
    QTest::newRow("epoch") << 0.0 << true << true;
    QTest::newRow("noon of the zero date") << 0.5 << true << false;
    QTest::newRow("a date at midnight") << 45302.0 << false << true;
    QTest::newRow("a date and a time") << 45302.5 << false << false;
    QTest::newRow("a whisker before midnight") << 45302.0 - 0.1 / 86400 << false << true;
    QTest::newRow("the day before the epoch") << -0.25 << false << false;
}

void TestDateTime::zeroDateAndMidnight()
{
    QFETCH(double, value);
    QFETCH(bool, zeroDate);
    QFETCH(bool, midnight);
    QCOMPARE(hasZeroDate(value), zeroDate);
    QCOMPARE(isMidnight(value), midnight);
}

namespace {

RegionalSettings settingsFor(const QString& name)
{
    if (name == u"hu")
        return RegionalSettings::fromLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
    if (name == u"en")
        return RegionalSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    return RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany));
}

}  // namespace

void TestDateTime::formatsInThreeLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const double noonish = toDateTimeValue({2024, 1, 11, 12, 57, 0});
    const double morning = toDateTimeValue({2024, 1, 11, 9, 5, 7});
    QTest::newRow("hu date and time") << "hu" << noonish << "2024. 01. 11. 12:57:00";
    QTest::newRow("hu morning") << "hu" << morning << "2024. 01. 11. 9:05:07";
    QTest::newRow("hu midnight") << "hu" << 45302.0 << "2024. 01. 11.";
    QTest::newRow("hu zero date") << "hu" << 0.5 << "12:00:00";
    QTest::newRow("hu epoch") << "hu" << 0.0 << "0:00:00";
    QTest::newRow("en date and time") << "en" << noonish << "1/11/2024 12:57:00 PM";
    QTest::newRow("en morning") << "en" << morning << "1/11/2024 9:05:07 AM";
    QTest::newRow("en midnight") << "en" << 45302.0 << "1/11/2024";
    QTest::newRow("en zero date") << "en" << 0.75 << "6:00:00 PM";
    QTest::newRow("en epoch") << "en" << 0.0 << "12:00:00 AM";
    QTest::newRow("de date and time") << "de" << noonish << "11.01.2024 12:57:00";
    QTest::newRow("de morning") << "de" << morning << "11.01.2024 09:05:07";
    QTest::newRow("de midnight") << "de" << 45302.0 << "11.01.2024";
    QTest::newRow("de before the epoch") << "de" << -0.25 << "29.12.1899 18:00:00";
}

void TestDateTime::formatsInThreeLocales()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatDateTime(value, settingsFor(locale)), text);
}

void TestDateTime::roundTripEveryDay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("Hungarian") << "hu";
    QTest::newRow("US English") << "en";
    QTest::newRow("German") << "de";
}

void TestDateTime::roundTripEveryDay()
{
    QFETCH(QString, locale);
    const RegionalSettings rs = settingsFor(locale);
    const double first = toDateTimeValue({1900, 1, 1, 0, 0, 0});
    const double last = toDateTimeValue({2100, 12, 31, 0, 0, 0});
    // Each day at midnight (the date alone) and at a time that changes with the day.
    for (double day = first; day <= last; day += 1) {
        const auto daySeconds = static_cast<std::int64_t>(day - first) * 7919 % 86400;
        const double timed = fromEpochSeconds(toEpochSeconds(day) + daySeconds);
        for (const double v : {day, timed}) {
            const QString text = formatDateTime(v, rs);
            const std::optional<DateTimeValue> back = parseDateTime(text, rs);
            if (!back || *back != v)
                QFAIL(qPrintable(QStringLiteral("%1 does not read back").arg(text)));
        }
    }
}

void TestDateTime::regionalSettingsFromLocale()
{
    const RegionalSettings c = RegionalSettings::fromLocale(QLocale::c());
    QCOMPARE(c.shortDatePattern(), QStringLiteral("yyyy. MM. dd."));
    QCOMPARE(c.locale().language(), QLocale::Hungarian);
    QCOMPARE(c.decimalSeparator(), QChar(u','));
    const RegionalSettings posix = RegionalSettings::fromLocale(QLocale(QStringLiteral("POSIX")));
    QCOMPARE(posix.locale().language(), QLocale::Hungarian);
    const RegionalSettings en = settingsFor(QStringLiteral("en"));
    QCOMPARE(en.shortDatePattern(), QStringLiteral("M/d/yyyy"));
    QCOMPARE(en.longTimePattern(), QStringLiteral("h:mm:ss AP"));
    QCOMPARE(en.dateOrder(), RegionalSettings::DateOrder::MonthDayYear);
    QCOMPARE(en.decimalSeparator(), QChar(u'.'));
    QCOMPARE(en.amText(), QStringLiteral("AM"));
    const RegionalSettings de = settingsFor(QStringLiteral("de"));
    QCOMPARE(de.shortDatePattern(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(de.dateOrder(), RegionalSettings::DateOrder::DayMonthYear);
    QCOMPARE(RegionalSettings::hungarian().amText(), QStringLiteral("de."));
    QCOMPARE(RegionalSettings::hungarian().dateOrder(),
             RegionalSettings::DateOrder::YearMonthDay);
}

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
