#include "logbookservice.h"

#include "circumstances.h"

namespace tavik::logbook {

SaveResult saveAttempt(LogbookStore& store, const almanac::Ephemeris& eph, const Attempt& attempt, qint64 id)
{
    SaveResult r;
    r.entry = LogEntry{id, attempt, {}};
    // Its place to the seven decimals an export writes: the attempt read back
    // from one is the same, and found to be already there.
    r.entry.attempt.site = storedSite(attempt.site);
    try {
        r.entry.computed = computeCircumstances(eph, r.entry.attempt);   // the claim's flags with them
    } catch (const almanac::EphemerisError& e) {
        r.ephemeris = e;
        return r;
    }
    if (id != 0) {
        r.store = store.update(r.entry);
        return r;
    }
    QList<LogEntry> one{r.entry};
    r.store = store.insert(one);
    if (r.store.ok())
        r.entry.id = one.constFirst().id;
    return r;
}

}  // namespace tavik::logbook
