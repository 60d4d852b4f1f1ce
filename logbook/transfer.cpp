#include "transfer.h"

#include "circumstances.h"

#include <parallel.h>

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>

namespace tavik::logbook {

namespace {

// The rows computed together: enough for every core, few enough to keep memory small.
constexpr qsizetype kBatch = 1024;
// The records read from the logbook at a time for an export.
constexpr qint64 kExportPage = 2048;

struct Importer {
    LogbookStore& store;
    const ImportOptions& options;
    const TransferProgress& progress;
    ImportResult result;
    QSet<QByteArray> kept;
    QList<Attempt> batch;
    QList<int> batchLines;
    bool stopped = false;

    void fault(const CsvFault& f)
    {
        if (result.faults.size() < options.maxFaults)
            result.faults.append(f);
        else
            result.moreFaults = true;
    }

    // Computes the batch and saves its new attempts; nothing is saved once a fault was found.
    StoreStatus flush(const LogbookStore::AddEntry& add)
    {
        if (batch.isEmpty())
            return {};
        const int threads = options.threads > 0 ? options.threads : idealWorkerCount();
        const BatchResult computed = computeMany(batch, options.ephemerisFolder, threads);
        if (!computed.ok() && computed.failedRows.isEmpty()) {   // the ephemeris itself is missing
            result.ephemeris = computed.failure;
            return {StoreFault::Other, store.path(), {}};
        }
        QList<qsizetype> failed = computed.failedRows;
        std::sort(failed.begin(), failed.end());
        for (qsizetype i : std::as_const(failed))
            fault(CsvFault{CsvFaultKind::OutsideEphemeris, batchLines.at(i), QStringLiteral("date"),
                           batch.at(i).date.toString(Qt::ISODate), {}});
        for (qsizetype i = 0; i < batch.size() && result.faults.isEmpty() && !result.moreFaults; ++i) {
            LogEntry e{0, batch.at(i), computed.computed.at(i)};
            if (StoreStatus s = add(e); !s.ok())
                return s;
            ++result.added;
        }
        batch.clear();
        batchLines.clear();
        return {};
    }

    StoreStatus run(AttemptCsvReader& reader, qint64 total, const LogbookStore::AddEntry& add)
    {
        AttemptCsvReader::Row row;
        while (reader.next(row)) {
            for (const CsvFault& f : std::as_const(row.faults))
                fault(f);
            if (row.faults.isEmpty()) {
                if (kept.contains(attemptKey(row.attempt))) {
                    ++result.alreadyThere;
                } else {
                    batch.append(row.attempt);
                    batchLines.append(row.line);
                }
            }
            if (batch.size() >= kBatch) {
                if (StoreStatus s = flush(add); !s.ok())
                    return s;
                if (progress && !progress(reader.bytesRead(), total)) {
                    result.cancelled = stopped = true;
                    return {StoreFault::Other, store.path(), {}};
                }
            }
        }
        for (const CsvFault& f : reader.fileFaults())
            fault(f);
        if (StoreStatus s = flush(add); !s.ok())
            return s;
        if (progress && !progress(total, total)) {
            result.cancelled = stopped = true;
            return {StoreFault::Other, store.path(), {}};
        }
        if (!result.faults.isEmpty()) {   // nothing of a bad file is kept
            stopped = true;
            return {StoreFault::Other, store.path(), {}};
        }
        return {};
    }
};

}  // namespace

ImportResult importAttemptsCsv(LogbookStore& store, const QString& csvPath, const ImportOptions& options,
                               const TransferProgress& progress)
{
    Importer importer{store, options, progress, {}, {}, {}, {}, false};
    ImportResult& result = importer.result;
    QFile file(csvPath);
    const FileRead<QByteArray> probe = readFileBytes(csvPath, 0);   // the data files' checks and words
    if (!probe.ok() && probe.status.reason != FileReason::TooLarge) {
        result.file = probe.status;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.file = FileStatus{FileError::NotReadable, QFileInfo(csvPath).fileName(), file.errorString()};
        return result;
    }
    if (StoreStatus s = store.forEach([&](const LogEntry& e) {
            importer.kept.insert(attemptKey(e.attempt));
            return true;
        });
        !s.ok()) {
        result.store = s;
        return result;
    }
    AttemptCsvReader reader(file);
    const qint64 total = file.size();
    const bool existed = QFileInfo::exists(store.path());
    const StoreStatus s = store.insertStreamed(
        [&](const LogbookStore::AddEntry& add) { return importer.run(reader, total, add); });
    if (importer.stopped || result.ephemeris) {
        result.added = 0;
    } else {
        result.store = s;
        if (!s.ok())
            result.added = 0;
    }
    if (!result.faults.isEmpty() || result.cancelled || result.ephemeris)
        result.added = 0;
    std::stable_sort(result.faults.begin(), result.faults.end(),
                     [](const CsvFault& a, const CsvFault& b) { return a.line < b.line; });
    if (!existed && result.added == 0 && !result.ok()) {   // a logbook made for nothing is not left behind
        store.close();
        QFile::remove(store.path());
    }
    return result;
}

ExportResult exportAttemptsCsv(LogbookStore& store, const QString& csvPath, const TransferProgress& progress)
{
    ExportResult result;
    if (sameFile(store.path(), csvPath)) {
        result.sameFile = true;
        return result;
    }
    if (!QFileInfo::exists(store.path())) {
        result.store = StoreStatus{StoreFault::Missing, store.path(), {}};
        return result;
    }
    qint64 total = 0;
    if (StoreStatus s = store.count(total); !s.ok()) {
        result.store = s;
        return result;
    }
    // The records go out a page at a time, read between the writer's pieces.
    QByteArray piece = attemptsCsv({});
    const qsizetype headerSize = piece.size();
    bool headerDone = false, readDone = false;
    qint64 lastId = 0;
    StoreStatus readStatus;
    auto nextPiece = [&]() -> QByteArrayView {
        if (!headerDone) {
            headerDone = true;
            return piece;
        }
        while (!readDone) {
            QList<LogEntry> page;
            const qint64 before = lastId;
            readStatus = store.forEach([&](const LogEntry& e) {
                page.append(e);
                return true;
            }, &result.unreadable, lastId, kExportPage, &lastId);
            if (!readStatus.ok())   // a piece the writer refuses: the file is left as it was
                return QByteArrayView("\0", 1);
            if (lastId == before)
                readDone = true;
            if (page.isEmpty())
                continue;
            piece = attemptsCsv(page).mid(headerSize);
            result.written += page.size();
            if (progress)
                progress(result.written, total);
            return piece;
        }
        return {};
    };
    FileSystemCalls calls = FileSystemCalls::system();
    const auto write = calls.write;
    calls.write = [&](int fd, const char* data, std::size_t size) -> long {
        if (!readStatus.ok()) {
            errno = ECANCELED;
            return -1;
        }
        return write(fd, data, size);
    };
    result.file = replaceWholeFileStreamed(csvPath, nextPiece, calls);
    result.store = readStatus;
    if (!readStatus.ok()) {
        result.file = {};
        result.written = 0;
    }
    return result;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace tavik::logbook
