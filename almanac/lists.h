// The five list files as text lines: the new-moon list (one entry a line, no
// heading) and the four reference lists (Hungarian heading rows, then one row
// per event, columns padded with blanks for the monospaced list windows).
#pragma once

#include "ephemeris.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>

namespace tavik::almanac {

struct ListSettings {
    Site site;
    QString siteName = ObservingSite{}.name;   // before the coordinates in the headings; may be empty
    QTimeZone zone = ObservingSite{}.zone();
    int fromYear = 2020;   // inclusive, in local civil time
    int toYear = 2050;
};

// Each list throws EphemerisError on a fault of the ephemeris.
// "ujholdak.txt": date and minute (2026.12.09 00:52), ascending.
QStringList newMoonLines(const Ephemeris& eph, const ListSettings& s);
// "holdsarlok.txt": time, "este"/"reggel", age, Yallop class; two heading
// rows with what the window's labels above the columns do not say.
QStringList crescentLines(const Ephemeris& eph, const ListSettings& s);
// "napfogyik.txt" and "holdfogyik.txt".
QStringList solarEclipseLines(const Ephemeris& eph, const ListSettings& s);
QStringList lunarEclipseLines(const Ephemeris& eph, const ListSettings& s);
// "venusz.txt": a third heading row names the site.
QStringList venusLines(const Ephemeris& eph, const ListSettings& s);

// Column starts of "holdsarlok.txt", in characters: under the window's
// headings "Időpont", "Mikor?" and "Holdsarló kora (kb.)", which stand 0,
// 3120 and 4320 twips from the list's left edge (Liberation Mono 15 pt,
// 12 pixels a character at 96 dots per inch, and a few pixels of margin
// before the list's text).
inline constexpr int kCrescentWhenColumn = 17;
inline constexpr int kCrescentAgeColumn = 24;
inline constexpr int kCrescentClassColumn = 45;

// Column widths of the other three lists, in characters.
inline constexpr int kSolarWhenWidth = 18;        // "Legnagyobb fázis"
inline constexpr int kSolarTypeWidth = 11;        // "Típus"
inline constexpr int kSolarMagnitudeWidth = 9;    // "Nagyság"
inline constexpr int kLunarWhenWidth = 18;
inline constexpr int kLunarTypeWidth = 13;
inline constexpr int kLunarUmbralWidth = 10;      // "Árnyék-nagyság"
inline constexpr int kLunarPenumbralWidth = 12;   // "Félárnyék-nagyság"
inline constexpr int kVenusConjunctionWidth = 13; // "Alsó együttállás"
inline constexpr int kVenusSpanWidth = 28;        // "Esti sarló", "Hajnali sarló": two dates

// Pieces shared by the lists and their tests.
QString decimalText(double value, int decimals);   // "0,9376" in Hungarian, "0.9376" in English
// A signed span of time, for the lists and the report: "16 óra 3 perc",
// "-25 óra 10 perc", and under an hour "8 perc", "-8 perc" (minutes before
// the conjunction).
QString signedDurationText(double days);
QString siteText(const Site& site);                     // "É 47,4979°, K 19,0402°, 100 m"
QString siteHeading(const ListSettings& s);             // "Szeged, É 46,2530°, K 20,1480°, 80 m"

}  // namespace tavik::almanac
