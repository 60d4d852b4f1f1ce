// Reading date-time texts typed by the user, read back from the record files
// or cut by the input boxes.
#include "datetime.h"
#include "datetimeparser.h"
#include "texts.h"

#include <QTest>

using namespace tavik;

namespace {

RegionalSettings settingsFor(const QString& name)
{
    if (name == u"en")
        return RegionalSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    if (name == u"de")
        return RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    return RegionalSettings::hungarian();
}

double at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return toDateTimeValue({y, mo, d, h, mi, s});
}

}  // namespace

class TestParse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accepts_data();
    void accepts();
    void rejects_data();
    void rejects();
    void timeAlone_data();
    void timeAlone();
    void boxCutsReadBack_data();
    void boxCutsReadBack();
};

void TestParse::accepts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const double t1257 = at(2024, 1, 11, 12, 57);
    QTest::newRow("hu list entry") << "hu" << "2024.01.11 12:57" << t1257;
    QTest::newRow("hu formatter") << "hu" << "2024. 01. 11. 12:57:00" << t1257;
    QTest::newRow("hu single digits") << "hu" << "2024. 1. 11." << at(2024, 1, 11);
    QTest::newRow("hu dashes and seconds") << "hu" << "2024-01-11 12:57:30"
                                           << at(2024, 1, 11, 12, 57, 30);
    QTest::newRow("hu slashes") << "hu" << "2024/01/11 12:57" << t1257;
    QTest::newRow("hu blanks") << "hu" << "2024 01 11 12:57" << t1257;
    QTest::newRow("hu no final dot") << "hu" << "2024. 01. 11 12:57" << t1257;
    QTest::newRow("hu one-digit hour") << "hu" << "2024.01.11 2:57" << at(2024, 1, 11, 2, 57);
    QTest::newRow("hu CR") << "hu" << "2024.01.11 2:57\r" << at(2024, 1, 11, 2, 57);
    QTest::newRow("hu CR LF") << "hu" << "2024.01.11 12:57\r\n" << t1257;
    QTest::newRow("hu blanks and tabs") << "hu" << " \t2024.01.11 12:57 \t" << t1257;
    QTest::newRow("hu designator") << "hu" << "2024.01.11 du. 1:05" << at(2024, 1, 11, 13, 5);
    QTest::newRow("hu AM/PM") << "hu" << "2024.01.11 1:05 PM" << at(2024, 1, 11, 13, 5);
    QTest::newRow("hu two-digit year 29") << "hu" << "29.01.11" << at(2029, 1, 11);
    QTest::newRow("hu two-digit year 30") << "hu" << "30.01.11" << at(1930, 1, 11);
    QTest::newRow("hu leap day") << "hu" << "2024. 02. 29." << at(2024, 2, 29);
    QTest::newRow("hu year 100") << "hu" << "100.01.01" << at(100, 1, 1);
    QTest::newRow("hu year 9999") << "hu" << "9999.12.31 23:59:59" << at(9999, 12, 31, 23, 59, 59);
    QTest::newRow("hu ISO") << "hu" << "2024-01-11T12:57:30" << at(2024, 1, 11, 12, 57, 30);
    QTest::newRow("en ISO") << "en" << "2024-01-11T12:57" << t1257;
    QTest::newRow("de ISO") << "de" << "2024-01-11T12:57:00" << t1257;
    QTest::newRow("hu time alone") << "hu" << "12:57" << 12 / 24.0 + 57 / 1440.0;
    QTest::newRow("hu time with seconds") << "hu" << "6:00:00" << 0.25;
    QTest::newRow("hu date alone") << "hu" << "2024.01.11" << at(2024, 1, 11);
    QTest::newRow("en formatter") << "en" << "1/11/2024 12:57:00 PM" << t1257;
    QTest::newRow("en 24-hour") << "en" << "1/11/2024 13:05" << at(2024, 1, 11, 13, 5);
    QTest::newRow("en midnight 12 AM") << "en" << "1/11/2024 12:00 AM" << at(2024, 1, 11);
    QTest::newRow("en lower-case pm") << "en" << "1/11/2024 1:05pm" << at(2024, 1, 11, 13, 5);
    QTest::newRow("en time alone") << "en" << "6:00 PM" << 0.75;
    QTest::newRow("en two-digit year") << "en" << "1/11/24" << at(2024, 1, 11);
    QTest::newRow("en year first") << "en" << "2024/01/11" << at(2024, 1, 11);
    QTest::newRow("de formatter") << "de" << "11.01.2024 12:57:00" << t1257;
    QTest::newRow("de dashes") << "de" << "11-1-2024" << at(2024, 1, 11);
    QTest::newRow("de year first") << "de" << "2024.01.11 12:57" << t1257;
}

void TestParse::accepts()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<DateTimeValue> v = parseDateTime(text, settingsFor(locale));
    QVERIFY2(v.has_value(), qPrintable(text));
    QCOMPARE(*v, value);
}

