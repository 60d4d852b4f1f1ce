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
};

struct StoreStatus {
    StoreFault fault = StoreFault::None;
    QString path;
    QString detail;
    bool ok() const noexcept { return fault == StoreFault::None; }
};

// A Hungarian sentence naming the file and the reason.
QString describeStoreStatus(const StoreStatus& status);

// $XDG_DATA_HOME/tavik/eszlelesek.sqlite (~/.local/share/tavik/...).
QString defaultLogbookPath();

class LogbookStore {
public:
    explicit LogbookStore(QString path);
    ~LogbookStore();
    LogbookStore(const LogbookStore&) = delete;
    LogbookStore& operator=(const LogbookStore&) = delete;

    const QString& path() const noexcept { return m_path; }

    // Every entry in the order saved; a missing file is an empty logbook.
    StoreStatus load(QList<LogEntry>& entries);
    // Saves them all in one transaction or none; each gets its id. afterRow
    // is called after each row is written, before the commit.
    StoreStatus insert(QList<LogEntry>& entries, const std::function<void(qsizetype row)>& afterRow = {});
    StoreStatus update(const LogEntry& entry);
    StoreStatus remove(qint64 id);

private:
    StoreStatus open(bool create);
    StoreStatus inTransaction(const std::function<StoreStatus()>& change);

    QString m_path;
    QString m_connection;
    bool m_open = false;
};

}  // namespace tavik::logbook
