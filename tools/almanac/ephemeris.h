// The almanac's access to the Swiss Ephemeris: the ephemeris files, the
// observing site, and the conversions between Julian days (UT1) and civil time.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace tavik::almanac {

// Geographic position: degrees north and east, metres above sea level.
struct Site {
    double latitude = 47.4979;
    double longitude = 19.0402;
    double elevation = 100.0;
};

// Where the ephemeris files come from and the flag that selects them.
struct EphemerisSource {
    QString path;            // the folder searched, empty for the built-in series
    bool files = false;      // the JPL-based files were found there
    int flag = 0;            // SEFLG_SWIEPH or SEFLG_MOSEPH
};

// Points the library at the ephemeris files: the folder given, else the
// SE_EPHE_PATH environment variable, else Debian's /usr/share/libswe/ephe.
// Without the files the built-in Moshier series is used (a little less exact,
// about a second of arc for the Moon).
EphemerisSource openEphemeris(const QString& folder = QString());
// The built-in series alone, whatever files there are.
EphemerisSource useBuiltInSeries();
const EphemerisSource& ephemerisSource();
int ephemerisFlag();

// The site as the library wants it: longitude, latitude, height.
struct GeoPos {
    double v[3];
    explicit GeoPos(const Site& s) : v{s.longitude, s.latitude, s.elevation} {}
    double* data() { return v; }
};

// UT1 Julian day of a civil instant, and back (to the millisecond, via UTC
// with its leap seconds).
double julianDayUt(const QDateTime& when);
QDateTime utcOf(double jdUt);

// TT minus UT1 in days at that moment.
double deltaTDays(double jdUt);

// The UT1 Julian day of local midnight starting that date in the zone.
double julianDayOfLocalDate(const QDate& date, const QTimeZone& zone);

// Wall-clock time in the zone, rounded to the nearest minute. The result's
// date and time fields are the local ones; its time info means nothing.
QDateTime localMinute(double jdUt, const QTimeZone& zone);
// The same, as "yyyy.MM.dd HH:mm" (16 characters) or "yyyy.MM.dd".
QString formatLocalMinute(double jdUt, const QTimeZone& zone);
QString formatLocalDate(double jdUt, const QTimeZone& zone);
QString formatLocalTime(double jdUt, const QTimeZone& zone);

// Angles.
double normalizeDegrees180(double deg);   // to (-180, 180]
double angularSeparation(double lon1, double lat1, double lon2, double lat2);   // degrees

}  // namespace tavik::almanac
