// Degrees and mils, with the decimal factor 16.66667 and the "0.00" text the
// converter window shows.
#include "angles.h"
#include "texts.h"

#include <QTest>
#include <limits>

using namespace tavik;

class TestAngles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conversion_data();
    void conversion();
    void theFactorIsTheDecimal();
    void hugeAnglesOverflow();
    void parseCoordinate_data();
    void parseCoordinate();
};

void TestAngles::conversion_data()
{
    QTest::addColumn<bool>("toMils");
    QTest::addColumn<double>("input");
    QTest::addColumn<QString>("shown");
    QTest::newRow("360 degrees") << true << 360.0 << "6000,00";
    QTest::newRow("6000 mils") << false << 6000.0 << "360,00";
    QTest::newRow("1 degree") << true << 1.0 << "16,67";
    QTest::newRow("1 mil") << false << 1.0 << "0,06";
    QTest::newRow("2000 degrees") << true << 2000.0 << "33333,34";
    QTest::newRow("-90 degrees") << true << -90.0 << "-1500,00";
    QTest::newRow("9000 mils") << false << 9000.0 << "540,00";
    QTest::newRow("2.5 degrees") << true << 2.5 << "41,67";
}

void TestAngles::conversion()
{
    QFETCH(bool, toMils);
    QFETCH(double, input);
    QFETCH(QString, shown);
    const double result = toMils ? degreesToMils(input) : milsToDegrees(input);
    QCOMPARE(formatFixed(result, 2, RegionalSettings::hungarian()), shown);
}

void TestAngles::theFactorIsTheDecimal()
{
    static_assert(degreesToMils(1) == 16.66667);
    QVERIFY(degreesToMils(2000) != 2000 * 6000.0 / 360);
    QCOMPARE(milsToDegrees(degreesToMils(123.0)), 123.0);
}

void TestAngles::hugeAnglesOverflow()
{
    // The window refuses these like a text that is not a number.
    QVERIFY(!std::isfinite(degreesToMils(std::numeric_limits<double>::max())));
    QVERIFY(std::isfinite(milsToDegrees(std::numeric_limits<double>::max())));
}

void TestAngles::parseCoordinate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("latitude");
    QTest::addColumn<double>("degrees");   // NaN: refused
    const double no = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("decimal point, minus") << " -19.0402 " << false << -19.0402;
    QTest::newRow("typographic marks, spaced") << "46° 15′ 11,5″" << true << 46 + 15 / 60.0 + 11.5 / 3600.0;
    QTest::newRow("two apostrophes") << "18°54'46''" << false << 18 + 54 / 60.0 + 46 / 3600.0;
    QTest::newRow("decimal minutes") << "47°55,2'" << true << 47.92;
    QTest::newRow("minus with minutes") << "−0 30" << false << -0.5;
    QTest::newRow("north, after") << "46°15' É" << true << 46.25;
    QTest::newRow("south, before") << "D 33,5" << true << -33.5;
    QTest::newRow("west, Hungarian") << "70 15 Ny" << false << -70.25;
    QTest::newRow("a longitude letter for a latitude") << "46 K" << true << no;
    QTest::newRow("sign and letter") << "-46 É" << true << no;
    QTest::newRow("60 minutes") << "46 60" << true << no;
    QTest::newRow("60 seconds") << "46 15 60" << true << no;
    QTest::newRow("fraction before the end") << "46,5 15" << true << no;
    QTest::newRow("marks out of order") << "46'15°" << true << no;
    QTest::newRow("seconds mark on minutes") << "46° 15\"" << true << no;
    QTest::newRow("two separators") << "1.234,5" << true << no;
    QTest::newRow("empty") << "" << true << no;
    QTest::newRow("nan") << "nan" << true << no;
}

void TestAngles::parseCoordinate()
{
    QFETCH(QString, text);
    QFETCH(bool, latitude);
    QFETCH(double, degrees);
    const std::optional<double> got = tavik::parseCoordinate(text, latitude ? Axis::Latitude : Axis::Longitude);
    QCOMPARE(got.has_value(), !std::isnan(degrees));
    if (got)
        QVERIFY2(std::fabs(*got - degrees) < 1e-12, qPrintable(QString::number(*got, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestAngles)
#include "tst_angles.moc"
