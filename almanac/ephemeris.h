// The almanac's access to the Swiss Ephemeris: the ephemeris files, the
// observing site, and the conversions between Julian days (UT1) and civil time
// (the clock shown to the user is formatted in calc's juliantime.h).
#pragma once

#include "juliantime.h"
#include "siteconfig.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <array>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace tavik::almanac {

// The place computed for: the observing site's geographic position.
using Site = GeoPosition;

// Where the ephemeris files come from and the flag that selects them.
struct EphemerisSource {
    QString path;            // the folder searched, empty for the built-in series
    bool files = false;      // the JPL-based files were found there
    int flag = 0;            // SEFLG_SWIEPH or SEFLG_MOSEPH
};

// A fault of the ephemeris: a call that failed, a damaged file, or a moment
// the files do not cover. What went wrong, as a fault code and the fields its sentence names; the
// words layer says it (words/almanacterms.h).
enum class EphemerisFault {
    NoFilesInFolder,   // the folder asked for lacks sepl_18.se1 or semo_18.se1: folder()
    CannotCompute,     // the library failed: moment(), reason()
    FilesDoNotCover,   // the library fell back to its built-in series: moment(), reason()
};
// The library's reason, recognised where it names a file or the time span.
enum class EphemerisReason {
    Unknown,        // the library said nothing
    FellBack,       // it said nothing, but left the files for the built-in series
    FileMissing,    // file()
    FileDamaged,    // file()
    FileUnusable,   // file()
    OutOfRange,
    LibraryText,    // its own words: libraryText()
};

class EphemerisError : public std::runtime_error {
public:
    // A folder without the files.
    explicit EphemerisError(const QString& folder);
    // A failed call at the moment jdUt, with the library's error text.
    EphemerisError(EphemerisFault fault, double jdUt, const QString& libraryText, EphemerisReason silent);

    EphemerisFault fault() const { return m_fault; }
    const QString& folder() const { return m_folder; }
    const QString& moment() const { return m_moment; }   // "2026.12.08 18:05 UT"
    EphemerisReason reason() const { return m_reason; }
    const QString& file() const { return m_file; }       // "semo_18.se1"
    const QString& libraryText() const { return m_libraryText; }

private:
    EphemerisFault m_fault = EphemerisFault::CannotCompute;
    QString m_folder;
    QString m_moment;
    EphemerisReason m_reason = EphemerisReason::Unknown;
    QString m_file;
    QString m_libraryText;
};

// The ephemeris the almanac computes with. Every call into the library goes
// through check(): a failed call, or one that fell back to the built-in
// series although the files were asked for, throws EphemerisError.
//
// The library keeps its state per thread (Debian builds it with thread-local
// storage): the folder open() sets holds for the calling thread alone, and
// the files a thread reads stay open until that same thread calls swe_close().
// Any other thread that computes with an Ephemeris holds an EphemerisThread
// while it does.
class Ephemeris {
public:
    // Points the library, on the calling thread, at the ephemeris files: the
    // folder given (which must hold them: else EphemerisError), else the
    // SE_EPHE_PATH environment variable, else Debian's /usr/share/libswe/ephe.
    // Without the files the built-in Moshier series is used (a little less
    // exact, about a second of arc for the Moon).
    static Ephemeris open(const QString& folder = QString());
    // The built-in series alone, whatever files there are.
    static Ephemeris builtIn();

    const EphemerisSource& source() const { return m_source; }
    bool files() const { return m_source.files; }
    int flag() const { return m_source.flag; }

    // The library's position of a body (its six numbers) with these flags
    // added to the ephemeris' own.
    std::array<double, 6> position(double jdUt, int body, int extraFlags = 0) const;
    // TT minus UT1 in days at that moment.
    double deltaT(double jdUt) const;

    // The result code rc and error text serr of a call made for the moment
    // jdUt. rcIsFlags: rc holds the flags the library used (swe_calc_ut,
    // swe_pheno_ut), which tell whether it fell back to the built-in series.
    void check(int rc, const char* serr, double jdUt, bool rcIsFlags = false) const;

private:
    explicit Ephemeris(EphemerisSource source) : m_source(std::move(source)) {}
    EphemerisSource m_source;
};

// The library set up on the calling thread for an ephemeris (its folder),
// and its files closed again (swe_close) when the thread is done with it.
class EphemerisThread {
public:
    explicit EphemerisThread(const Ephemeris& eph);
    ~EphemerisThread();
    EphemerisThread(const EphemerisThread&) = delete;
    EphemerisThread& operator=(const EphemerisThread&) = delete;
};

// The site as the library wants it: longitude, latitude, height.
struct GeoPos {
    double v[3];
    explicit GeoPos(const Site& s) : v{s.longitude, s.latitude, s.elevation} {}
    double* data() { return v; }
};

// UT1 Julian day of a civil instant, and back (to the millisecond, via UTC
// with its leap seconds).
double julianDayUt(const QDateTime& when);

// The atmosphere of the library's standard refraction, and the pressure
// that turns refraction off (airless altitudes).
inline constexpr double kStandardPressure = 1013.25;   // hPa
inline constexpr double kStandardTemperature = 10.0;   // °C
inline constexpr double kAirlessPressure = 0.0;        // hPa

// What the shipped ephemeris files (Debian's swe-basic-data in
// /usr/share/libswe/ephe) cover, UT Julian days: the Moon from just after
// 1800.01.01 00:00 to 2400.01.01 00:00.
inline constexpr double kShippedEphemerisFirst = 2378496.5;
inline constexpr double kShippedEphemerisLast = 2597641.5;
constexpr bool shippedEphemerisCovers(double first, double last) noexcept
{
    return first > kShippedEphemerisFirst && last <= kShippedEphemerisLast;
}
QDateTime utcOf(double jdUt);

// The UT1 Julian day of local midnight starting that date in the zone.
double julianDayOfLocalDate(const QDate& date, const QTimeZone& zone);

// The clock of a moment for the almanac's texts: its instant from utcOf(),
// formatted by calc (juliantime.h).
inline QDateTime localMinute(double jdUt, const QTimeZone& zone) { return tavik::localMinute(utcOf(jdUt), zone); }
inline QString formatLocalMinute(double jdUt, const QTimeZone& zone)
{
    return tavik::formatLocalMinute(utcOf(jdUt), zone);
}
inline QString formatLocalDate(double jdUt, const QTimeZone& zone) { return tavik::formatLocalDate(utcOf(jdUt), zone); }
inline QString formatLocalTime(double jdUt, const QTimeZone& zone) { return tavik::formatLocalTime(utcOf(jdUt), zone); }

// Angles.
inline constexpr double kDegree = std::numbers::pi / 180.0;   // radians
double normalizeDegrees180(double deg);   // to (-180, 180]
double angularSeparation(double lon1, double lat1, double lon2, double lat2);   // degrees

}  // namespace tavik::almanac
