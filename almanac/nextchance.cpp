#include "nextchance.h"

#include "newmoons.h"

#include <swephexp.h>

#include <cmath>

namespace tavik::almanac {

namespace {

constexpr double kHalfLit = 90.0;   // degrees of elongation: beyond it the Moon is more than half lit

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

// The crescent of this sunset (sunrise), where it is a crescent's.
std::optional<CrescentSighting> crescentAt(const Ephemeris& eph, const SunEvent& e, const Site& site)
{
    const double elongation = moonSunElongation(eph, e.jd).degrees;   // (-180, 180]
    if ((elongation > 0) != e.evening || std::abs(elongation) >= kHalfLit)
        return std::nullopt;
    return crescentOf(eph, newMoonNear(eph, e.jd), e.jd, e.evening, site);
}

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
        const std::optional<CrescentSighting> c = crescentAt(eph, *e, site);
        if (!c || c->best <= jdUt || (worst && c->visibility > *worst))
            continue;
        return Chance{*c};
    }
    return std::nullopt;
}

double dateMoment(const Ephemeris& eph, QDate date, const Site& site, const QTimeZone& zone)
{
    const double start = julianDayUt(date.startOfDay(zone));
    const double noon = julianDayUt(QDateTime(date, QTime(12, 0), zone));
    const bool evening = moonSunElongation(eph, noon).degrees > 0;
    const std::optional<double> sunEvent = nextRiseSet(eph, start, SE_SUN, !evening, site);
    if (!sunEvent || *sunEvent > start + 1.0)
        return noon;
    const std::optional<CrescentSighting> c = crescentOf(eph, newMoonNear(eph, *sunEvent), *sunEvent, evening, site);
    return c ? c->best : *sunEvent;
}

}  // namespace tavik::almanac