void TestParse::rejects_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "hu" << "";
    QTest::newRow("blanks and line ends") << "hu" << " \r\n";
    QTest::newRow("words") << "hu" << "tegnap";
    QTest::newRow("no leap day") << "hu" << "2023. 02. 29.";
    QTest::newRow("April 31") << "hu" << "2024.04.31";
    QTest::newRow("month 13") << "hu" << "2024.13.01";
    QTest::newRow("day 0") << "hu" << "2024.01.00";
    QTest::newRow("hour 24") << "hu" << "2024.01.11 24:00";
    QTest::newRow("minute 60") << "hu" << "2024.01.11 12:60";
    QTest::newRow("second 60") << "hu" << "2024.01.11 12:59:60";
    QTest::newRow("year 99") << "hu" << "0099.01.01";
    QTest::newRow("year 10000") << "hu" << "10000.01.01";
    QTest::newRow("leftover letter") << "hu" << "2024.01.11 12:57x";
    QTest::newRow("leftover number") << "hu" << "2024.01.11 12:57 5";
    QTest::newRow("fraction of a second") << "hu" << "2024.01.11 12:57:00.5";
    QTest::newRow("two parts") << "hu" << "2024.01";
    QTest::newRow("four parts") << "hu" << "2024.01.11.12";
    QTest::newRow("two separators") << "hu" << "2024..01.11";
    QTest::newRow("one-digit minutes") << "hu" << "12:5";
    QTest::newRow("hour without minutes") << "hu" << "2024.01.11 12";
    QTest::newRow("thirteen PM") << "en" << "1/11/2024 13:05 PM";
    QTest::newRow("zero AM") << "en" << "0:05 AM";
    QTest::newRow("two designators") << "en" << "AM 1:05 PM";
    QTest::newRow("T outside ISO") << "hu" << "2024.01.11T12:57";
    QTest::newRow("line end inside") << "hu" << "2024.01.11\r\n12:57";
    QTest::newRow("minus sign") << "hu" << "-2024.01.11";
    QTest::newRow("long number") << "hu" << "20240111";
    QTest::newRow("one-digit year") << "de" << "11.01.4";
    QTest::newRow("Feb 30 US") << "en" << "2/30/2024";
}

void TestParse::rejects()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QVERIFY2(!parseDateTime(text, settingsFor(locale)).has_value(), qPrintable(text));
}

// What the program itself puts into the boxes must read back: list entries and
// saved new-moon times of 16 characters (or 15 and the CR that the box keeps),
// and the observation time that "Most!" and the saved-observation file bring in,
// cut to 22 characters. A cut that leaves an hour without its minutes
// ("2024. 01. 11. 12", the formatter's text cut to 16) is not a time: it fails,
// and the user gets the invalid-date message instead of a wrong hour.
// A time typed alone lands on the marker date; a date typed as 1899.12.30 is a date.
void TestParse::timeAlone_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alone");
    QTest::newRow("time") << "hu" << "21:05" << true;
    QTest::newRow("time with seconds, blanks") << "hu" << "  21:05:30 " << true;
    QTest::newRow("the marker date typed") << "hu" << "1899.12.30 21:05" << false;
    QTest::newRow("a date") << "hu" << "2025.05.27" << false;
    QTest::newRow("a bad time") << "hu" << "25:61" << false;
    QTest::newRow("afternoon designator") << "en" << "9:05 PM" << true;
}

void TestParse::timeAlone()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, alone);
    const RegionalSettings rs = settingsFor(locale);
    QCOMPARE(isTimeAlone(text, rs), alone);
    const std::optional<CivilDateTime> c = parseCivilDateTime(text, rs);
    if (alone)
        QCOMPARE(QDate(c->year, c->month, c->day), QDate(kTimeOnlyDate.year, kTimeOnlyDate.month, kTimeOnlyDate.day));
}

void TestParse::boxCutsReadBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("reads");
    QTest::newRow("16 of 16") << "hu" << "2024.01.11 12:57" << 16 << true;
    QTest::newRow("15 and CR") << "hu" << "2024.01.11 2:57" << 16 << true;
    QTest::newRow("14 and CR LF") << "hu" << "2024.1.11 2:57" << 16 << true;
    QTest::newRow("formatter cut to 16") << "hu" << "2024. 01. 11. 12:57:00" << 16 << false;
    QTest::newRow("hu formatter in 22") << "hu" << "2024. 01. 11. 12:57:00" << 22 << true;
    QTest::newRow("hu 21 and CR") << "hu" << "2024. 01. 11. 2:57:00" << 22 << true;
    QTest::newRow("en formatter in 22") << "en" << "12/31/2024 12:57:00 PM" << 22 << true;
    QTest::newRow("en 21 and CR") << "en" << "1/11/2024 12:57:00 PM" << 22 << true;
    QTest::newRow("de formatter in 22") << "de" << "11.01.2024 12:57:00" << 22 << true;
    QTest::newRow("en cut in the seconds") << "en" << "1/11/2024 1:57:00 PM" << 16 << false;
}

void TestParse::boxCutsReadBack()
{
    QFETCH(QString, locale);
    QFETCH(QString, saved);
    QFETCH(int, limit);
    QFETCH(bool, reads);
    const RegionalSettings rs = settingsFor(locale);
    // The file holds the text and CR LF; the box keeps its first `limit` characters.
    const QString box = (saved + QStringLiteral("\r\n")).left(limit);
    const std::optional<DateTimeValue> v = parseDateTime(box, rs);
    QCOMPARE(v.has_value(), reads);
    if (reads && saved.size() <= limit)
        QCOMPARE(*v, *parseDateTime(saved, rs));
}

QTEST_GUILESS_MAIN(TestParse)
#include "tst_parse.moc"
