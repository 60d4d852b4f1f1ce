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

QTEST_GUILESS_MAIN(TestAngles)
#include "tst_angles.moc"
