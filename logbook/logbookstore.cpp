#include "logbookstore.h"

#include <datafolders.h>
#include <localzone.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <atomic>
#include <cmath>
#include <iterator>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace tavik::logbook {

namespace {

constexpr int kSqliteBusy = 5, kSqliteReadOnly = 8, kSqliteIoError = 10, kSqliteCorrupt = 11,
              kSqliteFull = 13, kSqliteCantOpen = 14, kSqliteNotADatabase = 26, kSqlitePermission = 3;

StoreStatus statusOf(const QSqlError& e, const QString& path)
{
    int code = e.nativeErrorCode().toInt() & 0xff;
    if (code == 0 && e.databaseText().contains(QLatin1String("disk is full")))
        code = kSqliteFull;   // an error Qt passed on without SQLite's code
    StoreStatus s{StoreFault::Other, path, e.databaseText()};
    switch (code) {
    case kSqliteFull: s.fault = StoreFault::DiskFull; break;
    case kSqliteReadOnly:
    case kSqlitePermission:
    case kSqliteCantOpen: s.fault = StoreFault::NotWritable; break;
    case kSqliteCorrupt:
    case kSqliteNotADatabase: s.fault = StoreFault::Damaged; break;
    case kSqliteBusy: s.fault = StoreFault::Busy; break;
    case kSqliteIoError: s.fault = StoreFault::Other; break;
    default: break;
    }
    return s;
}

// Qt binds a null string as NULL; the text columns hold "" instead.
QString text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

// One column of the attempts table: its name, its declaration, how a record
// gives its value and how a value read back goes into a record. The table
// below is the one place the columns' order is written: CREATE, INSERT,
// UPDATE and SELECT are all made from it.
struct Column {
    const char* name;
    const char* declaration;
    QVariant (*value)(const LogEntry&);
    void (*read)(LogEntry&, const QVariant&);   // none: derived from other columns
};

// A computed figure kept as a REAL.
template <double Circumstances::*field>
constexpr Column computedReal(const char* name)
{
    return {name, "REAL NOT NULL", [](const LogEntry& e) -> QVariant { return e.computed.*field; },
            [](LogEntry& e, const QVariant& v) { e.computed.*field = v.toDouble(); }};
}

constexpr Column kColumns[] = {
    {"date", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return e.attempt.date.toString(Qt::ISODate); },
     [](LogEntry& e, const QVariant& v) { e.attempt.date = QDate::fromString(v.toString(), Qt::ISODate); }},
    {"time", "TEXT",
     [](const LogEntry& e) {
         return e.attempt.time ? QVariant(e.attempt.time->toString(QStringLiteral("HH:mm")))
                               : QVariant(QMetaType(QMetaType::QString));
     },
     [](LogEntry& e, const QVariant& v) {
         if (!v.isNull())
             e.attempt.time = QTime::fromString(v.toString(), QStringLiteral("HH:mm"));
     }},
    {"zone", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return e.attempt.site.timezone; },
     [](LogEntry& e, const QVariant& v) { e.attempt.site.timezone = v.toString(); }},
    {"crescent", "TEXT NOT NULL",
     [](const LogEntry& e) -> QVariant {
         return e.attempt.evening ? QStringLiteral("evening") : QStringLiteral("morning");
     },
     [](LogEntry& e, const QVariant& v) { e.attempt.evening = v.toString() != QLatin1String("morning"); }},
    {"site", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return text(e.attempt.site.name); },
     [](LogEntry& e, const QVariant& v) { e.attempt.site.name = v.toString(); }},
    {"latitude", "REAL NOT NULL", [](const LogEntry& e) -> QVariant { return e.attempt.site.latitude; },
     [](LogEntry& e, const QVariant& v) { e.attempt.site.latitude = v.toDouble(); }},
    {"longitude", "REAL NOT NULL", [](const LogEntry& e) -> QVariant { return e.attempt.site.longitude; },
     [](LogEntry& e, const QVariant& v) { e.attempt.site.longitude = v.toDouble(); }},
    {"elevation", "REAL NOT NULL", [](const LogEntry& e) -> QVariant { return e.attempt.site.elevation; },
     [](LogEntry& e, const QVariant& v) { e.attempt.site.elevation = v.toDouble(); }},
    {"observer", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return text(e.attempt.observer); },
     [](LogEntry& e, const QVariant& v) { e.attempt.observer = v.toString(); }},
    {"result", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return resultKey(e.attempt.result); },
     [](LogEntry& e, const QVariant& v) { e.attempt.result = resultFromKey(v.toString()).value_or(Result::NotSeen); }},
    {"instrument", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return text(e.attempt.instrument); },
     [](LogEntry& e, const QVariant& v) { e.attempt.instrument = v.toString(); }},
    {"sky", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return text(skyKey(e.attempt.sky)); },
     [](LogEntry& e, const QVariant& v) { e.attempt.sky = skyFromKey(v.toString()).value_or(Sky::Unknown); }},
    {"notes", "TEXT NOT NULL", [](const LogEntry& e) -> QVariant { return text(e.attempt.notes); },
     [](LogEntry& e, const QVariant& v) { e.attempt.notes = v.toString(); }},
    {"computation", "INTEGER NOT NULL", [](const LogEntry& e) -> QVariant { return e.computed.version; },
     [](LogEntry& e, const QVariant& v) { e.computed.version = v.toInt(); }},
    computedReal<&Circumstances::atJd>("at_jd"),
    {"best_time", "INTEGER NOT NULL", [](const LogEntry& e) -> QVariant { return int(e.computed.bestTime); },
     [](LogEntry& e, const QVariant& v) { e.computed.bestTime = v.toInt() != 0; }},
    computedReal<&Circumstances::ageHours>("age_h"),
    {"lag_min", "REAL",
     [](const LogEntry& e) {
         return e.computed.lagMinutes ? QVariant(*e.computed.lagMinutes) : QVariant(QMetaType(QMetaType::Double));
     },
     [](LogEntry& e, const QVariant& v) {
         if (!v.isNull())
             e.computed.lagMinutes = v.toDouble();
     }},
    computedReal<&Circumstances::arcl>("arcl"),
    computedReal<&Circumstances::arcv>("arcv"),
    computedReal<&Circumstances::daz>("daz"),
    computedReal<&Circumstances::width>("w_arcmin"),
    computedReal<&Circumstances::litFraction>("lit"),
    computedReal<&Circumstances::moonAltitude>("moon_alt"),
    computedReal<&Circumstances::q>("q"),
    // The class letters are kept for other readers of the file; read back, they follow from q and V.
    {"yallop", "TEXT NOT NULL",
     [](const LogEntry& e) -> QVariant { return QString(almanac::yallopLetter(e.computed.yallop)); }, nullptr},
    computedReal<&Circumstances::v>("v"),
    {"odeh", "TEXT NOT NULL",
     [](const LogEntry& e) -> QVariant { return QString(almanac::odehLetter(e.computed.odeh)); }, nullptr},
    {"flags", "INTEGER NOT NULL", [](const LogEntry& e) -> QVariant { return e.computed.flags; },
     [](LogEntry& e, const QVariant& v) { e.computed.flags = v.toUInt(); }},
};

