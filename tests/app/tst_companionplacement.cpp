// Every companion window as the menu opens it, on a screen set up by the test
// run (size and scale): its frame lies wholly on the screen's free area, beside
// the main window where there is room, and every control can be reached.
#include "appfixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>

using namespace tavik;
using namespace tavik::testing;

namespace {

bool isControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w)
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QComboBox*>(w);
}

// The part of the window where a control can be seen once scrolled to.
QRect seenPart(QWidget* window, QWidget* control)
{
    auto* area = window->findChild<QScrollArea*>(QStringLiteral("scrolledClient"));
    if (!area)
        return window->rect();
    area->ensureWidgetVisible(control, 0, 0);
    return QRect(area->viewport()->mapTo(window, QPoint()), area->viewport()->size());
}

}  // namespace

class CompanionPlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_caught.reset(); }
    void cleanup() { closeCompanions(); }
    void wholyOnTheScreen_data();
    void wholyOnTheScreen();

private:
    std::unique_ptr<MessageLog> m_caught;
};

void CompanionPlacementTest::initTestCase()
{
    m_caught = std::make_unique<MessageLog>();
    // The screen the run asked for, in device-independent pixels.
    const QByteArray expected = qgetenv("TAVIK_EXPECTED_SCREEN");
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (!expected.isEmpty())
        QCOMPARE(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()), QString::fromLatin1(expected));
}

void CompanionPlacementTest::wholyOnTheScreen_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    const char* const rows[][2] = {
        {"hold02", "Form3"}, {"jegyzetek", "Form8"}, {"naplo", "Form10"}, {"naptar1", "Form6"},
        {"holdsarlolista", "Form5"}, {"jelensegnaptar", "Form7"}, {"holdfogyi", "Form12"},
        {"venusz", "Form9"}, {"vonas", "Form4"}, {"prog", "frmAbout"}, {"leir", "Form2"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[1]) << row[0] << row[1];
}

void CompanionPlacementTest::wholyOnTheScreen()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    a->findChild<QAction*>(item)->trigger();
    QWidget* w = openWindow(qPrintable(window));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));

    const QRect screen = a->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    const QRect main = a->frameGeometry();
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1 x %2 at %3, %4")
        .arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y())));
    if (frame.width() <= std::max(screen.right() - main.right(), main.left() - screen.left())) {
        QVERIFY(!frame.intersects(main));
        QVERIFY(frame.left() == main.right() + 1 || frame.right() + 1 == main.left());
    }

    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (!isControl(control) || !control->isVisibleTo(w))
            continue;
        // Half of it at least shows, whole or as much as the visible part holds:
        // the calendar runs a few pixels past its window by design.
        const QRect seen = seenPart(w, control);
        const QRect at(control->mapTo(w, QPoint()), control->size());
        const QRect shown = at & seen;
        QVERIFY2(shown.width() * 2 >= std::min(at.width(), seen.width())
                     && shown.height() * 2 >= std::min(at.height(), seen.height()),
                 qPrintable(control->objectName()));
    }
    if (auto* bar = w->findChild<QMenuBar*>()) {
        QVERIFY(w->rect().contains(bar->geometry()));
        for (QAction* command : bar->actions())
            QVERIFY(bar->rect().contains(bar->actionGeometry(command)));
    }
}

QTEST_MAIN(CompanionPlacementTest)
#include "tst_companionplacement.moc"
