// Saving an attempt, the one way the logbook window, its form and
// "tavik-almanac log add" all do it: the circumstances computed with the
// ephemeris, the claim checked against them, the record stored.
#pragma once

#include "attempt.h"
#include "logbookstore.h"

#include <ephemeris.h>

#include <optional>

namespace tavik::logbook {

struct SaveResult {
    LogEntry entry;                                 // as computed; its id once stored
    std::optional<almanac::EphemerisError> ephemeris;   // the computation failed: nothing stored
    StoreStatus store;                              // the store's fault; Vanished: the record was deleted meanwhile
    bool ok() const noexcept { return !ephemeris && store.ok(); }
};

// Computes the attempt's circumstances and flags and stores it: a new record
// when id is 0, else in place of the record with that id. Nothing is stored
// when the ephemeris fails.
SaveResult saveAttempt(LogbookStore& store, const almanac::Ephemeris& eph, const Attempt& attempt, qint64 id = 0);

}  // namespace tavik::logbook
