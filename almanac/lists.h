// The events of the five list files within a span of years: the new moons,
// the early crescents, the eclipses and Venus' inferior conjunctions. The
// words layer (words/listwords.h) writes them as the files' text lines; the
// column starts below are the files' layout, shared with the list windows.
#pragma once

#include "crescents.h"
#include "eclipses.h"
#include "ephemeris.h"
#include "venus.h"

#include <QList>
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

// The events whose time (the best time of a crescent, the greatest phase of
// an eclipse, the conjunction) falls within the settings' years, in local
// civil time, ascending. Each throws EphemerisError on a fault of the ephemeris.
QList<double> newMoonsInYears(const Ephemeris& eph, const ListSettings& s);
// A morning before and an evening after each new moon, where the crescent has a best time.
QList<CrescentSighting> crescentsInYears(const Ephemeris& eph, const ListSettings& s);
QList<SolarEclipse> solarEclipsesInYears(const Ephemeris& eph, const ListSettings& s);
QList<LunarEclipse> lunarEclipsesInYears(const Ephemeris& eph, const ListSettings& s);
struct VenusPassage {
    double conjunction = 0;   // the inferior conjunction
    VenusCrescent crescent;
};
QList<VenusPassage> venusPassagesInYears(const Ephemeris& eph, const ListSettings& s);

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

}  // namespace tavik::almanac
