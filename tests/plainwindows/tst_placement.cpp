// Where a companion window goes beside the main window (how much of it shows
// on a small screen is tried on real windows in tst_companionplacement).
#include "placement.h"

#include <QtTest>

using namespace tavik;

class PlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void besideTheMainWindow_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("placed");
        const QRect s(0, 0, 1600, 1200);
        const QSize f(500, 300);
        QTest::newRow("right") << s << QRect(100, 100, 1000, 400) << f << QRect(1100, 100, 500, 300);
        QTest::newRow("left") << s << QRect(900, 100, 600, 400) << f << QRect(400, 100, 500, 300);
        QTest::newRow("over, more room right") << s << QRect(200, 100, 1000, 400) << f << QRect(1100, 100, 500, 300);
        QTest::newRow("over, more room left") << s << QRect(400, 100, 1000, 400) << f << QRect(0, 100, 500, 300);
        QTest::newRow("main low") << s << QRect(100, 1000, 600, 400) << f << QRect(700, 900, 500, 300);
        QTest::newRow("larger than the screen") << s << QRect(100, 100, 600, 400) << QSize(2000, 1500) << s;
        QTest::newRow("second screen") << QRect(1600, 24, 1280, 1000) << QRect(1700, 0, 600, 400) << f
                                       << QRect(2300, 24, 500, 300);
    }

    void besideTheMainWindow()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, main);
        QFETCH(QSize, frame);
        QTEST(placeBeside(main, frame, screen), "placed");
    }
};

QTEST_APPLESS_MAIN(PlacementTest)
#include "tst_placement.moc"
