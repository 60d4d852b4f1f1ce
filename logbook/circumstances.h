// The circumstances of an attempt, computed when it is saved with the same
// code as "tavik-almanac sighting", and the checks of its claim.
#pragma once

#include "attempt.h"

#include <ephemeris.h>

#include <QTimeZone>

#include <functional>

namespace tavik::logbook {

// The zone of an attempt's site, by the program's one reading of zones
// (zoneNamed): an attempt without a zone has none, not the computer's.
QTimeZone attemptZone(const QString& id);

// The moment of the attempt: the time given, in the site's zone; without one
// the evening's (morning's) best time, sunset + 4/9 lag (sunrise - 4/9 lag),
// or the sunset (sunrise) itself where the Moon sets first (rises after).
// *best tells which. Throws EphemerisError.
double attemptMoment(const almanac::Ephemeris& eph, const Attempt& a, bool* best = nullptr);

// Everything kept with the record, flags included. Throws EphemerisError.
Circumstances computeCircumstances(const almanac::Ephemeris& eph, const Attempt& a);

// The flags of a claim, from the figures computed for it.
unsigned checkClaim(const Attempt& a, const Circumstances& c);

// Many attempts at once, split over `threads` threads that each open the
// ephemeris (of `ephemerisFolder`, empty: the usual places) for themselves.
// progress(done) is called from the workers, now and then.
struct BatchResult {
    QList<Circumstances> computed;   // in the attempts' order, when all went well
    qsizetype failedIndex = -1;      // the first attempt the ephemeris failed on
    std::optional<almanac::EphemerisError> failure;   // why, for the words layer to say
    QList<qsizetype> failedRows;     // every attempt the ephemeris failed on, in no order
    bool ok() const noexcept { return failedIndex < 0 && !failure; }
};
BatchResult computeMany(const QList<Attempt>& attempts, const QString& ephemerisFolder, int threads,
                        const std::function<void(qsizetype done)>& progress = {});

}  // namespace tavik::logbook
