// The logbook file: an SQLite database reached through Qt SQL, made when
// first written. Every change is one transaction under SQLite's rollback
// journal with full syncs, so a killed program or a full disk leaves the
// logbook as it was before the change, never half a record.
#pragma once

#include "attempt.h"

#include <QList>
#include <QString>

#include <functional>

namespace tavik::logbook {

// The schema's version, kept in the file as PRAGMA user_version.
inline constexpr int kSchemaVersion = 1;

enum class StoreFault {
    None,
    NoDriver,       // Qt's SQLite driver is not installed
    FolderNotMade,  // detail: the folder
    DiskFull,
    NotWritable,    // a read-only file, folder or disk
    Damaged,        // not a database, or a damaged one
    NewerSchema,    // written by a newer Tavik; detail: its version
    Busy,           // another program holds it locked
    Other,          // detail: SQLite's own words
    Vanished,       // the record was deleted meanwhile (another window or program); detail: its id
    NotALogbook,    // an SQLite file of another program: left as it is
    Missing,        // no logbook at that path (for reading only: export, list, records, score)
};

struct StoreStatus {
    StoreFault fault = StoreFault::None;
    QString path;
    QString detail;
    bool newFile = false;   // the logbook was being made: nothing stood there, nothing is left
    bool ok() const noexcept { return fault == StoreFault::None; }
};

// Whether an attempt's zone is one the program can read ("UTC" or an IANA id).
bool attemptZoneKnown(const QString& id);

// What tells an attempt already kept: its date, time, crescent, place,
// observer and result.
QByteArray attemptKey(const Attempt& a);

// $XDG_DATA_HOME/tavik/eszlelesek.sqlite (~/.local/share/tavik/...).
QString defaultLogbookPath();

class LogbookStore {
public:
    explicit LogbookStore(QString path);
    ~LogbookStore();
    LogbookStore(const LogbookStore&) = delete;
    LogbookStore& operator=(const LogbookStore&) = delete;

    const QString& path() const noexcept { return m_path; }
    // Lets go of the file; the next call opens it again.
    void close();

    // Every entry in the order saved; a missing file is an empty logbook, or
    // StoreFault::Missing when mustExist. A record that cannot be read (a
    // damaged row) is left out and its id put in *unreadable when given.
    StoreStatus load(QList<LogEntry>& entries, bool mustExist = false, QList<qint64>* unreadable = nullptr);
    // Calls each(entry) for every record in the order saved, without holding
    // them all; each returns false to stop. A page: at most `limit` records
    // (damaged ones counted) after the id afterId; *lastId gets the last id read.
    StoreStatus forEach(const std::function<bool(const LogEntry&)>& each, QList<qint64>* unreadable = nullptr,
                        qint64 afterId = 0, qint64 limit = -1, qint64* lastId = nullptr);
    // How many records; 0 for a missing file.
    StoreStatus count(qint64& records);
    // Saves them all in one transaction or none; each gets its id. afterRow
    // is called after each row is written, before the commit.
    StoreStatus insert(QList<LogEntry>& entries, const std::function<void(qsizetype row)>& afterRow = {});
    // Saves the entries produce() hands to add(), all in one transaction,
    // without holding them all: a fault returned by produce() or add() rolls
    // every one back. add() gives each entry its id.
    using AddEntry = std::function<StoreStatus(LogEntry&)>;
    StoreStatus insertStreamed(const std::function<StoreStatus(const AddEntry& add)>& produce);
    // StoreFault::Vanished when no record has the entry's id (any more).
    StoreStatus update(const LogEntry& entry);
    StoreStatus remove(qint64 id);

private:
    StoreStatus open(bool create);
    StoreStatus openToRead(bool& readable);
    StoreStatus makeSchema();
    StoreStatus inTransaction(const std::function<StoreStatus()>& change);

    QString m_path;
    QString m_connection;
    bool m_open = false;
    bool m_hasSchema = false;
};

}  // namespace tavik::logbook
