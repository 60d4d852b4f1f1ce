#include "nextchance.h"

#include "newmoons.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>

namespace tavik::almanac {

namespace {

// Degrees of elongation: farther from the Sun the Moon sets (rises) hours
// after (before) it, no crescent to hunt in the twilight.
constexpr double kCrescent = 60.0;

struct SunEvent {
    double jd;
    bool evening;   // a sunset; else a sunrise
};

// The next sunrise or sunset after jd, whichever comes first.
std::optional<SunEvent> nextSunEvent(const Ephemeris& eph, double jd, const Site& site)
{
    const std::optional<double> rise = nextRiseSet(eph, jd, SE_SUN, true, site);
    const std::optional<double> set = nextRiseSet(eph, jd, SE_SUN, false, site);
    if (rise && (!set || *rise < *set))
        return SunEvent{*rise, false};
    if (set)
        return SunEvent{*set, true};
    return std::nullopt;
}

constexpr double kFastestElongation = 16.0;   // degrees a day: the Moon draws away from the Sun no faster

}  // namespace

std::optional<Chance> nextChance(const Ephemeris& eph, double jdUt, const Site& site,
                                 std::optional<YallopClass> worst, double days)
{
    // A best time comes at most a few hours after its sunset (before its
    // sunrise): half a day back finds every one still ahead.
    double from = jdUt - 0.5;
    while (from < jdUt + days) {
        const std::optional<SunEvent> e = nextSunEvent(eph, from, site);
        if (!e) {   // polar day or night
            from += 1.0;
            continue;
        }
        from = e->jd + 0.01;
        const double elongation = moonSunElongation(eph, e->jd).degrees;   // (-180, 180]
        if (std::abs(elongation) >= kCrescent) {
            // On to a little before the old crescent.
            const double toMorning = elongation > 0 ? 360.0 - kCrescent - elongation   // [0, 240]
                                                    : -kCrescent - elongation;
            from = std::max(from, e->jd + toMorning / kFastestElongation);
            continue;
        }
        if ((elongation > 0) != e->evening)
            continue;
        const std::optional<CrescentSighting> c = crescentOfNight(eph, newMoonNear(eph, e->jd), e->jd, e->evening, site);
        if (!c || c->best <= jdUt || (worst && c->visibility > *worst))
            continue;
        return Chance{*c};
    }
    return std::nullopt;
}

UsableChance nextUsableChance(const Ephemeris& eph, double jdUt, const Site& site, double days)
{
    UsableChance u;
    double from = jdUt;
    for (;;) {
        const std::optional<Chance> c = nextChance(eph, from, site, std::nullopt, jdUt + days - from);
        if (!c)
            return u;
        if (c->visibility() <= YallopClass::C) {
            u.chance = c;
            return u;
        }
        u.passedOver.append(*c);
        from = c->time();
    }
}

double dateMoment(const Ephemeris& eph, QDate date, const Site& site, const QTimeZone& zone)
{
    const double start = julianDayUt(date.startOfDay(zone));
    const double noon = julianDayUt(QDateTime(date, QTime(12, 0), zone));
    const bool evening = moonSunElongation(eph, noon).degrees > 0;
    const std::optional<double> sunEvent = nextRiseSet(eph, start, SE_SUN, !evening, site);
    if (!sunEvent || *sunEvent > start + 1.0)
        return noon;
    const std::optional<CrescentSighting> c = crescentOfNight(eph, newMoonNear(eph, *sunEvent), *sunEvent, evening, site);
    return c ? c->best : *sunEvent;
}

}  // namespace tavik::almanac
