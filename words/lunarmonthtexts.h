// The words of the lunar calendars, shared by tavik-almanac's calendar
// command and the Holdhónapok window: the Hijri months' names, the rules'
// names, the margins, and the two files made of them: the tab-separated
// table and the iCalendar (RFC 5545) file. The user's moves of months'
// first days are kept here too.
#pragma once

#include "lunarcalendar.h"

#include <datafiles.h>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <map>

namespace tavik {

// "Ramadán" / "Ramadan": month 1 (Muharram) to 12.
QString hijriMonthName(int month);
// "Umm al-Qura", "Isztambul 2016", "MABIMS 2021", "Yallop (helyi)" …
QString monthRuleName(almanac::MonthRule rule);
// A sentence on the rule, for the window and the help.
QString monthRuleDescription(almanac::MonthRule rule);
// "1447. Ramadán 1." / "1 Ramadan 1447".
QString hijriDateText(int day, const almanac::HijriMonthNumber& month);
// The margin with its unit, in the interface's language: "+12,3 perc".
QString marginText(double margin, almanac::MarginUnit unit);
// What a borderline month means: "a szabály kevesebb mint … múlt".
QString borderlineText(const almanac::LunarMonth& month);

// The table's columns, fixed for programs that read it:
// year month first_day length conjunction_ut decided_at margin borderline.
QString calendarTsvHeader();
QString calendarTsvLine(const almanac::LunarMonth& month);
// The readable table, in the interface's language.
QStringList calendarTable(const QList<almanac::LunarMonth>& months, almanac::MonthRule rule);

// The calendar as an RFC 5545 file: an all-day event on each month's first
// day, and for the local rules an event with a reminder at the best time of
// every crescent evening of Yallop's class A to C at the site. UIDs depend only
// on the rule, the month (and the site and evening), so a calendar program
// updates what it imported before. stamp: DTSTAMP.
QByteArray calendarIcs(const QList<almanac::LunarMonth>& months, const almanac::CalendarRequest& request,
                       const QDateTime& stamp);
// A content line folded at 75 octets (RFC 5545 3.1), CRLF after each piece;
// and a TEXT value escaped (3.3.11).
QByteArray foldIcsLine(const QByteArray& line);
QString escapeIcsText(const QString& text);
// Through the safe writer: the old file stays whole on any fault.
FileStatus writeCalendarIcs(const QString& path, const QByteArray& bytes);

// The user's moves (by lunation, ±1 or 2 days) for each rule, kept in
// holdhonapok.txt of the user's data folder: "rule year month shift" a line.
using MonthShifts = std::map<almanac::MonthRule, std::map<int, int>>;
inline constexpr int kMaxMonthShift = 2;
QString monthShiftsFileName();
MonthShifts parseMonthShifts(const QStringList& lines);
QString monthShiftsText(const MonthShifts& shifts);

}  // namespace tavik
