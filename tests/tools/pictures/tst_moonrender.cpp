#include "lunarfeatures.h"
#include "moonrender.h"
#include "syntheticmap.h"

#include <QTest>
#include <cmath>
#include <numbers>

using namespace tavik::pictures;
using namespace tavik::pictures::testing;

namespace {

constexpr int kSize = 300;
constexpr double kRadius = 140;

DiscGeometry testDisc()
{
    return {QPointF(kSize / 2.0, kSize / 2.0), kRadius};
}

QImage renderAt(const LunarSurface& surface, double elongation, double earthshine = 0, bool even = false)
{
    MoonLighting lighting;
    lighting.elongationDeg = elongation;
    lighting.earthshine = earthshine;
    lighting.even = even;
    return renderMoon(surface, lighting, QSize(kSize, kSize), testDisc(), 2);
}

const LunarFeature& feature(const QString& name)
{
    for (const LunarFeature& f : lunarFeatures())
        if (QString::fromUtf16(f.name) == name)
            return f;
    qFatal("no feature %s", qPrintable(name));
}

} // namespace

class TestMoonRender : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void litShareFollowsThePhase_data();
    void litShareFollowsThePhase();
    void sunlitSideFollowsWaxingAndWaning_data();
    void sunlitSideFollowsWaxingAndWaning();
    void newMoonIsADarkDiscInEarthshine();
    void evenLightShowsTheAlbedoAlone();
    void spotOnTheMapLandsAtItsProjection_data();
    void spotOnTheMapLandsAtItsProjection();
    void farSideHasNoProjection();
    void normalMapRedPointsEastGreenSouth();
    void slopesFacingTheSunAreBrighter();
    void ageGivesElongation_data();
    void ageGivesElongation();
    void terminatorLongitude_data();
    void terminatorLongitude();
};

void TestMoonRender::litShareFollowsThePhase_data()
{
    QTest::addColumn<double>("elongation");
    for (double theta : {0.0, 15.0, 30.0, 45.0, 60.0, 90.0, 120.0, 150.0, 180.0, 210.0, 240.0, 270.0,
                         300.0, 330.0, 345.0})
        QTest::addRow("%g deg", theta) << theta;
}

void TestMoonRender::litShareFollowsThePhase()
{
    QFETCH(double, elongation);
    const QImage image = renderAt(syntheticSurface(), elongation);
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += qGray(image.pixel(x, y)) > 3 ? 1 : 0;
    const double share = lit / (std::numbers::pi * kRadius * kRadius);
    const double expected = (1.0 - std::cos(elongation * std::numbers::pi / 180.0)) / 2.0;
    QVERIFY2(std::abs(share - expected) <= 0.02,
             qPrintable(QStringLiteral("lit %1, expected %2").arg(share).arg(expected)));
}

void TestMoonRender::sunlitSideFollowsWaxingAndWaning_data()
{
    QTest::addColumn<double>("age");
    QTest::addColumn<bool>("rightSideLit");
    for (double age : {2.0, 4.0, 7.0, 11.0})
        QTest::addRow("waxing, day %g", age) << age << true;
    for (double age : {18.0, 22.0, 25.0, 28.0})
        QTest::addRow("waning, day %g", age) << age << false;
}

void TestMoonRender::sunlitSideFollowsWaxingAndWaning()
{
    QFETCH(double, age);
    QFETCH(bool, rightSideLit);
    const QImage image = renderAt(syntheticSurface(), elongationForAge(age));
    qint64 left = 0;
    qint64 right = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            (x < kSize / 2 ? left : right) += qGray(image.pixel(x, y));
    QCOMPARE(right > left, rightSideLit);
    // The limb on the sunlit side is bright, the other one dark.
    const int rightLimb = qGray(image.pixel(kSize / 2 + int(kRadius) - 3, kSize / 2));
    const int leftLimb = qGray(image.pixel(kSize / 2 - int(kRadius) + 3, kSize / 2));
    QCOMPARE(rightLimb > 60, rightSideLit);
    QCOMPARE(leftLimb > 60, !rightSideLit);
    QVERIFY(std::min(leftLimb, rightLimb) == 0);
}

void TestMoonRender::newMoonIsADarkDiscInEarthshine()
{
    const QImage image = renderAt(syntheticSurface(), 0.0, 1.0);
    QCOMPARE(qGray(image.pixel(2, 2)), 0);
    const int centre = qGray(image.pixel(kSize / 2, kSize / 2));
    QVERIFY2(centre >= 8 && centre <= 45, qPrintable(QString::number(centre)));
    const int nearLimb = qGray(image.pixel(kSize / 2 + int(kRadius) - 4, kSize / 2));
    QVERIFY(nearLimb >= 8 && nearLimb <= 45);
}

void TestMoonRender::evenLightShowsTheAlbedoAlone()
{
    const QImage image = renderAt(syntheticSurface(), 90.0, 0, true);
    // The map's grey everywhere on the disc, limb included.
    QCOMPARE(qGray(image.pixel(kSize / 2, kSize / 2)), 170);
    QCOMPARE(qGray(image.pixel(kSize / 2 - int(kRadius) + 5, kSize / 2)), 170);
    QCOMPARE(qGray(image.pixel(kSize / 2, kSize / 2 + int(kRadius) - 5)), 170);
}

