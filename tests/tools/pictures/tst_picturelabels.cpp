#include "labels.h"
#include "lunarfeatures.h"
#include "moonrender.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace tavik::pictures;

namespace {

constexpr int kSize = 400;

DiscGeometry testDisc()
{
    return {QPointF(kSize / 2.0, kSize / 2.0), 180.0};
}

LunarFeature feature(const QString& name)
{
    for (const LunarFeature& f : lunarFeatures())
        if (QString::fromUtf16(f.name) == name)
            return f;
    qFatal("no feature %s", qPrintable(name));
}

bool isMarkerColour(QRgb c)
{
    const QColor m = markerColour();
    return std::abs(qRed(c) - m.red()) < 40 && std::abs(qGreen(c) - m.green()) < 40
           && std::abs(qBlue(c) - m.blue()) < 40;
}

QImage blackPicture()
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

class TestPictureLabels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void markerLandsAtTheFeature_data();
    void markerLandsAtTheFeature();
    void nameIsWrittenBesideTheMarker();
    void farSideFeatureIsLeftOut();
    void crowdedNamesDoNotOverlap();
    void dayBandsHoldFeaturesNearTheTerminator_data();
    void dayBandsHoldFeaturesNearTheTerminator();
    void largeFeaturesShowTheirSunlitEdge();
    void featureTableIsOnTheNearSide();
};

void TestPictureLabels::markerLandsAtTheFeature_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Kopernikusz", "Tycho", "Nyugalom tengere", "Apenninek", "Grimaldi"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestPictureLabels::markerLandsAtTheFeature()
{
    QFETCH(QString, name);
    QImage image = blackPicture();
    const auto placed = drawLabels(image, {feature(name)}, testDisc(), {});
    QCOMPARE(placed.size(), std::size_t(1));
    const LunarFeature f = feature(name);
    const QPointF expected = *projectToImage(f.latitude, f.longitude, testDisc());
    QCOMPARE(placed.front().marker, expected);
    // The drawn marker ring is centred on the feature's place.
    double sx = 0;
    double sy = 0;
    int count = 0;
    for (int y = int(expected.y()) - 8; y <= int(expected.y()) + 8; ++y)
        for (int x = int(expected.x()) - 8; x <= int(expected.x()) + 8; ++x)
            if (isMarkerColour(image.pixel(x, y))) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++count;
            }
    QVERIFY(count > 4);
    QVERIFY2(std::hypot(sx / count - expected.x(), sy / count - expected.y()) <= 1.5,
             qPrintable(QStringLiteral("marker at %1,%2").arg(sx / count).arg(sy / count)));
}

void TestPictureLabels::nameIsWrittenBesideTheMarker()
{
    QImage image = blackPicture();
    const auto placed = drawLabels(image, {feature(QStringLiteral("Tycho"))}, testDisc(), {});
    QCOMPARE(placed.size(), std::size_t(1));
    QCOMPARE(placed.front().name, QStringLiteral("Tycho"));
    const QRectF text = placed.front().text;
    QVERIFY(QRectF(image.rect()).contains(text));
    QVERIFY(text.width() > 30);
    QVERIFY(!text.contains(placed.front().marker));
    int light = 0;
    for (int y = int(text.top()); y < int(text.bottom()); ++y)
        for (int x = int(text.left()); x < int(text.right()); ++x)
            light += qGray(image.pixel(x, y)) > 150 ? 1 : 0;
    QVERIFY2(light > 40, qPrintable(QString::number(light)));
}

void TestPictureLabels::farSideFeatureIsLeftOut()
{
    QImage image = blackPicture();
    const QImage before = image;
    const LunarFeature farSide{u"Túloldal", 0.0, 150.0, FeatureKind::Crater, 1, 50};
    QVERIFY(drawLabels(image, {farSide}, testDisc(), {}).empty());
    QCOMPARE(image, before);
}

void TestPictureLabels::crowdedNamesDoNotOverlap()
{
    QImage image = blackPicture();
    const auto placed = drawLabels(image, featuresByRank(), testDisc(), {11, true});
    QVERIFY(placed.size() > 20);
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!placed[i].text.intersects(placed[j].text),
                     qPrintable(placed[i].name + QStringLiteral(" / ") + placed[j].name));
}

void TestPictureLabels::dayBandsHoldFeaturesNearTheTerminator_data()
{
    QTest::addColumn<int>("day");
    for (int day = 2; day <= 11; ++day)
        QTest::addRow("day %d", day) << day;
}

void TestPictureLabels::dayBandsHoldFeaturesNearTheTerminator()
{
    QFETCH(int, day);
    const double elongation = elongationForAge(day);
    const double terminator = tavik::pictures::terminatorLongitude(elongation);
    const auto near = featuresNearTerminator(elongation, 20, 4);
    QVERIFY2(near.size() >= 5, qPrintable(QString::number(near.size())));
    for (const LunarFeature& f : near) {
        // Waxing: the sunlit side lies east of the terminator.
        QVERIFY(f.longitude - terminator <= 20);
        QVERIFY(f.longitude - terminator >= -16);
    }
    for (std::size_t i = 1; i < near.size(); ++i)
        QVERIFY(near[i - 1].rank <= near[i].rank);
}

void TestPictureLabels::largeFeaturesShowTheirSunlitEdge()
{
    // Day 11: the terminator runs near longitude 44 W. The Ocean of Storms
    // lies mostly in the dark, but its eastern shore is in sunlight; Reiner,
    // a small crater as far into the night, is not yet lit.
    const auto near = featuresNearTerminator(elongationForAge(11), 20, 4);
    auto has = [&near](const QString& name) {
        return std::any_of(near.begin(), near.end(),
                           [&name](const LunarFeature& f) { return QString::fromUtf16(f.name) == name; });
    };
    QVERIFY(has(QStringLiteral("Viharok óceánja")));
    QVERIFY(!has(QStringLiteral("Reiner")));
    QVERIFY(has(QStringLiteral("Gassendi")));
    QVERIFY(!has(QStringLiteral("Kopernikusz")));   // well inside the sunlit side
}

void TestPictureLabels::featureTableIsOnTheNearSide()
{
    QStringList names;
    for (const LunarFeature& f : lunarFeatures()) {
        const QString name = QString::fromUtf16(f.name);
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
        QVERIFY(std::abs(f.latitude) < 80);
        QVERIFY(std::abs(f.longitude) < 90);
        QVERIFY(f.sizeKm > 5 && f.sizeKm < 3000);
    }
    QVERIFY(names.contains(QStringLiteral("Nyugalom tengere")));
    QVERIFY(names.contains(QStringLiteral("Viharok óceánja")));
}

QTEST_MAIN(TestPictureLabels)
#include "tst_picturelabels.moc"
