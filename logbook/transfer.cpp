#include "transfer.h"

namespace tavik::logbook {

ImportResult importAttemptsCsv(LogbookStore& store, const QString&, const ImportOptions&, const TransferProgress&)
{
    ImportResult r;
    r.store = StoreStatus{StoreFault::Other, store.path(), QStringLiteral("not yet")};
    return r;
}

ExportResult exportAttemptsCsv(LogbookStore& store, const QString&, const TransferProgress&)
{
    ExportResult r;
    r.store = StoreStatus{StoreFault::Other, store.path(), QStringLiteral("not yet")};
    return r;
}

bool sameFile(const QString&, const QString&)
{
    return false;
}

}  // namespace tavik::logbook
