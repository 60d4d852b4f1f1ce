// Whole numbers, the fixed formats, rounding to 32 bits and the number reader.
#include "texts.h"

#include <QTest>
#include <limits>

using namespace tavik;

namespace {

const RegionalSettings& hungarian()
{
    static const RegionalSettings rs = RegionalSettings::hungarian();
    return rs;
}

const RegionalSettings& english()
{
    static const RegionalSettings rs =
        RegionalSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    return rs;
}

}  // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatWhole_data();
    void formatWhole();
    void formatFixed_data();
    void formatFixed();
    void formatFixedUsesTheRegionalSeparator();
    void roundToInt32_data();
    void roundToInt32();
    void parseRegionalNumber_data();
    void parseRegionalNumber();
    void visibleCharacters_data();
    void visibleCharacters();
};

void TestNumbers::formatWhole_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("positive") << qint64(1234567) << "1234567";
    QTest::newRow("negative") << qint64(-42) << "-42";
}

void TestNumbers::formatWhole()
{
    QFETCH(qint64, n);
    QFETCH(QString, text);
    QCOMPARE(tavik::formatWhole(n), text);
}

void TestNumbers::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << 2 << "0,00";
    QTest::newRow("zero, one decimal") << 0.0 << 1 << "0,0";
    QTest::newRow("three hours") << 0.125 << 2 << "0,13";
    QTest::newRow("27 hours") << 27 / 24.0 << 2 << "1,13";
    QTest::newRow("2.75 days") << 2.75 << 2 << "2,75";
    QTest::newRow("9.05 to one decimal") << 9.05 << 1 << "9,1";
    QTest::newRow("stored below the half") << 1.005 << 2 << "1,01";
    QTest::newRow("0.045") << 0.045 << 2 << "0,05";
    QTest::newRow("just below a half") << 0.12499 << 2 << "0,12";
    QTest::newRow("hundred") << 100.0 << 2 << "100,00";
    QTest::newRow("large, no grouping") << 1234567.891 << 2 << "1234567,89";
    QTest::newRow("negative half") << -0.125 << 2 << "-0,13";
    QTest::newRow("tiny negative") << -0.001 << 2 << "0,00";
    QTest::newRow("negative zero") << -0.0 << 1 << "0,0";
    QTest::newRow("carry into the integer") << 0.999 << 2 << "1,00";
    QTest::newRow("one decimal half") << 0.25 << 1 << "0,3";
}

void TestNumbers::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(tavik::formatFixed(value, decimals, hungarian()), text);
}

void TestNumbers::formatFixedUsesTheRegionalSeparator()
{
    QCOMPARE(tavik::formatFixed(2.75, 2, english()), QStringLiteral("2.75"));
    QCOMPARE(tavik::formatFixed(9.05, 1, english()), QStringLiteral("9.1"));
}

void TestNumbers::roundToInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5 to even") << 2.5 << true << 2;
    QTest::newRow("3.5 to even") << 3.5 << true << 4;
    QTest::newRow("-2.5 to even") << -2.5 << true << -2;
    QTest::newRow("-1.2") << -1.2 << true << -1;
    QTest::newRow("-0.4") << -0.4 << true << 0;
    QTest::newRow("29.6") << 29.6 << true << 30;
    QTest::newRow("0.5") << 0.5 << true << 0;
    QTest::newRow("1.5") << 1.5 << true << 2;
    QTest::newRow("largest") << 2147483647.4 << true << 2147483647;
    QTest::newRow("smallest") << -2147483648.0 << true << std::numeric_limits<int>::min();
    QTest::newRow("just too large") << 2147483647.5 << false << 0;
    QTest::newRow("too small") << -2147483649.0 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestNumbers::roundToInt32()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, rounded);
    const std::optional<std::int32_t> r = tavik::roundToInt32(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(*r, rounded);
}

void TestNumbers::parseRegionalNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<double>("value");
    QTest::newRow("hu comma") << "hu" << "12,5" << true << 12.5;
    QTest::newRow("hu whole") << "hu" << "3200" << true << 3200.0;
    QTest::newRow("hu negative") << "hu" << "-7,25" << true << -7.25;
    QTest::newRow("hu plus") << "hu" << "+7,25" << true << 7.25;
    QTest::newRow("hu blanks around") << "hu" << "  45 " << true << 45.0;
    QTest::newRow("hu group") << "hu" << QString::fromUtf8("1\u00a0234,5") << true << 1234.5;
    QTest::newRow("en dot") << "en" << "12.5" << true << 12.5;
    QTest::newRow("en group") << "en" << "1,234.5" << true << 1234.5;
    QTest::newRow("empty") << "hu" << "" << false << 0.0;
    QTest::newRow("blank") << "hu" << "   " << false << 0.0;
    QTest::newRow("word") << "hu" << "tizenkettő" << false << 0.0;
    QTest::newRow("number and word") << "hu" << "12 fok" << false << 0.0;
    QTest::newRow("out of range") << "hu" << "1e400" << false << 0.0;
    QTest::newRow("infinity") << "en" << "inf" << false << 0.0;
    QTest::newRow("not a number") << "en" << "nan" << false << 0.0;
}

void TestNumbers::parseRegionalNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(double, value);
    const std::optional<double> v =
        tavik::parseRegionalNumber(text, locale == u"en" ? english() : hungarian());
    QCOMPARE(v.has_value(), reads);
    if (reads)
        QCOMPARE(*v, value);
}

void TestNumbers::visibleCharacters_data()
{
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters") << QStringLiteral("Жא") << QStringLiteral("Жא");
    QTest::newRow("ideographic space") << QStringLiteral("\u3000") << QStringLiteral("U+3000");
    QTest::newRow("between letters") << QStringLiteral("Ж\u3000Д") << QStringLiteral("Ж U+3000 Д");
    QTest::newRow("two codes") << QStringLiteral("\u2003\u200B") << QStringLiteral("U+2003 U+200B");
    QTest::newRow("control character") << QStringLiteral("\u0085") << QStringLiteral("U+0085");
    QTest::newRow("combining mark") << QStringLiteral("\u0303") << QStringLiteral("U+0303");
    QTest::newRow("beyond 16 bits") << QString::fromUcs4(U"\U0001F315\U000E0001")
                                    << QString::fromUcs4(U"\U0001F315") + QStringLiteral(" U+E0001");
    QTest::newRow("nothing") << QString() << QString();
}

void TestNumbers::visibleCharacters()
{
    QFETCH(QString, characters);
    QFETCH(QString, shown);
    QCOMPARE(tavik::visibleCharacters(characters), shown);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
