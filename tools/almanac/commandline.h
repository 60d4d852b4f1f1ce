// The pieces of tavik-almanac's command line that the lists and the
// sighting report share: the site, the time zone, and the messages.
#pragma once

#include "ephemeris.h"

#include <siteconfig.h>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QTextStream>
#include <QTranslator>
#include <QTimeZone>

#include <optional>
#include <utility>

namespace tavik::almanac {

// The application's name and version, and Qt's own words (the parser's
// "Ismeretlen kapcsoló", the help's headings) in Hungarian where Qt's
// translations are installed; the translator lives as long as the caller's.
void prepareApplication(QTranslator& qtMessages);

// The parser's help of a command ("sighting", "map"), with the command's name
// after the program's in the usage line.
QString commandHelp(const QCommandLineParser& p, const QString& command);

// Standard error, for the Hungarian messages.
QTextStream& errorStream();

// -h/--help (and -v/--version) with Hungarian descriptions; after
// process(), answerHelp() prints what they ask for and ends the program.
void addHelpOptions(QCommandLineParser& p, bool withVersion);
void answerHelp(QCommandLineParser& p);

// --lat, --lon, --elevation, --tz and --ephe.
QList<QCommandLineOption> placeOptions();

// The number given for the option, the fallback where it is not given;
// none (with a message) where it is not a number between lo and hi.
std::optional<double> numberOption(const QCommandLineParser& p, const QString& name, double lo, double hi,
                                   double fallback);
// The user's configured site (tavik.conf) where the options do not set both
// the place and the zone; a damaged file is reported and gives Budapest.
ObservingSite configuredSite(const QCommandLineParser& p);
// --lat and --lon (together) with --elevation (0 m without it), or the
// configured site; every bad one is reported.
std::optional<Site> siteOption(const QCommandLineParser& p, const ObservingSite& configured);
// --tz, or the fallback; none (with a message) for an unknown zone.
std::optional<QTimeZone> zoneOption(const QCommandLineParser& p, const QTimeZone& fallback);
// Whether the shipped ephemeris files cover the moments a computation reads
// (first, last); a message naming the option and its text where they do not.
bool coveredByEphemeris(std::pair<double, double> reach, const QString& option, const QString& text);

// The ephemeris of --ephe; none (with a message) when it cannot be opened. A
// line on standard error says so when it computes without files.
std::optional<Ephemeris> ephemerisOption(const QCommandLineParser& p);

}  // namespace tavik::almanac