// The position of a column in the table (and after the id in a SELECT).
constexpr int columnIndex(std::string_view name)
{
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        if (name == kColumns[i].name)
            return i;
    }
    return -1;
}

// The statements, each made once from the table: every column's name,
// followed by `after` (and its declaration when asked).
QString columnList(const char* after = "", bool declared = false)
{
    QStringList parts;
    for (const Column& c : kColumns) {
        parts << QLatin1String(c.name) + QLatin1String(after)
                     + (declared ? u' ' + QLatin1String(c.declaration) : QString());
    }
    return parts.join(QStringLiteral(", "));
}

QString createStatement()
{
    return QStringLiteral("CREATE TABLE attempts ( id INTEGER PRIMARY KEY, %1)").arg(columnList("", true));
}

QString insertStatement()
{
    QStringList marks;
    for (qsizetype i = 0; i < qsizetype(std::size(kColumns)); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO attempts (%1) VALUES (%2)").arg(columnList(), marks.join(u','));
}

QString updateStatement()
{
    return QStringLiteral("UPDATE attempts SET %1 WHERE id=?").arg(columnList("=?"));
}

QString selectStatement()
{
    return QStringLiteral("SELECT id, %1 FROM attempts WHERE id > ? ORDER BY id LIMIT ?").arg(columnList());
}

void bindEntry(QSqlQuery& q, const LogEntry& e)
{
    for (int i = 0; i < int(std::size(kColumns)); ++i)
        q.bindValue(i, kColumns[i].value(e));
}

LogEntry entryOf(const QSqlQuery& q)
{
    LogEntry e;
    e.id = q.value(0).toLongLong();
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        if (kColumns[i].read)
            kColumns[i].read(e, q.value(i + 1));
    }
    e.computed.yallop = almanac::yallopClass(e.computed.q);
    e.computed.odeh = almanac::odehZone(e.computed.v);
    return e;
}

