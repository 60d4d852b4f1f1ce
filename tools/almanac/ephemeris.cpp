#include "ephemeris.h"

#include <swephexp.h>

#include <QDir>
#include <QFileInfo>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

EphemerisSource g_source{QString(), false, SEFLG_MOSEPH};
bool g_opened = false;

bool holdsEphemerisFiles(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("sepl_18.se1")))
        && QFileInfo::exists(dir.filePath(QStringLiteral("semo_18.se1")));
}

constexpr qint64 kMsPerMinute = 60 * 1000;

qint64 roundToMinute(qint64 ms)
{
    const qint64 floor = ms >= 0 ? ms / kMsPerMinute : -((-ms + kMsPerMinute - 1) / kMsPerMinute);
    const qint64 rest = ms - floor * kMsPerMinute;
    return (floor + (rest >= kMsPerMinute / 2 ? 1 : 0)) * kMsPerMinute;
}

}  // namespace

EphemerisSource openEphemeris(const QString& folder)
{
    QStringList candidates;
    if (!folder.isEmpty())
        candidates << folder;
    const QString env = qEnvironmentVariable("SE_EPHE_PATH");
    if (!env.isEmpty())
        candidates << env;
    candidates << QStringLiteral("/usr/share/libswe/ephe")
               << QStringLiteral("/usr/local/share/libswe/ephe");
    g_source = EphemerisSource{QString(), false, SEFLG_MOSEPH};
    for (const QString& c : std::as_const(candidates)) {
        if (holdsEphemerisFiles(c)) {
            g_source = EphemerisSource{c, true, SEFLG_SWIEPH};
            break;
        }
    }
    const QByteArray path = g_source.path.toLocal8Bit();
    swe_set_ephe_path(g_source.files ? path.constData() : nullptr);
    g_opened = true;
    return g_source;
}

EphemerisSource useBuiltInSeries()
{
    g_source = EphemerisSource{QString(), false, SEFLG_MOSEPH};
    swe_set_ephe_path(nullptr);
    g_opened = true;
    return g_source;
}

const EphemerisSource& ephemerisSource()
{
    if (!g_opened)
        openEphemeris();
    return g_source;
}

int ephemerisFlag() { return ephemerisSource().flag; }

double julianDayUt(const QDateTime& when)
{
    const QDateTime u = when.toUTC();
    const QDate d = u.date();
    const QTime t = u.time();
    double dret[2] = {0, 0};
    char serr[AS_MAXCH] = {0};
    const double seconds = t.second() + t.msec() / 1000.0;
    if (swe_utc_to_jd(d.year(), d.month(), d.day(), t.hour(), t.minute(), seconds, SE_GREG_CAL,
                      dret, serr) < 0) {
        // Outside the calendar the leap-second table knows: take UTC as UT1.
        return swe_julday(d.year(), d.month(), d.day(),
                          t.hour() + t.minute() / 60.0 + seconds / 3600.0, SE_GREG_CAL);
    }
    return dret[1];
}

QDateTime utcOf(double jdUt)
{
    int32 y = 0, m = 0, d = 0, h = 0, mi = 0;
    double sec = 0;
    swe_jdut1_to_utc(jdUt, SE_GREG_CAL, &y, &m, &d, &h, &mi, &sec);
    const QDateTime base(QDate(y, m, d), QTime(h, mi), Qt::UTC);
    return base.addMSecs(qRound64(sec * 1000.0));
}

double deltaTDays(double jdUt)
{
    char serr[AS_MAXCH] = {0};
    return swe_deltat_ex(jdUt, ephemerisFlag(), serr);
}

double julianDayOfLocalDate(const QDate& date, const QTimeZone& zone)
{
    return julianDayUt(QDateTime(date, QTime(0, 0), zone));
}

QDateTime localMinute(double jdUt, const QTimeZone& zone)
{
    // Round the instant first, so that a moment just before a change of the
    // clocks lands on the right side of it (00:59:40 UTC on the last Sunday of
    // March is 03:00 in Budapest, not 02:00, which does not exist that day).
    const qint64 ms = utcOf(jdUt).toMSecsSinceEpoch();
    const qint64 instant = roundToMinute(ms);
    const int offset = QDateTime::fromMSecsSinceEpoch(instant, Qt::UTC).toTimeZone(zone).offsetFromUtc();
    // Zones whose offset is not a whole number of minutes (local mean time of
    // old) still give the nearest whole local minute.
    const qint64 wall = roundToMinute(instant + qint64(offset) * 1000);
    return QDateTime::fromMSecsSinceEpoch(wall, Qt::UTC);
}

QString formatLocalMinute(double jdUt, const QTimeZone& zone)
{
    return localMinute(jdUt, zone).toString(QStringLiteral("yyyy.MM.dd HH:mm"));
}

QString formatLocalDate(double jdUt, const QTimeZone& zone)
{
    return localMinute(jdUt, zone).toString(QStringLiteral("yyyy.MM.dd"));
}

QString formatLocalTime(double jdUt, const QTimeZone& zone)
{
    return localMinute(jdUt, zone).toString(QStringLiteral("HH:mm"));
}

double normalizeDegrees180(double deg)
{
    double d = std::fmod(deg, 360.0);
    if (d <= -180.0)
        d += 360.0;
    else if (d > 180.0)
        d -= 360.0;
    return d;
}

double angularSeparation(double lon1, double lat1, double lon2, double lat2)
{
    constexpr double r = M_PI / 180.0;
    const double c = std::sin(lat1 * r) * std::sin(lat2 * r)
                     + std::cos(lat1 * r) * std::cos(lat2 * r) * std::cos((lon1 - lon2) * r);
    return std::acos(std::clamp(c, -1.0, 1.0)) / r;
}

}  // namespace tavik::almanac
