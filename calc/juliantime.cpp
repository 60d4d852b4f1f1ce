#include "juliantime.h"

#include <cmath>

namespace tavik {

namespace {

constexpr qint64 kMsPerMinute = 60 * 1000;
constexpr double kMsPerDay = 86'400'000.0;

qint64 roundToMinute(qint64 ms)
{
    const qint64 floor = ms >= 0 ? ms / kMsPerMinute : -((-ms + kMsPerMinute - 1) / kMsPerMinute);
    const qint64 rest = ms - floor * kMsPerMinute;
    return (floor + (rest >= kMsPerMinute / 2 ? 1 : 0)) * kMsPerMinute;
}

}  // namespace

QDateTime instantOfJulianDay(double jdUt)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround((jdUt - kUnixEpochJulianDay) * kMsPerDay)), Qt::UTC);
}

QDateTime localMinute(const QDateTime& instant, const QTimeZone& zone)
{
    // Round the instant first, so that a moment just before a change of the
    // clocks lands on the right side of it (00:59:40 UTC on the last Sunday of
    // March is 03:00 in Budapest, not 02:00, which does not exist that day).
    const qint64 minute = roundToMinute(instant.toMSecsSinceEpoch());
    const int offset = QDateTime::fromMSecsSinceEpoch(minute, Qt::UTC).toTimeZone(zone).offsetFromUtc();
    // Zones whose offset is not a whole number of minutes (local mean time of
    // old) still give the nearest whole local minute.
    const qint64 wall = roundToMinute(minute + qint64(offset) * 1000);
    return QDateTime::fromMSecsSinceEpoch(wall, Qt::UTC);
}

QString formatLocalMinute(const QDateTime& instant, const QTimeZone& zone)
{
    return localMinute(instant, zone).toString(QLatin1String(kDatePattern) + QStringLiteral(" HH:mm"));
}

QString formatLocalDate(const QDateTime& instant, const QTimeZone& zone)
{
    return localMinute(instant, zone).toString(QLatin1String(kDatePattern));
}

QString formatLocalTime(const QDateTime& instant, const QTimeZone& zone)
{
    return localMinute(instant, zone).toString(QStringLiteral("HH:mm"));
}

}  // namespace tavik