void TestMoonRender::spotOnTheMapLandsAtItsProjection_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Tycho", "Kopernikusz", "Platón", "Grimaldi", "Válságok tengere", "Langrenus"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestMoonRender::spotOnTheMapLandsAtItsProjection()
{
    QFETCH(QString, name);
    const LunarFeature& f = feature(name);
    const LunarSurface surface = syntheticSurface({{f.latitude, f.longitude}});
    const QImage image = renderAt(surface, 180.0, 0, true);
    double sx = 0;
    double sy = 0;
    double weight = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (std::hypot(x + 0.5 - kSize / 2.0, y + 0.5 - kSize / 2.0) > kRadius - 2)
                continue;
            const double dark = 170 - qGray(image.pixel(x, y));
            sx += dark * (x + 0.5);
            sy += dark * (y + 0.5);
            weight += dark;
        }
    QVERIFY(weight > 0);
    const auto expected = projectToImage(f.latitude, f.longitude, testDisc());
    QVERIFY(expected);
    QVERIFY2(std::hypot(sx / weight - expected->x(), sy / weight - expected->y()) <= 1.5,
             qPrintable(QStringLiteral("spot at %1,%2, projection %3,%4")
                            .arg(sx / weight).arg(sy / weight).arg(expected->x()).arg(expected->y())));
}

void TestMoonRender::farSideHasNoProjection()
{
    QVERIFY(!projectToImage(0, 120, testDisc()));
    QVERIFY(!projectToImage(10, -135, testDisc()));
    const auto centre = projectToImage(0, 0, testDisc());
    QVERIFY(centre);
    QCOMPARE(*centre, QPointF(kSize / 2.0, kSize / 2.0));
    // East is on the right, north at the top.
    QCOMPARE(*projectToImage(0, 90, testDisc()), QPointF(kSize / 2.0 + kRadius, kSize / 2.0));
    QCOMPARE(*projectToImage(90, 0, testDisc()), QPointF(kSize / 2.0, kSize / 2.0 - kRadius));
}

void TestMoonRender::normalMapRedPointsEastGreenSouth()
{
    QImage normals(8, 4, QImage::Format_RGB32);
    normals.fill(qRgb(200, 60, 200));
    const auto surface = LunarSurface::fromImages(syntheticMapImage(), normals);
    QVERIFY(surface && surface->hasRelief());
    const Vec3 n = surface->tangentNormal(10, 20);
    QVERIFY(n.x > 0.3);     // east
    QVERIFY(n.y > 0.3);     // north: low green tilts the slope north
    QVERIFY(n.z > 0.3);
    QVERIFY(std::abs(dot(n, n) - 1) < 1e-9);
}

void TestMoonRender::slopesFacingTheSunAreBrighter()
{
    // At first quarter the Sun stands in the east; slopes that face east
    // catch more of it than slopes that face west.
    QImage east(8, 4, QImage::Format_RGB32);
    east.fill(qRgb(200, 128, 230));
    QImage west(8, 4, QImage::Format_RGB32);
    west.fill(qRgb(56, 128, 230));
    const auto facingSun = LunarSurface::fromImages(syntheticMapImage(), east);
    const auto awayFromSun = LunarSurface::fromImages(syntheticMapImage(), west);
    MoonLighting lighting;
    lighting.elongationDeg = 90;
    lighting.earthshine = 0;
    const QSize size(kSize, kSize);
    const QImage bright = renderMoon(*facingSun, lighting, size, testDisc(), 1);
    const QImage dim = renderMoon(*awayFromSun, lighting, size, testDisc(), 1);
    // Just east of the terminator; the exposure evens out the brightest parts.
    const QPoint near(kSize / 2 + 8, kSize / 2);
    QVERIFY2(qGray(bright.pixel(near)) > qGray(dim.pixel(near)) + 20,
             qPrintable(QStringLiteral("%1 vs %2").arg(qGray(bright.pixel(near))).arg(qGray(dim.pixel(near)))));
}

void TestMoonRender::ageGivesElongation_data()
{
    QTest::addColumn<double>("age");
    QTest::addColumn<double>("elongation");
    QTest::newRow("new") << 0.0 << 0.0;
    QTest::newRow("first quarter") << 29.53 / 4 << 90.0;
    QTest::newRow("full") << 29.53 / 2 << 180.0;
    QTest::newRow("last quarter") << 29.53 * 3 / 4 << 270.0;
    QTest::newRow("next month") << 29.53 + 1 << 360.0 / 29.53;
}

void TestMoonRender::ageGivesElongation()
{
    QFETCH(double, age);
    QFETCH(double, elongation);
    QVERIFY(std::abs(elongationForAge(age) - elongation) < 1e-9);
}

void TestMoonRender::terminatorLongitude_data()
{
    QTest::addColumn<double>("elongation");
    QTest::addColumn<double>("longitude");
    QTest::newRow("young crescent, east limb") << 30.0 << 60.0;
    QTest::newRow("first quarter, central meridian") << 90.0 << 0.0;
    QTest::newRow("waxing gibbous, west") << 135.0 << -45.0;
    QTest::newRow("waning gibbous, east") << 225.0 << 45.0;
    QTest::newRow("last quarter") << 270.0 << 0.0;
}

void TestMoonRender::terminatorLongitude()
{
    QFETCH(double, elongation);
    QFETCH(double, longitude);
    QVERIFY(std::abs(tavik::pictures::terminatorLongitude(elongation) - longitude) < 1e-9);
}

QTEST_GUILESS_MAIN(TestMoonRender)
#include "tst_moonrender.moc"
