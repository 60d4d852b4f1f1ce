// The civil clock of the almanac's moments, for the texts and the pictures
// that show them. Plain arithmetic, no ephemeris: formatting and painting
// never reach the library.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace tavik {

inline constexpr double kUnixEpochJulianDay = 2440587.5;   // 1970-01-01 00:00 UT

// The one spelling of the program's date (2026.12.08), in every language: the
// lists, the log, the reports and the tables write it so.
inline constexpr char kDatePattern[] = "yyyy.MM.dd";

// The instant of a Julian day of Universal Time, taking UT1 for UTC: they
// differ by less than a second, which a picture does not show. A text that
// names a minute takes the almanac's instant (utcOf), which knows the leap
// seconds, so that a moment on the edge of rounding lands where the lists
// have it.
QDateTime instantOfJulianDay(double jdUt);

// Wall-clock time in the zone of an instant, rounded to the nearest minute.
// The result's date and time fields are the local ones; its time info means
// nothing.
QDateTime localMinute(const QDateTime& instant, const QTimeZone& zone);
// The same, as date and minute ("2026.12.08 16:02", 16 characters), the date or "HH:mm".
QString formatLocalMinute(const QDateTime& instant, const QTimeZone& zone);
QString formatLocalDate(const QDateTime& instant, const QTimeZone& zone);
QString formatLocalTime(const QDateTime& instant, const QTimeZone& zone);

}  // namespace tavik
