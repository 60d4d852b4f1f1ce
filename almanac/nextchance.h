// The next chance to see a crescent from a site: the evenings after a new
// moon and the mornings before one, walked in time order. The visibility
// window's "Most" and "Következő esély" and "tavik-almanac sighting --next"
// choose their evening (morning) here, and a date typed without a time is
// read as its evening's (morning's) best time.
#pragma once

#include "crescents.h"
#include "ephemeris.h"

#include <QDate>
#include <QList>
#include <QTimeZone>

#include <optional>

namespace tavik::almanac {

// A crescent's evening is one whose sunset finds the Moon east of the Sun
// and within 60 degrees of it; its morning one whose sunrise finds it west
// of the Sun, as close. Where the Moon sets before the Sun (rises
// after it) the best time is the sunset (sunrise) itself, of class F.
struct Chance {
    CrescentSighting sighting;
    double time() const noexcept { return sighting.best; }
    bool evening() const noexcept { return sighting.evening; }
    YallopClass visibility() const noexcept { return sighting.visibility; }
};

// The first crescent evening or morning after jdUt whose best time is later
// than jdUt, within `days`; with `worst`, the first whose Yallop class is at
// least that good. Throws EphemerisError.
std::optional<Chance> nextChance(const Ephemeris& eph, double jdUt, const Site& site,
                                 std::optional<YallopClass> worst = std::nullopt, double days = 60.0);

// The next chance a hunter can use, of class C or better, as nextChance
// with that class finds it; and the nearer evenings and mornings it passed
// over on the way, each of a worse class, in time order. Throws
// EphemerisError.
struct UsableChance {
    std::optional<Chance> chance;   // none within `days`
    QList<Chance> passedOver;
};
UsableChance nextUsableChance(const Ephemeris& eph, double jdUt, const Site& site, double days = 60.0);

// The moment a date alone stands for: that day's evening best time, or for a
// waning Moon its morning's; the sunset (sunrise) where the crescent has no
// best time, local noon where the Sun neither sets nor rises. Throws
// EphemerisError.
double dateMoment(const Ephemeris& eph, QDate date, const Site& site, const QTimeZone& zone);

}  // namespace tavik::almanac
