// The user's observing site, kept in tavik.conf in the desktop's configuration
// folder: an INI file of one section that the user may also edit by hand.
#pragma once

#include "datafiles.h"
#include "language.h"

#include <QString>
#include <QTimeZone>

#include <optional>

namespace tavik {

// A place on the Earth, as the ephemeris takes it. Its defaults are Budapest,
// the site of every user who has not named another.
struct GeoPosition {
    double latitude = 47.4979;    // degrees, north positive
    double longitude = 19.0402;   // degrees, east positive
    double elevation = 100.0;     // metres

    friend bool operator==(const GeoPosition&, const GeoPosition&) = default;
};

// The one site type of the program: what the file keeps, the windows show and
// the almanac computes for.
struct ObservingSite {
    QString name = QStringLiteral("Budapest");
    double latitude = GeoPosition{}.latitude;     // degrees, north positive
    double longitude = GeoPosition{}.longitude;   // degrees, east positive
    double elevation = GeoPosition{}.elevation;   // metres
    QString timezone = QStringLiteral("Europe/Budapest");   // IANA id; empty: the system's zone
    QTimeZone zone() const;       // the zone itself (system zone when empty)
    GeoPosition position() const noexcept { return {latitude, longitude, elevation}; }

    friend bool operator==(const ObservingSite&, const ObservingSite&) = default;
};

// The allowed values, shared by the file, the window and tavik-almanac. Below
// sea level down to the Dead Sea's shore; up to where crescents have been seen
// from aircraft.
struct ValueRange {
    double low;
    double high;
    constexpr bool contains(double v) const noexcept { return v >= low && v <= high; }  // false for NaN
};
inline constexpr ValueRange kLatitudeRange{-90, 90};      // degrees
inline constexpr ValueRange kLongitudeRange{-180, 180};   // degrees
inline constexpr ValueRange kElevationRange{-500, 15000};  // metres

// A number as the file and tavik-almanac take it: a decimal point, no group
// separators, finite; none otherwise. The range is checked by the caller.
std::optional<double> readSiteNumber(const QString& text);

// What is wrong with a damaged tavik.conf, for a message naming the line.
enum class SiteFault {
    None,
    NotText,      // bytes that are not UTF-8
    NotAnEntry,   // a line of the section that is not "key=value"
    NotANumber,   // text where a number belongs (a point as decimal separator)
    OutOfRange,   // a number outside its range: range tells which
    UnknownZone,  // not a zone of the zone database
    Missing,      // the section lacks the key: line is the section's heading
};

struct SiteConfigFault {
    SiteFault kind = SiteFault::None;
    int line = 0;          // from 1
    QString key;           // "latitude"
    QString text;          // the line as written
    ValueRange range{0, 0};
};

// $XDG_CONFIG_HOME/tavik/tavik.conf, or ~/.config/tavik/tavik.conf when that
// is unset, empty or relative.
QString siteConfigPath();

struct SiteConfigRead {
    ObservingSite site;       // Budapest unless the file was read whole and sound
    FileStatus status;        // a missing file is no fault
    SiteConfigFault fault;    // a file read but damaged
    bool ok() const noexcept { return status.ok() && fault.kind == SiteFault::None; }
};

// The file's site; Budapest for a missing, unreadable or damaged file, which
// is left as it is.
SiteConfigRead readSiteConfig(const QString& path);

// The site as the file keeps it: degrees and metres to seven decimals (a
// centimetre on the ground), so that what is saved equals what is read back.
ObservingSite storedSite(ObservingSite site);
// A number as the file keeps it: up to seven decimals, a decimal point, no
// trailing zeros ("46.253", "80").
QString siteNumberText(double v);

// The text of the file for a site, in UTF-8 with a point as decimal separator.
QByteArray siteConfigText(const ObservingSite& site);

// Writes the file whole (or not at all) through the safe writer; the folder is
// made, for the user alone, when missing. The file's [ui] section is kept.
FileStatus writeSiteConfig(const QString& path, const ObservingSite& site);
// Writes the interface language into the file's [ui] section the same way,
// keeping every other byte.
FileStatus writeLanguageChoice(const QString& path, LanguageChoice choice);

}  // namespace tavik
