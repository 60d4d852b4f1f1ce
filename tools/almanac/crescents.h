// Early crescents: for a new moon, the first evening after it and the last
// morning before it, with Yallop's q test of first visibility
// (B. D. Yallop, "A method for predicting the first sighting of the new
// crescent Moon", NAO Technical Note 69, 1997/1998).
#pragma once

#include "ephemeris.h"

#include <QList>
#include <optional>

namespace tavik::almanac {

enum class YallopClass { A, B, C, D, E, F };

struct CrescentSighting {
    double newMoon = 0;       // UT1 Julian days
    double best = 0;          // best time to look: sunset + 4/9 lag, sunrise - 4/9 lag
    bool evening = true;
    double lagDays = 0;       // moonset - sunset (evening), sunrise - moonrise (morning)
    double ageDays = 0;       // best - newMoon; negative in the morning before it
    std::optional<double> q;  // none when the Moon is below the horizon with the Sun
    YallopClass visibility = YallopClass::F;
};

// The evening after and the morning before the new moon at the site; a
// sighting is left out where the Sun or the Moon neither rises nor sets.
std::optional<CrescentSighting> eveningAfter(const Ephemeris& eph, double newMoon, const Site& site);
std::optional<CrescentSighting> morningBefore(const Ephemeris& eph, double newMoon, const Site& site);

// Yallop's q at the given moment (geocentric, airless altitudes) and its class.
double yallopQ(const Ephemeris& eph, double jdUt, const Site& site);
YallopClass yallopClass(double q);
QChar yallopLetter(YallopClass c);
// A short Hungarian phrase for the class: "könnyen látható" ... "nem látható".
QString yallopWords(YallopClass c);

// The next rise or set of the Sun or the Moon after jdUt (upper limb,
// standard refraction); none where it has none within a day or so.
std::optional<double> nextRiseSet(const Ephemeris& eph, double jdUt, int body, bool rise, const Site& site);

}  // namespace tavik::almanac