// Whether a record read back is one the program could have written: a damaged
// row (bytes changed inside the file) would make its CSV unreadable.
bool plausible(const QSqlQuery& q, const LogEntry& e)
{
    auto v = [&](std::string_view column) { return q.value(columnIndex(column) + 1).toString(); };
    const Attempt& a = e.attempt;
    const Circumstances& c = e.computed;
    const bool words = resultFromKey(v("result")) && skyFromKey(v("sky"))
                       && (v("crescent") == QLatin1String("evening") || v("crescent") == QLatin1String("morning"));
    const bool numbers = kLatitudeRange.contains(a.site.latitude) && kLongitudeRange.contains(a.site.longitude)
                         && kElevationRange.contains(a.site.elevation) && std::isfinite(c.ageHours)
                         && std::isfinite(c.q) && std::isfinite(c.v) && std::isfinite(c.arcl);
    return a.date.isValid() && (!a.time || a.time->isValid()) && words && numbers
           && attemptZoneKnown(a.site.timezone);
}


}  // namespace

bool attemptZoneKnown(const QString& id)
{
    return zoneNamed(id, EmptyZone::None).isValid();
}

QByteArray attemptKey(const Attempt& a)
{
    const QStringList parts{a.date.toString(Qt::ISODate),
                            a.time ? a.time->toString(QStringLiteral("HH:mm")) : QString(),
                            a.evening ? QStringLiteral("e") : QStringLiteral("m"),
                            a.site.name,
                            QString::number(a.site.latitude, 'g', 17),
                            QString::number(a.site.longitude, 'g', 17),
                            a.observer,
                            resultKey(a.result)};
    return QCryptographicHash::hash(parts.join(QChar(0)).toUtf8(), QCryptographicHash::Sha1).left(16);
}

QString defaultLogbookPath()
{
    return DataFolders::userDataHome() + QStringLiteral("/tavik/eszlelesek.sqlite");
}

LogbookStore::LogbookStore(QString path) : m_path(std::move(path))
{
    static std::atomic<int> serial{0};
    m_connection = QStringLiteral("tavik-logbook-%1").arg(++serial);
}

LogbookStore::~LogbookStore()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void LogbookStore::close()
{
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).close();
    m_open = m_hasSchema = false;
}

