// Every companion window as the menu opens it, on a screen of the size and
// scale the test run sets: it lies wholly on the screen, beside the main
// window where there is room, every control can be scrolled into sight, and
// Esc closes it.
#include "appfixture.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QScrollArea>
#include <QTabWidget>

using namespace tavik;
using namespace tavik::testing;

class CompanionPlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { closeCompanions(); }
    void everyCompanion_data();
    void everyCompanion();
};

void CompanionPlacementTest::everyCompanion_data()
{
    QTest::addColumn<QString>("item");
    const char* const windows[][2] = {{"Form3", "hold02"}, {"Form8", "jegyzetek"}, {"Form10", "naplo"},
        {"Form6", "naptar1"}, {"Form5", "holdsarlolista"}, {"Form7", "jelensegnaptar"}, {"Form12", "holdfogyi"},
        {"Form9", "venusz"}, {"Form4", "vonas"}, {"frmAbout", "prog"}, {"Form2", "leir"},
        {"SiteWindow", "megfigyelohely"}, {"VisibilityWindow", "lathatosag"},
        {"mapWindow", "terkep"}, {"LogbookWindow", "eszlelesinaplo"}, {"AttemptForm", "eszlelesinaplo>newAttempt"}};
    for (const auto& w : windows)
        QTest::newRow(w[0]) << w[1];
}

void CompanionPlacementTest::everyCompanion()
{
    QFETCH(QString, item);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QString screenAsked = qEnvironmentVariable("TAVIK_EXPECTED_SCREEN");
    if (!screenAsked.isEmpty())
        QCOMPARE(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()), screenAsked);
    DataFolder data;
    MessageLog missingFiles;
    auto a = makeWindow(data, missingFiles);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    a->findChild<QAction*>(item.section(u'>', 0, 0))->trigger();
    // "window>button": a form that button of the window opens.
    const QString button = item.section(u'>', 1);
    if (!button.isEmpty()) {
        QPushButton* b = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !b)
                b = top->findChild<QPushButton*>(button);
        }
        QVERIFY(b);
        b->click();
    }
    QPointer<QWidget> w = openWindow(QTest::currentDataTag());
    QVERIFY(w && QTest::qWaitForWindowActive(w));

    const QRect frame = w->frameGeometry();
    const QRect main = a->frameGeometry();
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                    .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    if (button.isEmpty() && frame.width() <= std::max(screen.right() - main.right(), main.left() - screen.left()))
        QVERIFY(frame.left() == main.right() + 1 || frame.right() + 1 == main.left());
    // At least half of every control shows once scrolled to (the calendar runs
    // a few pixels past its window by design).
    auto* area = w->findChild<QScrollArea*>(QStringLiteral("scrolledClient"));
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(w) || control == area)
            continue;
        if (area)
            area->ensureWidgetVisible(control, 0, 0);
        const QRect seen = area ? QRect(area->viewport()->mapTo(w, QPoint()), area->viewport()->size()) : w->rect();
        const QRect at(control->mapTo(w, QPoint()), control->size());
        QVERIFY2((at & seen).width() * 2 >= std::min(at.width(), seen.width())
                     && (at & seen).height() * 2 >= std::min(at.height(), seen.height()),
                 qPrintable(control->objectName()));
    }
    // The visibility window rearranges itself rather than scroll sideways,
    // and its map page shows the map's controls and legend whole.
    if (item == QStringLiteral("lathatosag")) {
        if (area)
            QVERIFY(!area->horizontalScrollBar()->isVisible());
        auto* mapScroll = w->findChild<QScrollArea*>(QStringLiteral("mapScroll"));
        w->findChild<QTabWidget*>(QStringLiteral("pictures"))->setCurrentWidget(mapScroll);
        QCoreApplication::sendPostedEvents();
        QVERIFY(!mapScroll->horizontalScrollBar()->isVisible());
        const QRect page = mapScroll->viewport()->rect();
        for (const char* name : {"saveButton", "statusLabel", "worldButton"}) {
            const QWidget* c = mapScroll->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(page.contains(QRect(c->mapTo(mapScroll->viewport(), QPoint()), c->size())), name);
        }
    }
    // A note's text box, which scrolls by itself, shrinks with its window instead.
    if (auto* box = w->findChild<QPlainTextEdit*>(); box && w->inherits("tavik::NoteWindow"))
        QVERIFY(!area && w->rect().contains(box->geometry()));
    if (auto* bar = w->findChild<QMenuBar*>())
        QVERIFY(w->rect().contains(bar->geometry()) && bar->rect().contains(bar->actionGeometry(bar->actions().last())));

    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
}

QTEST_MAIN(CompanionPlacementTest)
#include "tst_companionplacement.moc"
