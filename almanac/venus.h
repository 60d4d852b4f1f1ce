// Venus as a crescent: around each inferior conjunction, the days on which it
// shows less than half of its disc lit and can still be seen in the evening
// (before the conjunction) or the morning sky (after it) at the site.
//
// Visibility comes from the Swiss Ephemeris' heliacal events (Schaefer's model
// of twilight sky brightness and the eye, for a normal observer and a clear
// sky): the last evening and the first morning on which Venus can be seen.
#pragma once

#include "ephemeris.h"

#include <QList>
#include <optional>

namespace tavik::almanac {

struct DaySpan {
    double first = 0;   // UT1 Julian days
    double last = 0;
};

struct VenusCrescent {
    double conjunction = 0;             // inferior conjunction in longitude
    std::optional<DaySpan> evening;     // from dichotomy to the last evening seen
    std::optional<DaySpan> morning;     // from the first morning seen to dichotomy
    double thinnest = 1.0;              // least lit fraction on a day Venus is seen
};

// Inferior conjunctions in [jdStart, jdEnd), ascending.
QList<double> venusInferiorConjunctions(const Ephemeris& eph, double jdStart, double jdEnd);
// Lit fraction (0..1) of Venus' disc.
double venusLitFraction(const Ephemeris& eph, double jdUt);
// The crescent spans around one conjunction.
VenusCrescent venusCrescent(const Ephemeris& eph, double conjunction, const Site& site);

}  // namespace tavik::almanac