StoreStatus LogbookStore::open(bool create)
{
    if (m_open)
        return create && !m_hasSchema ? makeSchema() : StoreStatus{};
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return {StoreFault::NoDriver, m_path, {}};
    const QByteArray native = QFile::encodeName(m_path);
    struct stat before {};
    const bool existed = ::stat(native.constData(), &before) == 0;
    // A file nobody may write is not written, not even by root, as the data files' writer refuses it.
    if (create && existed && S_ISREG(before.st_mode) && (before.st_mode & 0222) == 0)
        return {StoreFault::NotWritable, m_path, {}};
    if (create) {
        const QString folder = QFileInfo(m_path).absolutePath();
        if (!QDir().mkpath(folder))
            return {StoreFault::FolderNotMade, m_path, folder};
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    auto fail = [&](const StoreStatus& status) {
        db.close();
        StoreStatus s = status;
        if (!existed) {   // made by this open: nothing is left behind
            QFile::remove(m_path);
            QFile::remove(m_path + QStringLiteral("-journal"));
            s.newFile = true;
        }
        return s;
    };
    if (!db.open())
        return fail(statusOf(db.lastError(), m_path));
    QSqlQuery q(db);
    // Only reads until the file is known to be a logbook: another program's
    // database is left byte for byte.
    if (!q.exec(QStringLiteral("PRAGMA busy_timeout=2000")))
        return fail(statusOf(q.lastError(), m_path));
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(statusOf(q.lastError(), m_path));
    const int version = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT count(*), count(CASE WHEN name='attempts' THEN 1 END) FROM sqlite_master "
                               "WHERE type='table'"))
        || !q.next())
        return fail(statusOf(q.lastError(), m_path));
    const int tables = q.value(0).toInt();
    const bool ours = q.value(1).toInt() == 1;
    q.finish();
    if (version > kSchemaVersion && ours)
        return fail({StoreFault::NewerSchema, m_path, QString::number(version)});
    if ((tables > 0 && !ours) || (ours && version == 0) || version > kSchemaVersion)
        return fail({StoreFault::NotALogbook, m_path, {}});
    // The rollback journal, synced in full: a commit is on the disk or not at all.
    for (const char* pragma : {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL"}) {
        if (!q.exec(QLatin1String(pragma)))
            return fail(statusOf(q.lastError(), m_path));
    }
    m_open = true;
    m_hasSchema = ours;
    if (create && !ours) {
        if (StoreStatus made = makeSchema(); !made.ok()) {
            m_open = false;
            return fail(made);
        }
    }
    return {};
}

StoreStatus LogbookStore::makeSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const StoreStatus made = inTransaction([&] {
        QSqlQuery make(db);
        if (!make.exec(createStatement()))
            return statusOf(make.lastError(), m_path);
        if (!make.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)))
            return statusOf(make.lastError(), m_path);
        return StoreStatus{};
    });
    m_hasSchema = made.ok();
    return made;
}

StoreStatus LogbookStore::inTransaction(const std::function<StoreStatus()>& change)
{
    // Through plain statements rather than QSqlDatabase::commit(), whose error
    // loses SQLite's code (a full disk would read as any other fault).
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return statusOf(q.lastError(), m_path);
    StoreStatus s = change();
    if (s.ok() && !q.exec(QStringLiteral("COMMIT")))
        s = statusOf(q.lastError(), m_path);
    if (!s.ok())
        q.exec(QStringLiteral("ROLLBACK"));
    return s;
}

// A missing file, or one without our table, is an empty logbook to read:
// readable says whether there are rows to ask for.
StoreStatus LogbookStore::openToRead(bool& readable)
{
    readable = false;
    if (!QFileInfo::exists(m_path))
        return {};
    if (StoreStatus s = open(false); !s.ok())
        return s;
    readable = m_hasSchema;
    return {};
}

