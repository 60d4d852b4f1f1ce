#include "calendarwindow.h"

#include "palette.h"
#include "ui.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextCharFormat>
#include <utility>

namespace tavik {

namespace {
constexpr QColor kBackground = ui::kLightCyan;
constexpr QColor kButtonFace = ui::kLightGreen;
constexpr QColor kSelection = ui::kTeal;

// The month and day names in the interface language, whatever the system's.
QLocale calendarLocale()
{
    return QLocale(CalendarWindow::tr("hu_HU", "the locale of the month and day names"));
}
}  // namespace

CalendarWindow::CalendarWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Naptár"));
    setFixedSize(ui::twipsSize(10245, 7590));
    ui::setColors(this, kBackground);
    setLocale(calendarLocale());

    createCalendar();
    createHeading();
    createButton();
}

void CalendarWindow::createCalendar()
{
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setLocale(calendarLocale());
    Calendar1->setFirstDayOfWeek(Qt::Monday);
    Calendar1->setGridVisible(true);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setHorizontalHeaderFormat(QCalendarWidget::LongDayNames);
    Calendar1->setGeometry(ui::twipsRect(0, 240, 10335, 6615));
    styleCalendar();
    Calendar1->setSelectedDate(firstDate());
    Calendar1->setCurrentPage(firstDate().year(), firstDate().month());
    connect(Calendar1, &QCalendarWidget::selectionChanged, this,
            &CalendarWindow::Calendar1_SelectionChanged);
    nameCalendarParts();
}

// The calendar's own buttons and its day table, named in the interface language
// for screen readers whatever translation of Qt is at hand.
void CalendarWindow::nameCalendarParts()
{
    Calendar1->setAccessibleName(tr("Naptár"));
    const std::pair<const char*, const char*> parts[] = {
        {"qt_calendar_prevmonth", QT_TRANSLATE_NOOP("tavik::CalendarWindow", "Előző hónap")},
        {"qt_calendar_nextmonth", QT_TRANSLATE_NOOP("tavik::CalendarWindow", "Következő hónap")},
        {"qt_calendar_monthbutton", QT_TRANSLATE_NOOP("tavik::CalendarWindow", "Hónap")},
        {"qt_calendar_yearbutton", QT_TRANSLATE_NOOP("tavik::CalendarWindow", "Év")},
        {"qt_calendar_yearedit", QT_TRANSLATE_NOOP("tavik::CalendarWindow", "Év")},
        {"qt_calendar_calendarview", QT_TRANSLATE_NOOP("tavik::CalendarWindow", "Napok")},
    };
    for (const auto& [objectName, name] : parts) {
        if (auto* part = Calendar1->findChild<QWidget*>(QLatin1String(objectName)))
            part->setAccessibleName(tr(name));
    }
}

// Days in 8.25 pt regular, day names in 8.25 pt bold, the month and year of
// the navigation bar in 12 pt bold, all on the window's light cyan.
void CalendarWindow::styleCalendar()
{
    Calendar1->setFont(ui::font(QStringLiteral("Arial"), 8.25));
    QPalette p = Calendar1->palette();
    p.setColor(QPalette::Base, kBackground);
    p.setColor(QPalette::AlternateBase, kBackground);
    p.setColor(QPalette::Window, kBackground);
    p.setColor(QPalette::Highlight, kSelection);
    p.setColor(QPalette::HighlightedText, Qt::white);
    Calendar1->setPalette(p);
    Calendar1->setAutoFillBackground(true);

    QTextCharFormat header;
    header.setFont(ui::font(QStringLiteral("Arial"), 8.25, true));
    header.setBackground(kBackground);
    Calendar1->setHeaderTextFormat(header);

    if (auto* bar = Calendar1->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"))) {
        bar->setFont(ui::font(QStringLiteral("Arial"), 12, true));
        QPalette barPalette = bar->palette();
        barPalette.setColor(QPalette::Window, kBackground);
        barPalette.setColor(QPalette::Highlight, kBackground);
        barPalette.setColor(QPalette::ButtonText, Qt::black);
        barPalette.setColor(QPalette::WindowText, Qt::black);
        barPalette.setColor(QPalette::HighlightedText, Qt::black);
        bar->setPalette(barPalette);
    }
}

void CalendarWindow::createHeading()
{
    DateHeading = new QLabel(this);
    DateHeading->setObjectName(QStringLiteral("DateHeading"));
    DateHeading->setTextFormat(Qt::PlainText);
    DateHeading->setFont(ui::font(QStringLiteral("Arial"), 12, true));
    DateHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DateHeading->setGeometry(ui::twipsRect(240, 6960, 4200, 495));
    Calendar1_SelectionChanged();
}

void CalendarWindow::createButton()
{
    Command61 = ui::addButton(this, "Command61", tr("OK"), ui::twipsRect(4680, 6960, 855, 495),
                              ui::font(QStringLiteral("Arial"), 12, true), kButtonFace);
    connect(Command61, &QPushButton::clicked, this, &CalendarWindow::Command61_Click);
}

void CalendarWindow::Calendar1_SelectionChanged()
{
    DateHeading->setText(calendarLocale().toString(Calendar1->selectedDate(), datePattern()));
}

void CalendarWindow::Command61_Click() { close(); }

}  // namespace tavik
