// The calendar window "Form6": a month calendar in Hungarian for looking up
// dates. Nothing else in the program reads the date chosen in it.
#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace tavik {

class CalendarWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalendarWindow(QWidget* parent = nullptr);

    // The day every opening starts on.
    static QDate firstDate() { return QDate(2026, 8, 4); }
    // How the heading writes the selected day.
    static QString datePattern() { return QStringLiteral("yyyy, MMMM d, dddd"); }

private Q_SLOTS:
    void Calendar1_SelectionChanged();
    void Command61_Click();

private:
    void createCalendar();
    void styleCalendar();
    void createHeading();
    void createButton();
    void nameCalendarParts();

    QCalendarWidget* Calendar1 = nullptr;
    QLabel* DateHeading = nullptr;
    QPushButton* Command61 = nullptr;
};

}  // namespace tavik
