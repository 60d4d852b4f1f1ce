#include "logbookstore.h"

#include <datafolders.h>

#include <QCoreApplication>
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

#include <sys/stat.h>
#include <unistd.h>

namespace tavik::logbook {

namespace {

constexpr int kSqliteBusy = 5, kSqliteReadOnly = 8, kSqliteIoError = 10, kSqliteCorrupt = 11,
              kSqliteFull = 13, kSqliteCantOpen = 14, kSqliteNotADatabase = 26, kSqlitePermission = 3;

const char* const kCreate[] = {
    "CREATE TABLE attempts ("
    " id INTEGER PRIMARY KEY,"
    " date TEXT NOT NULL, time TEXT, zone TEXT NOT NULL, crescent TEXT NOT NULL,"
    " site TEXT NOT NULL, latitude REAL NOT NULL, longitude REAL NOT NULL, elevation REAL NOT NULL,"
    " observer TEXT NOT NULL, result TEXT NOT NULL, instrument TEXT NOT NULL, sky TEXT NOT NULL,"
    " notes TEXT NOT NULL,"
    " computation INTEGER NOT NULL, at_jd REAL NOT NULL, best_time INTEGER NOT NULL,"
    " age_h REAL NOT NULL, lag_min REAL, arcl REAL NOT NULL, arcv REAL NOT NULL, daz REAL NOT NULL,"
    " w_arcmin REAL NOT NULL, lit REAL NOT NULL, moon_alt REAL NOT NULL, q REAL NOT NULL,"
    " yallop TEXT NOT NULL, v REAL NOT NULL, odeh TEXT NOT NULL, flags INTEGER NOT NULL)",
};

constexpr const char* kColumns =
    "date, time, zone, crescent, site, latitude, longitude, elevation, observer, result, instrument, sky, notes,"
    " computation, at_jd, best_time, age_h, lag_min, arcl, arcv, daz, w_arcmin, lit, moon_alt, q, yallop, v,"
    " odeh, flags";
constexpr int kColumnCount = 29;

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

QVariant optionalNumber(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
}

// Qt binds a null string as NULL; the text columns hold "" instead.
QString text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

void bindEntry(QSqlQuery& q, const LogEntry& e)
{
    const Attempt& a = e.attempt;
    const Circumstances& c = e.computed;
    const QVariantList values{
        a.date.toString(Qt::ISODate), a.time ? QVariant(a.time->toString(QStringLiteral("HH:mm"))) : QVariant(QMetaType(QMetaType::QString)),
        a.site.timezone, a.evening ? QStringLiteral("evening") : QStringLiteral("morning"), text(a.site.name),
        a.site.latitude, a.site.longitude, a.site.elevation, text(a.observer), resultKey(a.result),
        text(a.instrument), text(skyKey(a.sky)), text(a.notes), c.version, c.atJd, int(c.bestTime), c.ageHours, optionalNumber(c.lagMinutes),
        c.arcl, c.arcv, c.daz, c.width, c.litFraction, c.moonAltitude, c.q,
        QString(almanac::yallopLetter(c.yallop)), c.v, QString(almanac::odehLetter(c.odeh)), c.flags};
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
}

LogEntry entryOf(const QSqlQuery& q)
{
    LogEntry e;
    e.id = q.value(0).toLongLong();
    auto v = [&](int column) { return q.value(column + 1); };
    Attempt& a = e.attempt;
    a.date = QDate::fromString(v(0).toString(), Qt::ISODate);
    if (!v(1).isNull())
        a.time = QTime::fromString(v(1).toString(), QStringLiteral("HH:mm"));
    a.site.timezone = v(2).toString();
    a.evening = v(3).toString() != QLatin1String("morning");
    a.site.name = v(4).toString();
    a.site.latitude = v(5).toDouble();
    a.site.longitude = v(6).toDouble();
    a.site.elevation = v(7).toDouble();
    a.observer = v(8).toString();
    a.result = resultFromKey(v(9).toString()).value_or(Result::NotSeen);
    a.instrument = v(10).toString();
    a.sky = skyFromKey(v(11).toString()).value_or(Sky::Unknown);
    a.notes = v(12).toString();
    Circumstances& c = e.computed;
    c.version = v(13).toInt();
    c.atJd = v(14).toDouble();
    c.bestTime = v(15).toInt() != 0;
    c.ageHours = v(16).toDouble();
    if (!v(17).isNull())
        c.lagMinutes = v(17).toDouble();
    c.arcl = v(18).toDouble();
    c.arcv = v(19).toDouble();
    c.daz = v(20).toDouble();
    c.width = v(21).toDouble();
    c.litFraction = v(22).toDouble();
    c.moonAltitude = v(23).toDouble();
    c.q = v(24).toDouble();
    c.yallop = almanac::yallopClass(c.q);
    c.v = v(26).toDouble();
    c.odeh = almanac::odehZone(c.v);
    c.flags = v(28).toUInt();
    return e;
}

// Whether a record read back is one the program could have written: a damaged
// row (bytes changed inside the file) would make its CSV unreadable.
bool plausible(const QSqlQuery& q, const LogEntry& e)
{
    auto v = [&](int column) { return q.value(column + 1); };
    const Attempt& a = e.attempt;
    const Circumstances& c = e.computed;
    const bool words = resultFromKey(v(9).toString()) && skyFromKey(v(11).toString())
                       && (v(3).toString() == QLatin1String("evening") || v(3).toString() == QLatin1String("morning"));
    const bool numbers = kLatitudeRange.contains(a.site.latitude) && kLongitudeRange.contains(a.site.longitude)
                         && kElevationRange.contains(a.site.elevation) && std::isfinite(c.ageHours)
                         && std::isfinite(c.q) && std::isfinite(c.v) && std::isfinite(c.arcl);
    return a.date.isValid() && (!a.time || a.time->isValid()) && words && numbers
           && attemptZoneKnown(a.site.timezone);
}


}  // namespace

QString describeStoreStatus(const StoreStatus& s)
{
    const QString file = QDir::toNativeSeparators(s.path);
    switch (s.fault) {
    case StoreFault::None: return {};
    case StoreFault::NoDriver:
        return QCoreApplication::translate("Logbook", "Az észlelési napló nem nyitható meg: hiányzik a Qt SQLite-illesztője "
                          "(a libqt6sql6-sqlite csomag).");
    case StoreFault::FolderNotMade:
        return QCoreApplication::translate("Logbook", "Az észlelési napló mappája (%1) nem hozható létre.").arg(QDir::toNativeSeparators(s.detail));
    case StoreFault::DiskFull:
        if (s.newFile)
            return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem hozható létre: megtelt a lemez. "
                                               "Nem maradt utána fájl.").arg(file);
        return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem írható: megtelt a lemez. A napló a korábbi "
                          "tartalmával megmaradt, semmi sem veszett el.").arg(file);
    case StoreFault::NotWritable:
        return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem írható: a fájl, a mappája vagy a lemez csak "
                          "olvasható, vagy nincs hozzá jogosultság.").arg(file);
    case StoreFault::Damaged:
        return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) sérült, vagy nem is napló. A fájlt a program nem "
                          "módosítja.").arg(file);
    case StoreFault::NewerSchema:
        return QCoreApplication::translate("Logbook", "Az észlelési naplót (%1) a Tavik egy újabb változata írta (%2. változat); "
                          "ez a változat nem módosítja.").arg(file, s.detail);
    case StoreFault::Busy:
        return QCoreApplication::translate("Logbook", "Az észlelési naplót (%1) egy másik program éppen írja; próbálja újra később.")
            .arg(file);
    case StoreFault::Vanished:
        return QCoreApplication::translate("Logbook", "Az észlelést (%1.) közben törölték az észlelési naplóból (%2), egy "
                          "másik ablakban vagy programban; a változtatás nem került a naplóba.").arg(s.detail, file);
    case StoreFault::NotALogbook:
        return QCoreApplication::translate("Logbook", "A(z) %1 egy másik program SQLite-adatbázisa, nem a Tavik észlelési "
                          "naplója. A fájlt a program nem módosítja.").arg(file);
    case StoreFault::Missing:
        return QCoreApplication::translate("Logbook", "Nincs észlelési napló: %1. Semmi sem készült.").arg(file);
    case StoreFault::Other: break;
    }
    return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem érhető el (SQLite: %2). A napló a korábbi "
                      "tartalmával megmaradt.").arg(file, s.detail);
}

