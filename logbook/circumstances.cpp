#include "circumstances.h"

#include <localzone.h>
#include <parallel.h>

#include <newmoons.h>
#include <sighting.h>

#include <swephexp.h>

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>

namespace tavik::logbook {

using namespace tavik::almanac;

namespace {

Site siteOf(const Attempt& a)
{
    return Site{a.site.latitude, a.site.longitude, a.site.elevation};
}

double nearestConjunction(const Ephemeris& eph, double jd)
{
    const QList<double> around = newMoonsBetween(eph, jd - 20.0, jd + 20.0);
    double nearest = around.isEmpty() ? jd : around.constFirst();
    for (double t : around) {
        if (std::abs(t - jd) < std::abs(nearest - jd))
            nearest = t;
    }
    return nearest;
}

// The evening's sunset (the morning's sunrise) of the attempt's local date.
std::optional<double> sunEventOf(const Ephemeris& eph, const Attempt& a, const QTimeZone& zone)
{
    const double midnight = julianDayOfLocalDate(a.date, zone);
    return a.evening ? nextRiseSet(eph, midnight + 0.5, SE_SUN, false, siteOf(a))
                     : nextRiseSet(eph, midnight, SE_SUN, true, siteOf(a));
}

}  // namespace

QTimeZone attemptZone(const QString& id)
{
    return zoneNamed(id, EmptyZone::None);
}

double attemptMoment(const Ephemeris& eph, const Attempt& a, bool* best)
{
    const QTimeZone zone = attemptZone(a.site.timezone);
    if (best)
        *best = !a.time;
    if (a.time) {
        // A clock time the clocks skip or repeat is read by the program's one rule.
        const CivilDateTime clock{a.date.year(), a.date.month(), a.date.day(), a.time->hour(), a.time->minute(), 0};
        return julianDayUt(clockTimeIn(clock, zone));
    }
    const std::optional<double> sunEvent = sunEventOf(eph, a, zone);
    if (!sunEvent)   // polar day or night: the local noon (midnight) stands for it
        return julianDayOfLocalDate(a.date, zone) + (a.evening ? 0.5 : 0.0);
    const double newMoon = nearestConjunction(eph, *sunEvent);
    const std::optional<CrescentSighting> c = crescentOf(eph, newMoon, *sunEvent, a.evening, siteOf(a));
    return c && c->lagDays > 0 ? c->best : *sunEvent;
}

Circumstances computeCircumstances(const Ephemeris& eph, const Attempt& a)
{
    Circumstances c;
    c.atJd = attemptMoment(eph, a, &c.bestTime);
    const Site site = siteOf(a);
    const SightingReport r = sightingAt(eph, c.atJd, site);
    const double before = r.conjunctionBefore, after = r.conjunctionAfter;
    const double conjunction = std::abs(c.atJd - before) <= std::abs(after - c.atJd) ? before : after;
    c.ageHours = (c.atJd - conjunction) * 24.0;
    if (r.crescent && r.evening == a.evening) {
        c.lagMinutes = r.crescent->lagDays * 1440.0;
    } else if (const auto sunEvent = nextRiseSet(eph, c.atJd - 0.5, SE_SUN, !a.evening, site)) {
        if (const auto other = crescentOf(eph, conjunction, *sunEvent, a.evening, site))
            c.lagMinutes = other->lagDays * 1440.0;
    }
    c.arcl = r.now.arcl;
    c.arcv = r.now.arcv;
    c.daz = r.now.daz;
    c.width = r.now.width;
    c.litFraction = r.now.litFraction;
    c.moonAltitude = r.moon.apparentAltitude;
    c.q = r.now.q;
    c.yallop = yallopClass(c.q);
    c.v = r.now.odehV;
    c.odeh = odehZone(c.v);
    c.flags = checkClaim(a, c);
    return c;
}

unsigned checkClaim(const Attempt& a, const Circumstances& c)
{
    unsigned flags = 0;
    if (c.moonAltitude <= -kMoonSemiDiameter)
        flags |= MoonBelowHorizon;
    if (c.lagMinutes && *c.lagMinutes <= 0)
        flags |= MoonSetFirst;
    if (a.evening ? c.ageHours < 0 : c.ageHours > 0)
        flags |= BeforeConjunction;
    if (a.result == Result::NakedEye && c.odeh == OdehZone::D)
        flags |= NakedEyeZoneD;
    if (a.result == Result::NakedEye && c.arcl < kDanjonLimitDegrees)
        flags |= NakedEyeDanjon;
    const auto& records = crescentRecords();
    const CrescentRecord* record = nullptr;
    switch (a.result) {
    case Result::NakedEye: record = &records[0]; break;
    case Result::Binoculars: record = &records[1]; break;
    case Result::Telescope: record = &records[2]; break;
    case Result::Camera: record = &records[3]; break;
    case Result::NotSeen: break;
    }
    // Before the conjunction (after it in the morning) has a flag of its own.
    const bool rightSide = a.evening ? c.ageHours >= 0 : c.ageHours <= 0;
    if (record && rightSide && std::abs(c.ageHours) < record->hours)
        flags |= BeyondRecord;
    return flags;
}

BatchResult computeMany(const QList<Attempt>& attempts, const QString& ephemerisFolder, int threads,
                        const std::function<void(qsizetype done)>& progress)
{
    BatchResult result;
    result.computed.resize(attempts.size());
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> done{0};
    std::atomic<bool> failed{false};
    std::mutex failureLock;
    auto work = [&] {
        try {
            // Debian's library keeps its files and settings per thread.
            const Ephemeris eph = Ephemeris::open(ephemerisFolder);
            for (qsizetype i = next++; i < attempts.size() && !failed; i = next++) {
                try {
                    result.computed[i] = computeCircumstances(eph, attempts.at(i));
                } catch (const EphemerisError& e) {
                    // A date beyond the files fails alone: the others go on, so all are named.
                    const std::lock_guard lock(failureLock);
                    if (result.failedIndex < 0 || i < result.failedIndex) {
                        result.failedIndex = i;
                        result.failure = e;
                    }
                    result.failedRows.append(i);
                }
                const qsizetype n = ++done;
                if (progress && (n % 64 == 0 || n == attempts.size()))
                    progress(n);
            }
        } catch (const EphemerisError& e) {
            const std::lock_guard lock(failureLock);
            result.failure = e;
            failed = true;
        }
        swe_close();
    };
    const int count = std::clamp<qsizetype>(threads, 1, std::max<qsizetype>(1, attempts.size() / 8));
    // Never on the caller's thread, whose own ephemeris swe_close() would close.
    onWorkerThreads(count, [&work](int) { work(); });
    return result;
}

}  // namespace tavik::logbook
