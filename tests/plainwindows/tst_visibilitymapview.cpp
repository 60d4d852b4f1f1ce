// The visibility map view: computed off the window's thread, Europe first
// and the world a click away, as many evenings as fit, the site marked, and
// "Kép mentése…" through the safe writer.
#include "mapcanvas.h"
#include "maplegend.h"
#include "visibilitymapview.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;
using tavik::almanac::Criterion;

namespace {

const almanac::Site kBudapest{47.4979, 19.0402, 100.0};

QPointF pixelOf(const QRectF& rect, const maps::GeoRect& r, double lat, double lon)
{
    return {rect.left() + (lon - r.west) / r.width() * rect.width(), rect.top() + (r.north - lat) / r.height() * rect.height()};
}

bool markedNear(const QImage& image, QPointF at)
{
    for (int dy = -10; dy <= 10; ++dy)
        for (int dx = -10; dx <= 10; ++dx) {
            const QColor c = image.pixelColor(int(at.x()) + dx, int(at.y()) + dy);
            if (c.red() > 150 && c.green() < 40 && c.blue() < 40)
                return true;
        }
    return false;
}

}  // namespace

class TestVisibilityMapView : public QObject {
    Q_OBJECT
    QStringList messages;
    std::unique_ptr<VisibilityMapView> view;

    bool ready()
    {
        QSignalSpy spy(view.get(), &VisibilityMapView::mapsReady);
        return spy.wait(60000);
    }

private Q_SLOTS:
    void init()
    {
        messages.clear();
        view = std::make_unique<VisibilityMapView>(MessageSink([this](MessageIcon, const QString& t) { messages << t; }));
        view->setEphemeris(almanac::Ephemeris::open());
        view->setGridStep(2.0);   // the drawing is the same at any step; this is quicker
        view->resize(1200, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup() { view.reset(); }

    void drawsEuropeFirstThenTheWorld_data()
    {
        QTest::addColumn<bool>("world");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("Europe, the Atlantic") << false << 35.0 << -20.0;
        QTest::newRow("world, the Pacific") << true << 5.0 << -140.0;
        QTest::newRow("world, the Indian Ocean") << true << -30.0 << 80.0;
    }

    void drawsEuropeFirstThenTheWorld()
    {
        QFETCH(bool, world);
        QFETCH(double, lat);
        QFETCH(double, lon);
        view->setEvening(QDate(2025, 5, 27), false, kBudapest, Criterion::Yallop);
        QVERIFY(view->computing());   // the call came back before the maps were done
        QVERIFY(ready());
        QCOMPARE(view->maps().size(), 3);
        QCOMPARE(view->region().west, maps::kEurope.west);
        if (world)
            QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("worldButton")), Qt::LeftButton);
        QCOMPARE(view->region().west, world ? -180.0 : maps::kEurope.west);
        auto* surface = view->findChild<MapCanvas*>(QStringLiteral("mapSurface"));
        const QImage shot = surface->grab().toImage();
        const QList<QRectF> rects = surface->layoutFor(surface->size()).maps;
        QCOMPARE(rects.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const almanac::VisibilityMap& map = view->maps()[i];
            QCOMPARE(map.request.date, QDate(2025, 5, 27 + i));
            const int row = int((90.0 - lat) / 180.0 * map.rows), column = int((lon + 180.0) / 360.0 * map.columns);
            const QPointF at = pixelOf(rects[i], view->region(), map.latitude(row), map.longitude(column));
            QCOMPARE(shot.pixelColor(at.toPoint()), maps::pointColour(Criterion::Yallop, map.at(row, column)));
            QVERIFY(markedNear(shot, pixelOf(rects[i], view->region(), kBudapest.latitude, kBudapest.longitude)));
        }
    }

    void eveningsThatFit_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::newRow("wide, two asked") << 1200 << 2 << 2;
        QTest::newRow("middle") << 800 << 3 << 2;
        QTest::newRow("narrow") << 420 << 3 << 1;
    }

    void eveningsThatFit()
    {
        QFETCH(int, width);
        QFETCH(int, count);
        QFETCH(int, shown);
        view->setEveningCount(count);
        view->setEvening(QDate(2025, 5, 28), true, kBudapest, Criterion::Odeh);
        QVERIFY(ready());
        view->resize(width, 500);
        QCOMPARE(view->maps().size(), count);
        QCOMPARE(view->shownEvenings(), shown);
        QVERIFY(view->maps().first().request.morning);
    }

    // A second evening asked for while the first is computed: only its maps come.
    void laterCallWins()
    {
        QSignalSpy spy(view.get(), &VisibilityMapView::mapsReady);
        view->setEvening(QDate(2025, 5, 27), false, kBudapest, Criterion::Yallop);
        view->setEvening(QDate(2025, 6, 26), false, kBudapest, Criterion::Odeh);
        QVERIFY(spy.wait(60000));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(view->maps().first().request.date, QDate(2025, 6, 26));
        QCOMPARE(view->maps().first().request.criterion, Criterion::Odeh);
    }

    void savesThePicture()
    {
        view->setEvening(QDate(2025, 5, 27), false, kBudapest, Criterion::Yallop);
        QVERIFY(ready());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("terkep.png"));
        QVERIFY(view->savePicture(path));
        const QImage saved(path);
        QCOMPARE(saved.width(), 3 * 908 + 8);
        QVERIFY(messages.isEmpty());
        QVERIFY(!view->savePicture(dir.filePath(QStringLiteral("nincs/terkep.png"))));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("terkep.png")), qPrintable(messages.first()));
    }
};

QTEST_MAIN(TestVisibilityMapView)
#include "tst_visibilitymapview.moc"
