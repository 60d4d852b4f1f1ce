#include "logbookservice.h"

#include "circumstances.h"

namespace tavik::logbook {

SaveResult saveAttempt(LogbookStore& store, const almanac::Ephemeris& eph, const Attempt& attempt, qint64 id)
{
    SaveResult r;
    r.entry = LogEntry{id, attempt, {}};
    try {
        r.entry.computed = computeCircumstances(eph, attempt);   // the claim's flags with them
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
