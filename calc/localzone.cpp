#include "localzone.h"

#include <QDateTime>

#include <cmath>

namespace tavik {

namespace {

// 1970-01-01 on the date-time scale.
constexpr std::int64_t kUnixEpochDays = (std::chrono::sys_days{} - kDateTimeEpoch).count();
static_assert(kUnixEpochDays == 25569);

int offsetAtInstant(const QTimeZone& zone, std::int64_t unixSeconds)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC));
}

}  // namespace

int utcOffsetAt(DateTimeValue local, const QTimeZone& zone)
{
    if (!zone.isValid() || !std::isfinite(local) || std::fabs(local) > kLargestDateValue)
        return 0;
    // The clock time read as if it were UTC; the true instant is this minus the offset.
    const std::int64_t clock = toEpochSeconds(local) - kUnixEpochDays * kSecondsPerDay;
    // The offsets a day either side; clocks change at most once in two days.
    const int before = offsetAtInstant(zone, clock - kSecondsPerDay);
    const int after = offsetAtInstant(zone, clock + kSecondsPerDay);
    if (offsetAtInstant(zone, clock - before) == before)
        return before;   // also the first pass of a repeated hour
    if (offsetAtInstant(zone, clock - after) == after)
        return after;
    return before;       // in the gap
}

}  // namespace tavik
