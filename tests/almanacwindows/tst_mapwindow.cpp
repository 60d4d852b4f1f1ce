// The crescent map window: its maps fill whatever room the window gets, a
// close view is computed finely, the status line under a town says what the
// sighting report says there, and a saved picture is what is on the screen.
#include "almanacterms.h"
#include "backgroundwork.h"
#include "crescents.h"
#include "mapcanvas.h"
#include "mapwindow.h"
#include "sighting.h"
#include "translation.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace tavik;

namespace {

constexpr double kDebrecenLat = 47.5316, kDebrecenLon = 21.6273;

MapWindowEnvironment environment()
{
    MapWindowEnvironment env;
    env.site = almanac::Site{47.4979, 19.0402, 100};
    env.date = QDate(2025, 5, 27);
    return env;
}

// Where a place is drawn in the first map.
QPointF pixelOf(const MapCanvas& canvas, double latitude, double longitude)
{
    const QRectF m = canvas.layoutFor(canvas.size()).maps.first();
    const maps::GeoRect r = canvas.region();
    return QPointF(m.left() + (longitude - r.west) / r.width() * m.width(),
                   m.top() + (r.north - latitude) / r.height() * m.height());
}

bool waitForMaps(MapWindow& w)
{
    QSignalSpy ready(&w, &MapWindow::mapsReady);
    return ready.wait(60000);
}

}  // namespace

class TestMapWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // However large the window and however many evenings, the maps take all
    // the canvas, which takes all the window but its controls: no empty box.
    void mapsFillTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("evenings");
        QTest::addColumn<bool>("stacked");
        QTest::addColumn<MapWindow::View>("view");
        const MapWindow::View hungary = MapWindow::View::Hungary;
        QTest::newRow("small, one") << QSize(700, 500) << 1 << false << hungary;
        QTest::newRow("large, one") << QSize(1500, 1100) << 1 << false << hungary;
        QTest::newRow("wide, three") << QSize(1500, 700) << 3 << false << hungary;
        QTest::newRow("narrow, three") << QSize(640, 1000) << 3 << true << hungary;
        // Two world maps show more of the world one above the other.
        QTest::newRow("world, two") << QSize(1600, 1000) << 2 << true << MapWindow::View::World;
    }

    void mapsFillTheWindow()
    {
        QFETCH(QSize, size);
        QFETCH(int, evenings);
        QFETCH(bool, stacked);
        QFETCH(MapWindow::View, view);
        MapWindow w(environment());
        w.setEveningCount(evenings);
        w.setView(view);
        w.resize(size);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const MapCanvas* canvas = w.canvas();
        // Made larger, the window shows larger maps.
        for (const QSize& shown : {size, size + QSize(160, 120)}) {
            w.resize(shown);
            QTRY_COMPARE(w.size(), shown);
            QVERIFY(canvas->width() >= shown.width() - 20);
            QVERIFY(canvas->height() >= shown.height() - 120);
            const maps::SheetLayout l = canvas->layoutFor(canvas->size());
            QCOMPARE(l.maps.size(), evenings);
            QCOMPARE(l.stacked, stacked);
            QVERIFY(l.legend.bottom() >= canvas->height() - 13);
            const QRectF last = l.maps.last();
            QVERIFY(last.right() >= canvas->width() - 13);
            // The region has the shape of the map, so nothing of it is left blank.
            const maps::GeoRect r = canvas->region();
            QVERIFY(std::abs(r.width() / r.height() - last.width() / last.height()) < 0.01);
        }
    }

    // Opened without a date (Ctrl+M) on a December evening: the evening of
    // the next usable chance, the visibility window's, not the conjunction's.
    void opensOnTheNextUsableChance()
    {
        MapWindowEnvironment env = environment();
        env.site = almanac::Site{kDebrecenLat, kDebrecenLon, 120};
        env.date = QDate(2026, 12, 7);
        env.chanceAfter = QDateTime(env.date, QTime(21, 0), env.zone);
        MapWindow w(env);
        w.setEveningCount(1);
        w.resize(900, 600);
        w.show();
        QVERIFY(waitForMaps(w));
        QCOMPARE(w.canvas()->maps().first().request.date, QDate(2026, 12, 10));
        QVERIFY(!w.canvas()->maps().first().request.morning);
    }

    // Several mornings: the chosen one first, then the ones before it, each
    // captioned alike while computed and when drawn, in either language.
    void morningsComeBeforeTheDate_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("hu") << false
                            << QStringList{QStringLiteral("2025.05.26. hajnalban"), QStringLiteral("2025.05.25. hajnalban"),
                                           QStringLiteral("2025.05.24. hajnalban")};
        QTest::newRow("en") << true
                            << QStringList{QStringLiteral("2025.05.26 dawn"), QStringLiteral("2025.05.25 dawn"),
                                           QStringLiteral("2025.05.24 dawn")};
    }

    void morningsComeBeforeTheDate()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, captions);
        std::unique_ptr<QTranslator> translator;
        if (english) {
            translator.reset(installInterfaceLanguage(InterfaceLanguage::English));
            QVERIFY(translator);
        }
        MapWindowEnvironment env = environment();
        env.date = QDate(2025, 5, 26);
        env.morning = true;
        MapWindow w(env);
        w.setEveningCount(3);
        QCOMPARE(w.canvas()->sheet().captions, captions);
        w.resize(1500, 700);
        w.show();
        QVERIFY(waitForMaps(w));
        QStringList dates;
        for (const almanac::VisibilityMap& m : w.canvas()->maps())
            dates << m.request.date.toString(QStringLiteral("yyyy.MM.dd"));
        QCOMPARE(dates, (QStringList{"2025.05.26", "2025.05.25", "2025.05.24"}));
        QCOMPARE(w.canvas()->sheet().captions, captions);
    }

    // A morning a day after the conjunction: every sunrise comes after it;
    // the status line says why the map has no crescent.
    void aMorningAfterTheConjunctionSaysSo()
    {
        MapWindowEnvironment env = environment();
        env.date = QDate(2025, 5, 28);
        env.morning = true;
        MapWindow w(env);
        w.setEveningCount(1);
        w.resize(900, 600);
        w.show();
        QVERIFY(waitForMaps(w));
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("2025.05.28. hajnalán sehol sincs óhold: a térkép minden pontján az együttállás "
                                "(2025.05.27 03:02 UT) után kel a Nap. Az óholdat a korábbi hajnalok térképe mutatja."));
    }

    // Tab goes round every control, each with a name a screen reader says.
    void tabReachesEveryControl()
    {
        MapWindow w(environment());
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QStringList controls{QStringLiteral("viewBox"), QStringLiteral("dateEdit"), QStringLiteral("morningBox"),
                                   QStringLiteral("eveningsBox"), QStringLiteral("criterionBox"), QStringLiteral("mapCanvas"),
                                   QStringLiteral("sizeBox"), QStringLiteral("savePicture")};
        w.findChild<QWidget*>(controls.first())->setFocus();
        QStringList reached;
        for (int i = 0; i < 2 * controls.size() && QApplication::focusWidget(); ++i) {
            QWidget* f = QApplication::focusWidget();
            for (QWidget* named = f; named; named = named->parentWidget()) {
                if (controls.contains(named->objectName())) {
                    if (!reached.contains(named->objectName()))
                        reached << named->objectName();
                    QVERIFY2(!named->accessibleName().isEmpty() || !named->property("text").toString().isEmpty(),
                             qPrintable(named->objectName()));
                    break;
                }
            }
            QTest::keyClick(f, Qt::Key_Tab);
        }
        QCOMPARE(reached, controls);
    }

    // The map has the keys as soon as the window opens: + zooms in at once.
    void mapTakesTheKeys()
    {
        MapWindow w(environment());
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* canvas = w.findChild<MapCanvas*>(QStringLiteral("mapCanvas"));
        QCOMPARE(QApplication::focusWidget(), canvas);
        const double width = canvas->region().width();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
        QVERIFY(canvas->region().width() < width);
    }

    // Hungary in a map of some 640 pixels is computed at 0.05°, and covered.
    void hungaryIsFine()
    {
        MapWindow w(environment());
        w.setEveningCount(2);
        w.resize(1300, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setView(MapWindow::View::Hungary);
        QVERIFY(waitForMaps(w));
        QCOMPARE(w.step(), 0.05);
        QCOMPARE(w.canvas()->maps().size(), 2);
        for (const almanac::VisibilityMap& m : w.canvas()->maps()) {
            QCOMPARE(m.request.step, 0.05);
            QVERIFY(m.request.region.west <= maps::kHungary.west && m.request.region.east >= maps::kHungary.east);
            QVERIFY(m.complete);
        }
        QVERIFY(w.statusBar()->currentMessage().isEmpty());
    }

    // Europe in a map of 1600 pixels (400,000 places at 0.1°) is shown first
    // at 0.25°, then at its own step.
    void manyPlacesArePreviewed()
    {
        MapWindow w(environment());
        w.resize(1700, 1300);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(waitForMaps(w));
        QList<double> shown;
        connect(&w, &MapWindow::previewShown, &w, [&] { shown << w.canvas()->maps().first().request.step; });
        w.setView(MapWindow::View::Europe);
        QVERIFY(waitForMaps(w));
        QCOMPARE(shown, QList<double>{0.25});
        QCOMPARE(w.canvas()->maps().first().request.step, 0.1);
    }

    // A pan computes only the strip that came into view and keeps the rest:
    // the maps then shown are, cell for cell, a fresh computation of the
    // whole view. The engine starts a row's searches from the western
    // neighbour's, so its times may differ in the last hundredths of a
    // second with where the row began; the outcome and grade may not.
    void panKeepsTheCells_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("morning");
        QTest::addColumn<QPointF>("by");   // of the map's width and height
        // 27 May 2025, a day after the new moon of 03:02 UT; 26 May, a morning before it.
        for (const bool morning : {false, true}) {
            const QDate date = morning ? QDate(2025, 5, 26) : QDate(2025, 5, 27);
            const char* when = morning ? "morning" : "evening";
            QTest::addRow("%s, east", when) << date << morning << QPointF(0.2, 0);
            QTest::addRow("%s, west", when) << date << morning << QPointF(-0.2, 0);
            QTest::addRow("%s, north", when) << date << morning << QPointF(0, -0.25);
            QTest::addRow("%s, south", when) << date << morning << QPointF(0, 0.25);
        }
    }

    void panKeepsTheCells()
    {
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        QFETCH(QPointF, by);
        MapWindowEnvironment env = environment();
        env.date = date;
        env.morning = morning;
        MapWindow w(env);
        w.resize(900, 650);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(waitForMaps(w));
        MapCanvas* canvas = w.canvas();
        const QSizeF pane = canvas->layoutFor(canvas->size()).maps.first().size();
        const qint64 before = qint64(canvas->maps().first().points.size());
        canvas->pan(by.x() * pane.width(), by.y() * pane.height());
        QVERIFY(waitForMaps(w));
        const almanac::VisibilityMap& shown = canvas->maps().first();
        QVERIFY(shown.complete);
        // The new strip and the tiles' edge, well under the half of the view.
        QVERIFY2(w.placesComputed() > 0 && w.placesComputed() < before / 2,
                 qPrintable(QStringLiteral("%1 of %2").arg(w.placesComputed()).arg(before)));
        const maps::GeoRect r = canvas->region();
        const almanac::MapRegion& cells = shown.request.region;
        QVERIFY(cells.west <= r.west && cells.east >= r.east && cells.south <= r.south && cells.north >= r.north);
        const almanac::VisibilityMap fresh = almanac::computeVisibilityMap(almanac::Ephemeris::open(), shown.request, 2);
        QCOMPARE(fresh.rows, shown.rows);
        QCOMPARE(fresh.columns, shown.columns);
        int graded = 0;
        for (int row = 0; row < shown.rows; ++row) {
            for (int column = 0; column < shown.columns; ++column) {
                const almanac::MapPoint& a = shown.at(row, column);
                const almanac::MapPoint& b = fresh.at(row, column);
                const QString where = QStringLiteral("row %1, column %2").arg(row).arg(column);
                QVERIFY2(a.outcome == b.outcome && a.grade == b.grade, qPrintable(where));
                QVERIFY2(std::abs(a.sunEvent - b.sunEvent) < 0.5f, qPrintable(where));
                QVERIFY2(std::isnan(a.moonEvent) == std::isnan(b.moonEvent)
                             && !(std::abs(a.moonEvent - b.moonEvent) >= 0.5f), qPrintable(where));
                QVERIFY2(std::abs(a.value - b.value) < 1e-4f, qPrintable(where));
                graded += a.outcome == almanac::MapOutcome::Graded;
            }
        }
        QVERIFY(graded > shown.rows * shown.columns / 2);
    }

    // Zoomed in, the shores are GSHHG's intermediate level and a lake is
    // water: Balaton (46.72–47.07° N, 17.25–18.18° E) with Tihany's
    // peninsula (46.91° N, 17.89° E) land in it; Lake Neusiedl too.
    void lakesAreWater_data()
    {
        QTest::addColumn<QPointF>("at");   // longitude, latitude
        QTest::addColumn<bool>("water");
        QTest::newRow("Balaton, off Siófok") << QPointF(17.98, 46.94) << true;
        QTest::newRow("Balaton, off Keszthely") << QPointF(17.40, 46.76) << true;
        QTest::newRow("Tihany") << QPointF(17.885, 46.915) << false;
        QTest::newRow("Veszprém") << QPointF(17.91, 47.09) << false;
        QTest::newRow("Fertő") << QPointF(16.75, 47.80) << true;
    }

    void lakesAreWater()
    {
        QFETCH(QPointF, at);
        QFETCH(bool, water);
        MapWindow w(environment());
        w.resize(1200, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.canvas()->showBox(maps::GeoRect{16.3, 46.5, 18.5, 48.0});
        QVERIFY(waitForMaps(w));
        const QImage picture = w.picture();
        const QPoint pixel = pixelOf(*w.canvas(), at.y(), at.x()).toPoint();
        QCOMPARE(picture.pixelColor(pixel) == QColor(0xB4, 0xD7, 0xF0), water);
    }

    // The status line over Debrecen names the class the sighting report
    // gives at the centre of that cell, at the map's best time.
    void statusLineAgreesWithSighting_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<almanac::Criterion>("criterion");
        QTest::newRow("27 May 2025, Yallop") << QDate(2025, 5, 27) << almanac::Criterion::Yallop;
        QTest::newRow("28 May 2025, Odeh") << QDate(2025, 5, 28) << almanac::Criterion::Odeh;
    }

    void statusLineAgreesWithSighting()
    {
        QFETCH(QDate, date);
        QFETCH(almanac::Criterion, criterion);
        MapWindow w(environment());
        w.resize(1000, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setEvening(date, false);
        w.setCriterion(criterion);
        QVERIFY(waitForMaps(w));
        const QPointF at = pixelOf(*w.canvas(), kDebrecenLat, kDebrecenLon);
        const QString text = w.pointText(at);
        const almanac::VisibilityMap& map = w.canvas()->maps().first();
        const almanac::MapRegion& r = map.request.region;
        const auto [lon, lat] = std::pair(w.canvas()->geoAt(at)->second.x(), w.canvas()->geoAt(at)->second.y());
        const int row = int((r.north - lat) / r.height() * map.rows), column = int((lon - r.west) / r.width() * map.columns);
        const almanac::MapPoint& p = map.at(row, column);
        QCOMPARE(int(p.outcome), int(almanac::MapOutcome::Graded));
        const almanac::Ephemeris eph = almanac::Ephemeris::open();
        const almanac::Site cell{map.latitude(row), map.longitude(column), 0.0};
        const almanac::SightingReport s = almanac::sightingAt(eph, map.julianDay(float(map.bestSeconds(p))), cell);
        QVERIFY(s.best);
        const QString words = criterion == almanac::Criterion::Yallop
                                  ? words::yallopWords(almanac::yallopClass(s.best->q))
                                  : words::odehWords(almanac::odehZone(s.best->odehV));
        QVERIFY2(text.contains(words), qPrintable(text + QStringLiteral(" / ") + words));
        QVERIFY2(text.startsWith(QStringLiteral("47,5")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("napnyugta ")) && text.contains(QStringLiteral(" UT)")), qPrintable(text));
    }

    // The saved picture is the canvas, pixel for pixel; at a chosen width the
    // maps keep their region's shape and the legend ends the picture.
    void saveWritesWhatIsShown()
    {
        QTemporaryDir dir;
        MapWindow w(environment());
        w.setEveningCount(2);
        w.resize(1200, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(waitForMaps(w));
        const QString shown = dir.filePath(QStringLiteral("shown.png"));
        QVERIFY(w.savePicture(shown));
        const QImage saved(shown);
        w.canvas()->clearFocus();   // its focus frame is the screen's alone
        const QImage screen = w.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), w.canvas()->size());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), screen);
        const QString wide = dir.filePath(QStringLiteral("wide.png"));
        QVERIFY(w.savePicture(wide, 1920));
        const QImage big(wide);
        QCOMPARE(big.width(), 1920);
        int lowest = big.height() - 1;
        while (lowest > 0) {
            const QRgb* line = reinterpret_cast<const QRgb*>(big.convertToFormat(QImage::Format_RGB32).constScanLine(lowest));
            if (std::any_of(line, line + big.width(), [](QRgb c) { return qGray(c) < 128; }))
                break;
            --lowest;
        }
        QVERIFY2(big.height() - lowest <= 20, qPrintable(QString::number(big.height() - lowest)));
    }

    // Closed while its maps are computed, the window stops the work and
    // leaves no thread behind (nor a report that would reach it afterwards).
    void closedWhileComputing()
    {
        const auto threads = [] {
            return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        };
        {
            // Qt's own threads (the display's, the fonts') started by a first window stay.
            MapWindow first(environment());
            first.show();
            QVERIFY(waitForMaps(first));
        }
        // The work pool's idle threads would end on their own, 30 s after
        // their last task: none are left to count.
        QVERIFY(backgroundPool()->waitForDone(60000));
        const qsizetype before = threads();
        auto* w = new MapWindow(environment());
        w->resize(1700, 1300);
        w->show();
        QVERIFY(waitForMaps(*w));
        QSignalSpy preview(w, &MapWindow::previewShown);
        w->setView(MapWindow::View::Europe);
        QVERIFY(preview.wait(60000));   // the fine maps are computed next
        QVERIFY(w->computing());
        w->close();
        delete w;
        // The work called off ends, and with it the map's own threads.
        QVERIFY(backgroundPool()->waitForDone(60000));
        // Qt's threads are detached: the system lets an ended one go a moment
        // later, which may also be one of those counted before (the pool's
        // last, just ended): none more than before, then.
        QTRY_VERIFY2(threads() <= before, qPrintable(QStringLiteral("%1 > %2").arg(threads()).arg(before)));
    }
};

QTEST_MAIN(TestMapWindow)
#include "tst_mapwindow.moc"
