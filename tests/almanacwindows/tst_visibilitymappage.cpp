// The visibility window's "Térkép" page: the map view computes only once
// the page is shown, for the evening (or morning) of the report at the
// window's site.
#include "datafolder.h"
#include "visibilitymapview.h"
#include "visibilitywindow.h"

#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace tavik;
using namespace tavik::testing;

class TestVisibilityMapPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mapOfTheReportsEvening_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("morning");
        QTest::newRow("evening after the new moon") << QStringLiteral("2025.05.27 21:05") << QDate(2025, 5, 27) << false;
        QTest::newRow("morning before it") << QStringLiteral("2025.05.26 04:30") << QDate(2025, 5, 26) << true;
    }

    void mapOfTheReportsEvening()
    {
        QFETCH(QString, at);
        QFETCH(QDate, date);
        QFETCH(bool, morning);
        DataFolder data;
        const ObservingSite site{QStringLiteral("Szeged"), 46.253, 20.148, 80, QStringLiteral("Europe/Budapest")};
        VisibilityWindow w(VisibilityEnvironment{data.folders(), RegionalSettings::hungarian(), {}, MessageSink(), site, at,
                                                 {}, {}, {}});
        w.resize(1100, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        VisibilityMapView* map = w.mapView();
        map->setGridStep(2.0);
        // Behind the sky page it waits.
        QVERIFY(!map->computing());
        QVERIFY(map->maps().isEmpty());
        QSignalSpy ready(map, &VisibilityMapView::mapsReady);
        // On a small screen the report has the first page.
        auto* pages = w.findChild<QTabWidget*>(QStringLiteral("pictures"));
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->tabText(i) == QStringLiteral("&Térkép"))
                pages->setCurrentIndex(i);
        }
        QVERIFY(map->computing());
        QVERIFY(ready.wait(60000));
        QCOMPARE(map->maps().first().request.date, date);
        QCOMPARE(map->maps().first().request.morning, morning);
    }
};

QTEST_MAIN(TestVisibilityMapPage)
#include "tst_visibilitymappage.moc"
