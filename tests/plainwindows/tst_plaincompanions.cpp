#include "about.h"
#include "calendarwindow.h"
#include "companion.h"
#include "converter.h"
#include "description.h"
#include "messagelog.h"

#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace tavik;

// Opening a window twice gives one window, brought forward; once closed, the
// next opening builds a new one.
class PlainCompanionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calendar() { reopen<CalendarWindow>("Form6", [] { return new CalendarWindow; }); }
    void converter()
    {
        reopen<ConverterWindow>("Form4", [] { return new ConverterWindow(RegionalSettings::hungarian(), testing::failOnMessages()); });
    }
    void description() { reopen<DescriptionWindow>("Form2", [] { return new DescriptionWindow; }); }
    void about() { reopen<AboutWindow>("frmAbout", [] { return new AboutWindow; }); }

private:
    template <class W, class Make>
    void reopen(const char* name, Make make);
};

template <class W, class Make>
void PlainCompanionsTest::reopen(const char* name, Make make)
{
    QPointer<W> slot;
    W* first = openCompanion(slot, nullptr, make);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QCOMPARE(first->objectName(), QString(name));
    QVERIFY(first->isWindow());
    QVERIFY(first->parentWidget() == nullptr);
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));

    first->lower();
    QCOMPARE(openCompanion(slot, nullptr, make), first);
    QVERIFY(first->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(first), 1);
    int instances = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        instances += (w->objectName() == QLatin1String(name));
    QCOMPARE(instances, 1);

    first->close();
    QTRY_VERIFY(slot.isNull());
    W* second = openCompanion(slot, nullptr, make);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    second->close();
    QTRY_VERIFY(slot.isNull());
}

QTEST_MAIN(PlainCompanionsTest)
#include "tst_plaincompanions.moc"