bool attemptZoneKnown(const QString& id)
{
    return id == QLatin1String("UTC") || QTimeZone::isTimeZoneIdAvailable(id.toUtf8());
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
        for (const char* sql : kCreate) {
            if (!make.exec(QLatin1String(sql)))
                return statusOf(make.lastError(), m_path);
        }
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

StoreStatus LogbookStore::forEach(const std::function<bool(const LogEntry&)>& each, QList<qint64>* unreadable,
                                  qint64 afterId, qint64 limit, qint64* lastId)
{
    if (!QFileInfo::exists(m_path))
        return {};
    if (StoreStatus s = open(false); !s.ok())
        return s;
    if (!m_hasSchema)
        return {};
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT id, %1 FROM attempts WHERE id > ? ORDER BY id LIMIT ?")
                       .arg(QLatin1String(kColumns))))
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
    if (!QFileInfo::exists(m_path))
        return {};
    if (StoreStatus s = open(false); !s.ok())
        return s;
    if (!m_hasSchema)
        return {};
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
        QStringList marks;
        for (int i = 0; i < kColumnCount; ++i)
            marks << QStringLiteral("?");
        if (!q.prepare(QStringLiteral("INSERT INTO attempts (%1) VALUES (%2)")
                           .arg(QLatin1String(kColumns), marks.join(u','))))
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
        QStringList marks;
        for (int i = 0; i < kColumnCount; ++i)
            marks << QStringLiteral("?");
        if (!q.prepare(QStringLiteral("INSERT INTO attempts (%1) VALUES (%2)")
                           .arg(QLatin1String(kColumns), marks.join(u','))))
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
        QStringList sets;
        for (const QString& column : QString::fromLatin1(kColumns).split(u','))
            sets << column.trimmed() + QStringLiteral("=?");
        if (!q.prepare(QStringLiteral("UPDATE attempts SET %1 WHERE id=?").arg(sets.join(u','))))
            return statusOf(q.lastError(), m_path);
        bindEntry(q, entry);
        q.bindValue(kColumnCount, entry.id);
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
