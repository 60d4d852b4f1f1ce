// The five list files as text lines, from the almanac's events: the new-moon
// list (one entry a line, no heading) and the four reference lists (heading
// rows in the interface's language, then one row per event, columns padded
// with blanks for the monospaced list windows).
#pragma once

#include <listfiles.h>
#include <lists.h>

#include <QString>
#include <QStringList>

namespace tavik::words {

// Each list throws almanac::EphemerisError on a fault of the ephemeris.
// "ujholdak.txt": date and minute (2026.12.09 00:52), ascending.
QStringList newMoonLines(const almanac::Ephemeris& eph, const almanac::ListSettings& s);
// "holdsarlok.txt": time, "este"/"reggel", age, Yallop class; two heading
// rows with what the window's labels above the columns do not say.
QStringList crescentLines(const almanac::Ephemeris& eph, const almanac::ListSettings& s);
// "napfogyik.txt" and "holdfogyik.txt".
QStringList solarEclipseLines(const almanac::Ephemeris& eph, const almanac::ListSettings& s);
QStringList lunarEclipseLines(const almanac::Ephemeris& eph, const almanac::ListSettings& s);
// "venusz.txt": a third heading row names the site.
QStringList venusLines(const almanac::Ephemeris& eph, const almanac::ListSettings& s);

// The lines of one list (an almanac::ListLines for the list job).
QStringList listLines(almanac::ListKind kind, const almanac::Ephemeris& eph, const almanac::ListSettings& s);

QString siteHeading(const almanac::ListSettings& s);   // "Szeged, É 46,2530°, K 20,1480°, 80 m"

}  // namespace tavik::words
