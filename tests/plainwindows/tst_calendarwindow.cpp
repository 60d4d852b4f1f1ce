#include "calendarwindow.h"
#include "companion.h"
#include "ui.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QtTest>

using namespace tavik;

class CalendarWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsOnTheFourthOfAugust2026();
    void everyOpeningStartsAgain();
    void hungarianNames();
    void heading_data();
    void heading();
    void headingFollowsTheKeyboard();
    void looks();
    void okClosesAndDiscards();
};

void CalendarWindowTest::startsOnTheFourthOfAugust2026()
{
    CalendarWindow w;
    auto* calendar = w.findChild<QCalendarWidget*>("Calendar1");
    QVERIFY(calendar);
    QCOMPARE(calendar->selectedDate(), QDate(2026, 8, 4));
    QCOMPARE(calendar->yearShown(), 2026);
    QCOMPARE(calendar->monthShown(), 8);
}

void CalendarWindowTest::everyOpeningStartsAgain()
{
    QPointer<CalendarWindow> slot;
    CalendarWindow* first = openCompanion(slot, nullptr, [] { return new CalendarWindow; });
    auto* calendar = first->findChild<QCalendarWidget*>("Calendar1");
    calendar->setSelectedDate(QDate(2031, 2, 14));
    calendar->showNextMonth();
    calendar->showNextYear();
    QCOMPARE(calendar->yearShown(), 2032);
    QCOMPARE(calendar->monthShown(), 3);

    // Opening again while it is open keeps the user's place.
    QCOMPARE(openCompanion(slot, nullptr, [] { return new CalendarWindow; }), first);
    QCOMPARE(calendar->selectedDate(), QDate(2031, 2, 14));

    QTest::mouseClick(first->findChild<QPushButton*>("Command61"), Qt::LeftButton);
    QTRY_VERIFY(slot.isNull());

    CalendarWindow* second = openCompanion(slot, nullptr, [] { return new CalendarWindow; });
    calendar = second->findChild<QCalendarWidget*>("Calendar1");
    QCOMPARE(calendar->selectedDate(), QDate(2026, 8, 4));
    QCOMPARE(calendar->yearShown(), 2026);
    QCOMPARE(calendar->monthShown(), 8);
    QCOMPARE(second->findChild<QLabel*>("DateHeading")->text(), QString("2026, augusztus 4, kedd"));
    second->close();
    QTRY_VERIFY(slot.isNull());
}

void CalendarWindowTest::hungarianNames()
{
    CalendarWindow w;
    auto* calendar = w.findChild<QCalendarWidget*>("Calendar1");
    QCOMPARE(calendar->locale().language(), QLocale::Hungarian);
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    auto* month = calendar->findChild<QToolButton*>("qt_calendar_monthbutton");
    QVERIFY(month);
    QCOMPARE(month->text(), QString("augusztus"));
    calendar->showNextMonth();
    QCOMPARE(month->text(), QString("szeptember"));
    QCOMPARE(calendar->locale().dayName(2), QString("kedd"));
}

void CalendarWindowTest::heading_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << QDate(2026, 8, 4) << "2026, augusztus 4, kedd";
    QTest::newRow("Christmas Eve") << QDate(2026, 12, 24) << "2026, december 24, csütörtök";
    QTest::newRow("leap day") << QDate(2028, 2, 29) << "2028, február 29, kedd";
    QTest::newRow("new year") << QDate(2027, 1, 1) << "2027, január 1, péntek";
    QTest::newRow("Sunday") << QDate(2026, 8, 9) << "2026, augusztus 9, vasárnap";
}

void CalendarWindowTest::heading()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    CalendarWindow w;
    w.findChild<QCalendarWidget*>("Calendar1")->setSelectedDate(date);
    QCOMPARE(w.findChild<QLabel*>("DateHeading")->text(), text);
}

void CalendarWindowTest::headingFollowsTheKeyboard()
{
    CalendarWindow w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* view = w.findChild<QCalendarWidget*>("Calendar1")->findChild<QWidget*>("qt_calendar_calendarview");
    QVERIFY(view);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(w.findChild<QLabel*>("DateHeading")->text(), QString("2026, augusztus 5, szerda"));
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(w.findChild<QLabel*>("DateHeading")->text(), QString("2026, augusztus 12, szerda"));
}

void CalendarWindowTest::looks()
{
    CalendarWindow w;
    QCOMPARE(w.objectName(), QString("Form6"));
    QCOMPARE(w.windowTitle(), QString("Naptár"));
    QCOMPARE(w.size(), QSize(683, 506));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));

    auto* calendar = w.findChild<QCalendarWidget*>("Calendar1");
    QCOMPARE(calendar->geometry(), QRect(0, 16, 689, 441));
    QCOMPARE(calendar->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xFF));
    QCOMPARE(calendar->font().family(), QString("Liberation Sans"));
    QCOMPARE(calendar->font().pointSizeF(), 8.25);
    QVERIFY(!calendar->font().bold());
    const QFont dayNames = calendar->headerTextFormat().font();
    QCOMPARE(dayNames.pointSizeF(), 8.25);
    QVERIFY(dayNames.bold());
    auto* bar = calendar->findChild<QWidget*>("qt_calendar_navigationbar");
    QVERIFY(bar);
    QCOMPARE(bar->font().pointSizeF(), 12.0);
    QVERIFY(bar->font().bold());

    auto* ok = w.findChild<QPushButton*>("Command61");
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(ok->geometry(), QRect(312, 464, 57, 33));
    QCOMPARE(ok->font().family(), QString("Liberation Sans"));
    QCOMPARE(ok->font().pointSizeF(), 12.0);
    QVERIFY(ok->font().bold());
    QVERIFY(ok->styleSheet().contains("#c0ffc0"));

    auto* heading = w.findChild<QLabel*>("DateHeading");
    QVERIFY(heading->fontMetrics().horizontalAdvance("2026, szeptember 30, csütörtök") <= heading->width());
}

void CalendarWindowTest::okClosesAndDiscards()
{
    QPointer<CalendarWindow> w = new CalendarWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->findChild<QPushButton*>("Command61"), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(CalendarWindowTest)
#include "tst_calendarwindow.moc"
