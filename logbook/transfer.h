// The logbook to and from CSV files as wholes: an import streams the file's
// rows into one transaction (all or nothing, an attempt already kept is not
// added twice), an export writes every record it can read. Both return facts;
// the window and the command choose the words.
#pragma once

#include "csvfile.h"
#include "logbookstore.h"

#include <datafiles.h>
#include <ephemeris.h>

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace tavik::logbook {

// Called now and then with the work done and the whole (bytes of the CSV for
// an import, records for an export); false cancels: an import then rolls
// back and leaves the logbook as it was. Called on the caller's thread.
using TransferProgress = std::function<bool(qint64 done, qint64 total)>;

// The most faults an import names before it stops looking.
inline constexpr int kMaxImportFaults = 100;

struct ImportOptions {
    QString ephemerisFolder;   // empty: the usual places
    int threads = 0;           // for the circumstances; 0: every core
    int maxFaults = kMaxImportFaults;
};

struct ImportResult {
    qint64 added = 0;          // new attempts now in the logbook
    qint64 alreadyThere = 0;   // same date, time, crescent, place, observer and result as one kept
    QList<CsvFault> faults;    // every bad line and field, up to maxFaults; then nothing is added
    bool moreFaults = false;   // there were more than maxFaults
    FileStatus file;           // the CSV could not be read
    StoreStatus store;         // the logbook could not be read or written
    bool cancelled = false;    // the progress callback said stop; nothing was added
    std::optional<almanac::EphemerisError> ephemeris;   // it could not be opened at all: nothing was added
    bool ok() const noexcept { return faults.isEmpty() && file.ok() && store.ok() && !cancelled && !ephemeris; }
};

ImportResult importAttemptsCsv(LogbookStore& store, const QString& csvPath, const ImportOptions& options = {},
                               const TransferProgress& progress = {});

struct ExportResult {
    qint64 written = 0;        // records written to the CSV
    QList<qint64> unreadable;  // ids of damaged records left out (the rest is written)
    FileStatus file;           // the CSV could not be written (or is the logbook itself)
    StoreStatus store;         // the logbook could not be read (a missing one: StoreFault::Missing)
    bool sameFile = false;     // the CSV path is the logbook (also through a link): nothing written
    bool ok() const noexcept { return file.ok() && store.ok() && !sameFile; }
};

// Writes the CSV through the safe writer; nothing is written when the
// logbook does not exist, is not a Tavik logbook, or is the CSV's own path.
ExportResult exportAttemptsCsv(LogbookStore& store, const QString& csvPath, const TransferProgress& progress = {});

// Whether two paths name the same file (device and inode, links followed).
bool sameFile(const QString& a, const QString& b);

}  // namespace tavik::logbook
