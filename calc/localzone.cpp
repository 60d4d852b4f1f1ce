#include "localzone.h"

#include "fileaccess.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>

namespace tavik {

namespace {

// 1970-01-01 on the date-time scale.
constexpr std::int64_t kUnixEpochDays = (std::chrono::sys_days{} - kDateTimeEpoch).count();
static_assert(kUnixEpochDays == 25569);

int offsetAtInstant(const QTimeZone& zone, std::int64_t unixSeconds)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC));
}

// The folder of the zone files, as the C library finds it.
QString zoneInfoFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TZDIR");
    return fromEnvironment.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : fromEnvironment;
}

// A regular file that starts as a compiled zone does; the folder also holds
// tables ("zone.tab", "leapseconds") that QTimeZone would read as rules.
bool isZoneFile(const QString& path)
{
    detail::Descriptor fd(::open(detail::nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    char magic[4] = {};
    return ::read(fd.get(), magic, sizeof magic) == sizeof magic && std::memcmp(magic, "TZif", 4) == 0;
}

}  // namespace

bool isKnownZone(const QString& name)
{
    if (QTimeZone::isTimeZoneIdAvailable(name.toUtf8()))
        return true;
    // Qt lists only the zones of zone1970.tab; the database's links are files beside them.
    static const QRegularExpression kZoneName(QStringLiteral("^[A-Za-z][A-Za-z0-9_+-]*(/[A-Za-z0-9_+-]+)*$"));
    return kZoneName.match(name).hasMatch() && isZoneFile(QDir(zoneInfoFolder()).filePath(name))
        && QTimeZone(name.toUtf8()).isValid();
}

QTimeZone zoneNamed(const QString& name, EmptyZone empty)
{
    if (name.isEmpty())
        return empty == EmptyZone::System ? QTimeZone::systemTimeZone() : QTimeZone();
    if (name == QLatin1String("UTC"))
        return QTimeZone::utc();
    return isKnownZone(name) ? QTimeZone(name.toUtf8()) : QTimeZone();
}

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

QDateTime clockTimeIn(const CivilDateTime& clock, const QTimeZone& zone)
{
    if (!zone.isValid() || !isValidCivil(clock))
        return {};
    const DateTimeValue local = toDateTimeValue(clock);
    const std::int64_t asIfUtc = toEpochSeconds(local) - kUnixEpochDays * kSecondsPerDay;
    return QDateTime::fromSecsSinceEpoch(asIfUtc - utcOffsetAt(local, zone), zone);
}

}  // namespace tavik
