#include "datetime.h"

#include <algorithm>

namespace tavik {

namespace {

using namespace std::chrono;

// The calendar conversion stays within the years std::chrono::year can hold.
constexpr std::int64_t kMaxCivilDays = 10'000'000;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) noexcept
{
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

bool isValidCivil(const CivilDateTime& c) noexcept
{
    if (c.year < -32767 || c.year > 32767 || c.month < 1 || c.month > 12 || c.day < 1
        || c.day > 31 || c.hour < 0 || c.hour > 23 || c.minute < 0 || c.minute > 59
        || c.second < 0 || c.second > 59)
        return false;
    const year_month_day ymd{year{c.year}, month{static_cast<unsigned>(c.month)},
                             day{static_cast<unsigned>(c.day)}};
    return ymd.ok();
}

DateTimeValue toDateTimeValue(const CivilDateTime& c) noexcept
{
    const year_month_day ymd{year{c.year}, month{static_cast<unsigned>(c.month)},
                             day{static_cast<unsigned>(c.day)}};
    const auto days = (sys_days{ymd} - kDateTimeEpoch).count();
    const std::int64_t seconds = static_cast<std::int64_t>(days) * kSecondsPerDay
                                 + c.hour * 3600 + c.minute * 60 + c.second;
    return fromEpochSeconds(seconds);
}

std::int64_t toEpochSeconds(DateTimeValue v) noexcept
{
    if (std::isnan(v))
        return 0;
    const double days = std::clamp(v, -kLargestDateValue, kLargestDateValue);
    return static_cast<std::int64_t>(std::llround(days * static_cast<double>(kSecondsPerDay)));
}

DateTimeValue fromEpochSeconds(std::int64_t seconds) noexcept
{
    // Whole days and the second of the day apart, so a whole day stays exact.
    const std::int64_t days = floorDiv(seconds, kSecondsPerDay);
    const std::int64_t rest = seconds - days * kSecondsPerDay;
    return static_cast<double>(days) + static_cast<double>(rest) / kSecondsPerDay;
}

CivilDateTime toCivil(DateTimeValue v) noexcept
{
    const std::int64_t seconds = toEpochSeconds(v);
    std::int64_t days = floorDiv(seconds, kSecondsPerDay);
    const std::int64_t rest = seconds - days * kSecondsPerDay;
    days = std::clamp(days, -kMaxCivilDays, kMaxCivilDays);
    const year_month_day ymd{kDateTimeEpoch + std::chrono::days{days}};
    CivilDateTime c;
    c.year = static_cast<int>(ymd.year());
    c.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    c.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    c.hour = static_cast<int>(rest / 3600);
    c.minute = static_cast<int>(rest / 60 % 60);
    c.second = static_cast<int>(rest % 60);
    return c;
}

bool hasZeroDate(DateTimeValue v) noexcept
{
    return floorDiv(toEpochSeconds(v), kSecondsPerDay) == 0;
}

bool isMidnight(DateTimeValue v) noexcept
{
    const std::int64_t s = toEpochSeconds(v);
    return s - floorDiv(s, kSecondsPerDay) * kSecondsPerDay == 0;
}

}  // namespace tavik
