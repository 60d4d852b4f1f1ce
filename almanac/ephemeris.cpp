#include "ephemeris.h"

#include <swephexp.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

bool holdsEphemerisFiles(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("sepl_18.se1")))
        && QFileInfo::exists(dir.filePath(QStringLiteral("semo_18.se1")));
}

// The moment of a fault as the user reads it: the UT date and time.
QString momentText(double jdUt)
{
    int year = 0, month = 0, day = 0;
    double hour = 0;
    swe_revjul(jdUt, SE_GREG_CAL, &year, &month, &day, &hour);
    const int minutes = std::clamp(int(std::floor(hour * 60.0)), 0, 24 * 60 - 1);
    return QStringLiteral("%1.%2.%3 %4:%5 UT")
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// What the library's error text names: a file it could not use, or the
// time span; its own words otherwise.
EphemerisReason reasonOf(const QString& serr, QString& file)
{
    static const QRegularExpression fileName(QStringLiteral("([A-Za-z0-9_]+\\.se1)"));
    file = fileName.match(serr).captured(1);
    if (!file.isEmpty()) {
        if (serr.contains(QLatin1String("not found"), Qt::CaseInsensitive))
            return EphemerisReason::FileMissing;
        if (serr.contains(QLatin1String("damaged"), Qt::CaseInsensitive)
            || serr.contains(QLatin1String("corrupt"), Qt::CaseInsensitive)
            || serr.contains(QLatin1String("error"), Qt::CaseInsensitive))
            return EphemerisReason::FileDamaged;
        return EphemerisReason::FileUnusable;
    }
    if (serr.contains(QLatin1String("out of"), Qt::CaseInsensitive)
        || serr.contains(QLatin1String("outside"), Qt::CaseInsensitive)
        || serr.contains(QLatin1String("range"), Qt::CaseInsensitive))
        return EphemerisReason::OutOfRange;
    return EphemerisReason::LibraryText;
}

void pointLibraryAt(const EphemerisSource& source)
{
    const QByteArray path = source.path.toLocal8Bit();
    swe_set_ephe_path(source.files ? path.constData() : nullptr);
}

}  // namespace

EphemerisError::EphemerisError(const QString& folder)
    : std::runtime_error("ephemeris files missing from the folder"), m_fault(EphemerisFault::NoFilesInFolder),
      m_folder(folder)
{
}

EphemerisError::EphemerisError(EphemerisFault fault, double jdUt, const QString& libraryText, EphemerisReason silent)
    : std::runtime_error(libraryText.toStdString()), m_fault(fault), m_moment(momentText(jdUt)),
      m_libraryText(libraryText)
{
    m_reason = libraryText.isEmpty() ? silent : reasonOf(libraryText, m_file);
}

Ephemeris Ephemeris::open(const QString& folder)
{
    if (!folder.isEmpty() && !holdsEphemerisFiles(folder)) {
        throw EphemerisError(folder);
    }
    QStringList candidates;
    if (!folder.isEmpty())
        candidates << folder;
    const QString env = qEnvironmentVariable("SE_EPHE_PATH");
    if (!env.isEmpty())
        candidates << env;
    candidates << QStringLiteral("/usr/share/libswe/ephe")
               << QStringLiteral("/usr/local/share/libswe/ephe");
    EphemerisSource source{QString(), false, SEFLG_MOSEPH};
    for (const QString& c : std::as_const(candidates)) {
        if (holdsEphemerisFiles(c)) {
            source = EphemerisSource{c, true, SEFLG_SWIEPH};
            break;
        }
    }
    pointLibraryAt(source);
    return Ephemeris(source);
}

Ephemeris Ephemeris::builtIn()
{
    // The built-in series needs no folder: the library's one is left as it is.
    return Ephemeris(EphemerisSource{QString(), false, SEFLG_MOSEPH});
}

EphemerisThread::EphemerisThread(const Ephemeris& eph)
{
    pointLibraryAt(eph.source());
}

EphemerisThread::~EphemerisThread()
{
    swe_close();
}

void Ephemeris::check(int rc, const char* serr, double jdUt, bool rcIsFlags) const
{
    const QString text = QString::fromLocal8Bit(serr).trimmed();
    if (rc < 0) {
        throw EphemerisError(EphemerisFault::CannotCompute, jdUt, text, EphemerisReason::Unknown);
    }
    if (!files())
        return;
    // With the files asked for, the library quietly takes the built-in
    // series where they are missing or do not reach: that is a fault here,
    // as the lists are meant to come from the files.
    const bool fellBack = rcIsFlags && !(rc & SEFLG_SWIEPH);
    if (fellBack || text.contains(QLatin1String("not found"), Qt::CaseInsensitive)) {
        throw EphemerisError(EphemerisFault::FilesDoNotCover, jdUt, text, EphemerisReason::FellBack);
    }
}

std::array<double, 6> Ephemeris::position(double jdUt, int body, int extraFlags) const
{
    std::array<double, 6> x{};
    char serr[AS_MAXCH] = {0};
    const int rc = swe_calc_ut(jdUt, body, flag() | extraFlags, x.data(), serr);
    check(rc, serr, jdUt, true);
    return x;
}

double Ephemeris::deltaT(double jdUt) const
{
    char serr[AS_MAXCH] = {0};
    const double dt = swe_deltat_ex(jdUt, flag(), serr);
    check(0, serr, jdUt);
    return dt;
}

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

double julianDayOfLocalDate(const QDate& date, const QTimeZone& zone)
{
    return julianDayUt(QDateTime(date, QTime(0, 0), zone));
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
    const double c = std::sin(lat1 * kDegree) * std::sin(lat2 * kDegree)
                     + std::cos(lat1 * kDegree) * std::cos(lat2 * kDegree) * std::cos((lon1 - lon2) * kDegree);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDegree;
}

}  // namespace tavik::almanac
