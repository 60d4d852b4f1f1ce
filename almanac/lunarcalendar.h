// The Hijri months by the rules of those who announce them: for each
// lunation the first day of the month, how long it lasts, where and when
// the rule was met or failed, and by how much. Facts only: the names of the
// months and rules, and every sentence about them, are the callers'.
//
// The rules, as their authorities publish them:
// - Umm al-Qura (Saudi Arabia's civil calendar from 1423 AH; King Abdulaziz
//   City for Science and Technology): on the 29th day of a month, at Mecca,
//   if the geocentric conjunction comes before sunset and the Moon sets
//   after the Sun, the next day is the 1st; otherwise the month has 30 days.
// - Istanbul 2016 (the International Hijri Calendar Union Congress,
//   Istanbul, 28-30 May 2016, followed by Türkiye's Diyanet): the month
//   begins the next day everywhere if, somewhere on Earth, at a sunset before
//   24:00 UT, the geocentric elongation is at least 8° and the Moon's
//   topocentric airless altitude at least 5°; if it is met only after 24:00
//   UT, still the next day when the conjunction comes before dawn (the Sun
//   18° below the horizon) in New Zealand and the criterion is met on the
//   mainland of the Americas.
// - MABIMS 2021 (the ministers of religion of Brunei, Indonesia, Malaysia and
//   Singapore, criterion adopted 2021, in force from 1443 AH): on the 29th
//   day at sunset, the Moon's topocentric altitude at least 3° and the
//   elongation at least 6.4°; here the geocentric elongation, as Indonesia's
//   ministry takes it, and the airless altitude of the Moon's centre; met at
//   any of the sites given.
// - Yallop, Odeh: on the 29th day, the crescent seen at the site by the
//   criterion (naked eye: Yallop A or B, Odeh A; with optical aid: Yallop up
//   to C, Odeh up to B), else the month has 30 days.
#pragma once

#include "crescents.h"
#include "ephemeris.h"

#include <QDate>
#include <QList>
#include <QTimeZone>

#include <atomic>
#include <functional>
#include <map>
#include <optional>

namespace tavik::almanac {

enum class MonthRule { UmmAlQura, Istanbul, Mabims, Yallop, Odeh };
inline constexpr MonthRule kMonthRules[] = {MonthRule::UmmAlQura, MonthRule::Istanbul, MonthRule::Mabims,
                                            MonthRule::Yallop, MonthRule::Odeh};
// The rule's key on the command line and in the user's data: "ummalqura" ...
const char* monthRuleKey(MonthRule rule);
std::optional<MonthRule> monthRuleFromKey(QStringView key);
// Whether the rule looks at the user's site (MABIMS, Yallop, Odeh).
bool localRule(MonthRule rule);

// Mecca as the Umm al-Qura rule takes it, and its zone (UTC+3).
inline constexpr double kMeccaLatitude = 21.4225;
inline constexpr double kMeccaLongitude = 39.8262;

// The count of months: 1 Shawwal 1420 AH fell on 2000-01-08, after the new
// moon of 2000-01-06 18:14 UT (lunation 0 here).
inline constexpr int kShawwal1420Index = 1420 * 12 + 9;   // months since 1 Muharram 1 AH
struct HijriMonthNumber {
    int year = 0;
    int month = 0;   // 1 Muharram ... 12 Dhu al-Hijja
};
HijriMonthNumber hijriMonthOfLunation(int lunation);
int lunationOfHijriMonth(int year, int month);
// The conjunction of a lunation, UT1 Julian day.
double conjunctionOfLunation(const Ephemeris& eph, int lunation);

enum class MarginUnit { Minutes, Degrees, YallopQ, OdehV };

// A crescent evening at the site worth knowing of: its best time and grade.
struct CrescentEvening {
    QDate date;           // the local date of the evening
    double best = 0;      // UT1 Julian day
    YallopClass yallop = YallopClass::F;
    double q = 0;
};

struct LunarMonth {
    HijriMonthNumber number;
    int lunation = 0;
    QDate firstDay;          // as the rule gives it
    int shift = 0;           // days the user moved it (announced otherwise); in firstDay already
    bool followsShift = false;   // moved because an earlier month was
    int length = 0;          // days, to the next month's first day
    double conjunction = 0;  // UT1 Julian day
    bool met = false;        // the rule was met on the evening decided: else a full 30 days
    double decidedAt = 0;    // the moment the rule was met (or came nearest): UT1 Julian day
    GeoPosition decidedWhere;
    double margin = 0;       // by how much it was met (positive) or failed (negative)
    MarginUnit unit = MarginUnit::Minutes;
    bool borderline = false;
    QList<CrescentEvening> crescents;   // the local rules: the evenings of the 29th and 30th, A to C
};

// The margins under which a month is borderline: the rule could go either
// way by a few minutes, a tenth of a degree, a hundredth of q, a tenth of V.
inline constexpr double kBorderlineMinutes = 5.0;
inline constexpr double kBorderlineDegrees = 0.1;
inline constexpr double kBorderlineQ = 0.01;
inline constexpr double kBorderlineV = 0.1;
bool borderlineMargin(double margin, MarginUnit unit);

struct CalendarRequest {
    MonthRule rule = MonthRule::UmmAlQura;
    int fromYear = 1446;   // Hijri years
    int toYear = 1446;
    GeoPosition site;      // the local rules
    QTimeZone zone = QTimeZone::utc();   // the site's days
    QList<GeoPosition> region;           // MABIMS: the sites any of which may decide (none: the site)
    bool optical = false;
    // The user's moves of months' first days, by lunation: ±1 or 2 days.
    std::map<int, int> shifts;
};

// The Hijri years the shipped ephemeris covers, with a lunation to spare.
inline constexpr int kFirstCalendarYear = 1217;
inline constexpr int kLastCalendarYear = 1822;
bool calendarYearsValid(int from, int to);

// The moments the computation reads the ephemeris at.
std::pair<double, double> calendarReach(int fromYear, int toYear);

// The months from the first of fromYear to the last of toYear. progress, when
// given, is told the months done out of all; a set cancelled stops it, and
// the months done so far come back. Throws EphemerisError.
QList<LunarMonth> lunarMonths(const Ephemeris& eph, const CalendarRequest& request,
                              const std::function<void(int done, int total)>& progress = {},
                              const std::atomic_bool* cancelled = nullptr);

// The month a day falls in, or none.
const LunarMonth* monthOfDay(const QList<LunarMonth>& months, const QDate& day);

}  // namespace tavik::almanac