StoreStatus LogbookStore::forEach(const std::function<bool(const LogEntry&)>& each, QList<qint64>* unreadable,
                                  qint64 afterId, qint64 limit, qint64* lastId)
{
    bool readable = false;
    if (StoreStatus s = openToRead(readable); !s.ok() || !readable)
        return s;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.prepare(selectStatement()))
        return statusOf(q.lastError(), m_path);
    q.bindValue(0, afterId);
    q.bindValue(1, limit);
    if (!q.exec())
        return statusOf(q.lastError(), m_path);
    while (q.next()) {
        const LogEntry e = entryOf(q);
        if (lastId)
            *lastId = e.id;
        if (!plausible(q, e)) {
            if (unreadable)
                unreadable->append(e.id);
            continue;
        }
        if (!each(e))
            break;
    }
    if (q.lastError().isValid())
        return statusOf(q.lastError(), m_path);
    return {};
}

StoreStatus LogbookStore::count(qint64& records)
{
    records = 0;
    bool readable = false;
    if (StoreStatus s = openToRead(readable); !s.ok() || !readable)
        return s;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM attempts")) || !q.next())
        return statusOf(q.lastError(), m_path);
    records = q.value(0).toLongLong();
    return {};
}

StoreStatus LogbookStore::load(QList<LogEntry>& entries, bool mustExist, QList<qint64>* unreadable)
{
    entries.clear();
    if (mustExist && !QFileInfo::exists(m_path))
        return {StoreFault::Missing, m_path, {}};
    return forEach([&](const LogEntry& e) {
        entries.append(e);
        return true;
    }, unreadable);
}

StoreStatus LogbookStore::insert(QList<LogEntry>& entries, const std::function<void(qsizetype)>& afterRow)
{
    if (StoreStatus s = open(true); !s.ok())
        return s;
    QList<qint64> ids;
    const StoreStatus s = inTransaction([&] {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        if (!q.prepare(insertStatement()))
            return statusOf(q.lastError(), m_path);
        for (qsizetype row = 0; row < entries.size(); ++row) {
            bindEntry(q, entries.at(row));
            if (!q.exec())
                return statusOf(q.lastError(), m_path);
            ids << q.lastInsertId().toLongLong();
            if (afterRow)
                afterRow(row);
        }
        return StoreStatus{};
    });
    if (s.ok()) {
        for (qsizetype i = 0; i < entries.size(); ++i)
            entries[i].id = ids.at(i);
    }
    return s;
}

StoreStatus LogbookStore::insertStreamed(const std::function<StoreStatus(const AddEntry&)>& produce)
{
    if (StoreStatus s = open(true); !s.ok())
        return s;
    return inTransaction([&] {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        if (!q.prepare(insertStatement()))
            return statusOf(q.lastError(), m_path);
        return produce([&](LogEntry& e) {
            bindEntry(q, e);
            if (!q.exec())
                return statusOf(q.lastError(), m_path);
            e.id = q.lastInsertId().toLongLong();
            return StoreStatus{};
        });
    });
}

StoreStatus LogbookStore::update(const LogEntry& entry)
{
    if (StoreStatus s = open(true); !s.ok())
        return s;
    return inTransaction([&] {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        if (!q.prepare(updateStatement()))
            return statusOf(q.lastError(), m_path);
        bindEntry(q, entry);
        q.bindValue(int(std::size(kColumns)), entry.id);
        if (!q.exec())
            return statusOf(q.lastError(), m_path);
        if (q.numRowsAffected() == 0)
            return StoreStatus{StoreFault::Vanished, m_path, QString::number(entry.id)};
        return StoreStatus{};
    });
}

StoreStatus LogbookStore::remove(qint64 id)
{
    if (StoreStatus s = open(true); !s.ok())
        return s;
    return inTransaction([&] {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        if (!q.prepare(QStringLiteral("DELETE FROM attempts WHERE id=?")))
            return statusOf(q.lastError(), m_path);
        q.bindValue(0, id);
        if (!q.exec())
            return statusOf(q.lastError(), m_path);
        if (q.numRowsAffected() == 0)
            return StoreStatus{StoreFault::Vanished, m_path, QString::number(id)};
        return StoreStatus{};
    });
}

}  // namespace tavik::logbook
