// The calculation core: date-time values, regional text forms, the crescent
// calculation, the phase table, the log entry and the data files. Nothing here
// knows about windows; the main window and the companion windows call into it.
//
// datetime.h: the date-time value, a count of days since 1899-12-30 00:00.
#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tavik {

// Days since 1899-12-30 00:00; the fraction is the time of day. Values before
// the epoch count linearly (-0.25 is 1899-12-29 18:00), so the difference of
// two values is always the number of days between them.
using DateTimeValue = double;

// The largest date-time value, either way, that the arithmetic takes: about
// 270,000 years, far beyond the years 100 to 9999 that the parser accepts, and
// small enough that the second counts stay exact.
inline constexpr double kLargestDateValue = 1.0e8;   // days

struct CivilDateTime {
    int year = 1899;   // [100, 9999] for anything the parser accepts
    int month = 12;    // [1, 12]
    int day = 30;      // [1, 31]
    int hour = 0;      // [0, 23]
    int minute = 0;    // [0, 59]
    int second = 0;    // [0, 59]

    friend constexpr bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

inline constexpr std::chrono::sys_days kDateTimeEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};
inline constexpr std::int64_t kSecondsPerDay = 86400;

// Whether the fields name a real calendar day and a time of day.
bool isValidCivil(const CivilDateTime& c) noexcept;

// Calendar fields to a value. The fields must be valid.
DateTimeValue toDateTimeValue(const CivilDateTime& c) noexcept;

// A value to calendar fields, rounded to the nearest whole second.
CivilDateTime toCivil(DateTimeValue v) noexcept;

// Whole seconds since the epoch, rounded; the unit the minute count works on.
std::int64_t toEpochSeconds(DateTimeValue v) noexcept;
DateTimeValue fromEpochSeconds(std::int64_t seconds) noexcept;

// Whether the value carries no date (the zero date, which a time typed alone
// lands on), and whether it falls on a midnight.
bool hasZeroDate(DateTimeValue v) noexcept;
bool isMidnight(DateTimeValue v) noexcept;

}  // namespace tavik
