// The visibility window's "Térkép" page: the map view computes only once
// the page is shown, for the evenings (or mornings) of the report's plan at
// the window's site.
#include "datafolder.h"
#include "visibilitymapview.h"
#include "visibilitywindow.h"

#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace tavik;
using namespace tavik::testing;

class TestVisibilityMapPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mapOfTheReportsEvening_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QStringList>("planned");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<bool>("morning");
        const QStringList evenings{"2025.05.27", "2025.05.28", "2025.05.29"};
        QTest::newRow("evening after the new moon") << QStringLiteral("2025.05.27 21:05") << evenings << evenings
                                                    << false;
        // The report's own morning first, then the ones before it, never
        // one past the conjunction.
        QTest::newRow("morning before it") << QStringLiteral("2025.05.26 04:30")
                                           << QStringList{"2025.05.25", "2025.05.26", "2025.05.27"}
                                           << QStringList{"2025.05.26", "2025.05.25", "2025.05.24"} << true;
        QTest::newRow("the coming dawn") << QStringLiteral("2026.12.07 21:00")
                                         << QStringList{"2026.12.06", "2026.12.07", "2026.12.08"}
                                         << QStringList{"2026.12.08", "2026.12.07", "2026.12.06"} << true;
    }

    void mapOfTheReportsEvening()
    {
        QFETCH(QString, at);
        QFETCH(QStringList, planned);
        QFETCH(QStringList, dates);
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
        auto* plan = w.findChild<QTableWidget*>(QStringLiteral("hunt"));
        QStringList plannedRows, mapped;
        for (int r = 0; r < plan->rowCount(); ++r)
            plannedRows << plan->item(r, 0)->text();
        for (const almanac::VisibilityMap& m : map->maps()) {
            mapped << m.request.date.toString(QStringLiteral("yyyy.MM.dd"));
            QCOMPARE(m.request.morning, morning);
        }
        QCOMPARE(plannedRows, planned);
        QCOMPARE(mapped, dates);
    }
};

QTEST_MAIN(TestVisibilityMapPage)
#include "tst_visibilitymappage.moc"
