// The logbook's own promises: each check flags the claims it should, the CSV
// reads what it writes, and a change of the file is whole or not there at
// all, whether the program is killed half-way or the disk is full.
#include "circumstances.h"
#include "clocktimes.h"
#include "csvfile.h"
#include "logbookservice.h"
#include "logbookstore.h"
#include "smalldisk.h"
#include "summaries.h"
#include "transfer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace tavik::logbook;

namespace {

Attempt budapest(const char* date, const char* time, Result result, bool evening = true)
{
    Attempt a;
    a.date = QDate::fromString(QLatin1String(date), Qt::ISODate);
    if (*time)
        a.time = QTime::fromString(QLatin1String(time), QStringLiteral("HH:mm"));
    a.evening = evening;
    a.site.name = QStringLiteral("Budapest");
    a.result = result;
    return a;
}

// Entries made up without the ephemeris: the file does not care.
QList<LogEntry> madeUp(int count)
{
    QList<LogEntry> entries;
    for (int i = 0; i < count; ++i) {
        LogEntry e{0, budapest("2025-05-28", "21:00", Result(i % kResultCount)), {}};
        e.attempt.notes = QStringLiteral("%1. próba, „idézőjel”, vessző").arg(i);
        e.computed.ageHours = 10.0 + i;
        e.computed.lagMinutes = i % 2 ? std::optional<double>(40.0 + i) : std::nullopt;
        e.computed.q = -0.1 * i;
        e.computed.yallop = tavik::almanac::yallopClass(e.computed.q);
        e.computed.flags = unsigned(i) & 0x3f;
        entries << e;
    }
    return entries;
}

QByteArray csvOf(LogbookStore& store)
{
    QList<LogEntry> entries;
    const StoreStatus s = store.load(entries);
    if (!s.ok())
        return "store fault " + QByteArray::number(int(s.fault)) + ": " + s.detail.toUtf8();
    return attemptsCsv(entries);
}

// What a CSV fault names: its kind, line, field, value and detail.
QString facts(const CsvFault& f)
{
    return QStringLiteral("%1 | %2 | %3 | %4 | %5").arg(int(f.kind)).arg(f.line).arg(f.field, f.value, f.detail);
}

// Run as a child: writes `count` rows in one transaction and is killed by
// SIGKILL half-way, before the commit.
int importAndDie(const QString& path, int count)
{
    LogbookStore store(path);
    QList<LogEntry> entries = madeUp(count);
    store.insert(entries, [count](qsizetype row) {
        if (row == count / 2)
            ::kill(::getpid(), SIGKILL);
    });
    return 0;   // not reached
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The store faults: what is done to which file, and what must come of it.
enum class Case { VanishedUpdate, VanishedDelete, ForeignList, ForeignAdd, ForeignExport, SelfExport,
                  SelfExportByLink, MissingExport, MissingList, ReadOnlyAsRoot, FullDiskNewFile, DamagedRow };

const QByteArray kTwoRows = "date,time,zone,crescent,site,latitude,longitude,elevation_m,observer,result,"
                            "instrument,sky,notes\r\n"
                            "2025-05-28,21:00,Europe/Budapest,evening,Szeged,46.253,20.148,80,Kovács Anna,"
                            "naked-eye,,clear,első\r\n"
                            "2025-05-26,,Europe/Budapest,morning,Budapest,47.4979,19.0402,100,,binoculars,"
                            "10x50,haze,\r\n";

}  // namespace

Q_DECLARE_METATYPE(Case)
Q_DECLARE_METATYPE(CsvFault)

class TestLogbook : public QObject {
    Q_OBJECT
    const tavik::almanac::Ephemeris eph = tavik::almanac::Ephemeris::open();

private Q_SLOTS:
    void checks_data()
    {
        QTest::addColumn<Attempt>("attempt");
        QTest::addColumn<unsigned>("flags");
        // Budapest, around the new moons of 27 May 05:02, 25 June 12:32 and 20 November 2025 08:47.
        QTest::newRow("none: the second evening")
            << budapest("2025-05-28", "", Result::NakedEye) << 0u;
        QTest::newRow("Moon below the horizon: after the 21:39 moonset")
            << budapest("2025-05-27", "23:00", Result::Binoculars) << unsigned(MoonBelowHorizon);
        QTest::newRow("moonset first: 20 November, best time is the sunset")
            << budapest("2025-11-20", "", Result::NotSeen) << unsigned(MoonSetFirst | MoonBelowHorizon);
        QTest::newRow("before the conjunction")
            << budapest("2025-05-26", "21:00", Result::Telescope)
            << unsigned(BeforeConjunction | MoonSetFirst | MoonBelowHorizon);
        QTest::newRow("naked eye in Odeh's zone D: the Moon in the morning sky, below the Sun")
            << budapest("2025-05-28", "08:00", Result::NakedEye) << unsigned(NakedEyeZoneD);
        QTest::newRow("naked eye below the Danjon limit, 3.5 hours old")
            << budapest("2025-06-25", "16:00", Result::NakedEye)
            << unsigned(NakedEyeDanjon | NakedEyeZoneD | BeyondRecord);
        QTest::newRow("beyond the telescope record, 8.6 hours old")
            << budapest("2025-06-25", "21:10", Result::Telescope) << unsigned(BeyondRecord);
        QTest::newRow("a photograph 3.5 hours old beats no record")
            << budapest("2025-06-25", "16:00", Result::Camera) << 0u;
    }

    void checks()
    {
        QFETCH(Attempt, attempt);
        QFETCH(unsigned, flags);
        const Circumstances c = computeCircumstances(eph, attempt);
        QCOMPARE(flagKeys(c.flags), flagKeys(flags));
        QCOMPARE(c.bestTime, !attempt.time);
    }

    // The threads of an import give what one computation gives.
    void manyAtOnce()
    {
        QList<Attempt> attempts;
        for (int day = 0; day < 40; ++day)
            attempts << budapest(qPrintable(QDate(2025, 5, 1).addDays(day).toString(Qt::ISODate)), day % 2 ? "21:00" : "",
                                 Result::NakedEye, day % 3 != 0);
        const BatchResult many = computeMany(attempts, {}, 2);
        QVERIFY(many.ok());
        for (qsizetype i = 0; i < attempts.size(); i += 7) {
            const Circumstances one = computeCircumstances(eph, attempts.at(i));
            QCOMPARE(many.computed.at(i).atJd, one.atJd);
            QCOMPARE(many.computed.at(i).q, one.q);
        }
    }

    void csvRoundTrip()
    {
        const QList<LogEntry> entries = madeUp(12);
        const QByteArray csv = attemptsCsv(entries);
        const CsvRead read = readAttemptsCsv(csv);
        QVERIFY(!read.fault);
        QCOMPARE(read.attempts.size(), entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i)
            QCOMPARE(read.attempts.at(i), entries.at(i).attempt);
        // Another order of columns, LF line ends, a quoted line break.
        const CsvRead shuffled = readAttemptsCsv(
            "result,zone,latitude,longitude,date,notes\n"
            "camera,UTC,-33.5,151.25,2024-01-12,\"két\nsor\"\n");
        QVERIFY(!shuffled.fault);
        QCOMPARE(shuffled.attempts.constFirst().notes, QStringLiteral("két\nsor"));
        QCOMPARE(shuffled.attempts.constFirst().site.longitude, 151.25);
        QVERIFY(shuffled.attempts.constFirst().evening);
        // More decimals than an export writes (a row the CSV fuzzer made):
        // kept to seven, so that the export reads back the same.
        const CsvRead fine = readAttemptsCsv("result,zone,latitude,longitude,date\n"
                                             "naked-eye,America/Chicago,41.555555559,-88.70000004,1989-04-04\n");
        QVERIFY(!fine.fault);
        QCOMPARE(fine.attempts.constFirst().site.latitude, 41.5555556);
        QCOMPARE(fine.attempts.constFirst().site.longitude, -88.7);
        const QByteArray exported = attemptsCsv({LogEntry{0, fine.attempts.constFirst(), {}}});
        QCOMPARE(readAttemptsCsv(exported).attempts, fine.attempts);
    }

    void badRows_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<CsvFault>("fault");
        const QByteArray head = "date,time,zone,latitude,longitude,result\n2025-05-28,21:00,UTC,47,19,naked-eye\n";
        QTest::newRow("latitude 95") << head + "2025-05-29,,UTC,95,19,naked-eye\n"
                                     << CsvFault{CsvFaultKind::OutOfRange, 3, "latitude", "95", "-90 … 90"};
        QTest::newRow("result word") << head + "2025-05-29,,UTC,47,19,seen\n"
                                     << CsvFault{CsvFaultKind::UnknownWord, 3, "result", "seen",
                                                 "naked-eye, binoculars, telescope, camera, not-seen"};
        QTest::newRow("zone") << head + "2025-05-29,,Europe/Szeged,47,19,camera\n"
                              << CsvFault{CsvFaultKind::UnknownZone, 3, "zone", "Europe/Szeged", {}};
        QTest::newRow("time") << head + "2025-05-29,25:61,UTC,47,19,camera\n"
                              << CsvFault{CsvFaultKind::BadValue, 3, "time", "25:61", {}};
        QTest::newRow("quote left open") << head + "2025-05-29,,UTC,47,19,\"camera\n"
                                         << CsvFault{CsvFaultKind::UnclosedQuote, 3, {}, {}, {}};
        QTest::newRow("unknown column") << QByteArray("date,zone,latitude,longitude,result,colour\n")
                                        << CsvFault{CsvFaultKind::UnknownColumn, 1, "colour", {}, {}};
    }

    void badRows()
    {
        QFETCH(QByteArray, csv);
        QFETCH(CsvFault, fault);
        const CsvRead read = readAttemptsCsv(csv);
        QVERIFY(read.fault);
        QCOMPARE(facts(*read.fault), facts(fault));
        QVERIFY(read.attempts.isEmpty());
    }

    // The one rule of clock times the clocks skip or repeat, for the form, "add" and the CSV alike.
    void clockTimesOfAnAttempt_data() { tavik::testing::addSkippedAndRepeatedClockTimes(); }

    void clockTimesOfAnAttempt()
    {
        QFETCH(QByteArray, zone);
        QFETCH(tavik::CivilDateTime, clock);
        QFETCH(QString, utc);
        Attempt a = budapest("2025-01-01", "00:00", Result::NotSeen);
        a.date = QDate(clock.year, clock.month, clock.day);
        a.time = QTime(clock.hour, clock.minute);
        a.site.timezone = QString::fromLatin1(zone);
        const double expected = tavik::almanac::julianDayUt(QDateTime::fromString(utc, Qt::ISODate));
        QCOMPARE(attemptMoment(eph, a), expected);
    }

    void storeFaults_data()
    {
        QTest::addColumn<Case>("what");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("detail");   // null: not compared
        const int none = int(StoreFault::None);
        QTest::newRow("edit of a record deleted meanwhile") << Case::VanishedUpdate << int(StoreFault::Vanished)
                                                            << "2";
        QTest::newRow("delete of a record deleted meanwhile") << Case::VanishedDelete << int(StoreFault::Vanished)
                                                              << "2";
        QTest::newRow("another program's database, listed") << Case::ForeignList << int(StoreFault::NotALogbook)
                                                            << "";
        QTest::newRow("another program's database, added to") << Case::ForeignAdd << int(StoreFault::NotALogbook)
                                                               << QString();
        QTest::newRow("another program's database, exported") << Case::ForeignExport
                                                               << int(StoreFault::NotALogbook) << QString();
        QTest::newRow("export over the logbook itself") << Case::SelfExport << none << QString();
        QTest::newRow("export over the logbook through a link") << Case::SelfExportByLink << none << QString();
        QTest::newRow("export of a mistyped logbook") << Case::MissingExport << int(StoreFault::Missing) << "";
        QTest::newRow("list of a mistyped logbook") << Case::MissingList << int(StoreFault::Missing) << QString();
        QTest::newRow("a logbook nobody may write, as root") << Case::ReadOnlyAsRoot << int(StoreFault::NotWritable)
                                                             << QString();
        QTest::newRow("a full disk while making a new logbook") << Case::FullDiskNewFile << int(StoreFault::DiskFull)
                                                                << QString();
        QTest::newRow("a damaged record is left out of the export") << Case::DamagedRow << none << QString();
    }

    void storeFaults()
    {
        QFETCH(Case, what);
        QFETCH(int, fault);
        QFETCH(QString, detail);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("eszlelesek.sqlite"));
        const QString csv = dir.filePath(QStringLiteral("mentes.csv"));
        QVERIFY(writeBytes(csv, "the backup\n"));
        std::optional<tavik::testing::SmallDisk> disk;
        if (what == Case::FullDiskNewFile) {
            disk.emplace(64);
            if (!disk->mounted())
                QSKIP(qPrintable(disk->whyNot()));
            path = disk->filePath(QStringLiteral("eszlelesek.sqlite"));
            QVERIFY(disk->fill(0));
        } else if (what == Case::ForeignList || what == Case::ForeignAdd || what == Case::ForeignExport) {
            pragma(path, "CREATE TABLE birds (name TEXT)");
        } else if (what != Case::MissingExport && what != Case::MissingList) {
            LogbookStore store(path);
            QList<LogEntry> three = madeUp(3);
            QVERIFY(store.insert(three).ok());
        }
        if (what == Case::ReadOnlyAsRoot) {
            if (::geteuid() != 0)
                QSKIP("a file nobody may write is writable only for root");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        if (what == Case::DamagedRow)
            pragma(path, "UPDATE attempts SET result='n\xC3\xA1ked', latitude='x' WHERE id=2");
        const QByteArray before = fileBytes(path);
        LogbookStore store(path);
        LogbookStore other(path);
        QList<LogEntry> entries;
        StoreStatus s;
        ExportResult exported;
        switch (what) {
        case Case::VanishedUpdate:
        case Case::VanishedDelete: {
            QVERIFY(store.load(entries).ok());
            QVERIFY(other.remove(2).ok());
            s = what == Case::VanishedUpdate ? store.update(entries.at(1)) : store.remove(2);
            break;
        }
        case Case::ForeignList:
        case Case::MissingList: s = store.load(entries, true); break;
        case Case::ForeignAdd:
        case Case::ReadOnlyAsRoot:
        case Case::FullDiskNewFile: entries = madeUp(1); s = store.insert(entries); break;
        case Case::SelfExportByLink:
            QVERIFY(QFile::link(path, dir.filePath(QStringLiteral("link.csv"))));
            exported = exportAttemptsCsv(store, dir.filePath(QStringLiteral("link.csv")));
            QVERIFY(exported.sameFile);
            break;
        case Case::SelfExport:
            exported = exportAttemptsCsv(store, path);
            QVERIFY(exported.sameFile);
            break;
        case Case::ForeignExport:
        case Case::MissingExport:
        case Case::DamagedRow:
            exported = exportAttemptsCsv(store, csv);
            s = exported.store;
            break;
        }
        QCOMPARE(int(s.fault), fault);
        if (!s.ok())
            QCOMPARE(s.path, path);
        if (!detail.isNull())
            QCOMPARE(s.detail, detail);
        // Nothing stood there, and nothing is left: said as such.
        QCOMPARE(s.newFile, what == Case::FullDiskNewFile);
        if (what == Case::DamagedRow) {
            QCOMPARE(exported.unreadable, QList<qint64>{2});
            QCOMPARE(exported.written, 2);
            const CsvRead back = readAttemptsCsv(fileBytes(csv));
            QVERIFY(!back.fault);
            QCOMPARE(back.attempts.size(), 2);
            return;
        }
        // Nothing else changed: the logbook byte for byte (none where there was none), the backup untouched.
        QCOMPARE(fileBytes(path), what == Case::VanishedUpdate || what == Case::VanishedDelete ? fileBytes(path) : before);
        if (what == Case::VanishedUpdate || what == Case::VanishedDelete) {
            QVERIFY(store.load(entries).ok());
            QCOMPARE(entries.size(), 2);
        }
        QCOMPARE(fileBytes(csv), QByteArray("the backup\n"));
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    // An attempt already kept is not added again, and the import says so.
    void importTwice()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("season.csv"));
        QVERIFY(writeBytes(csv, kTwoRows));
        LogbookStore store(dir.filePath(QStringLiteral("eszlelesek.sqlite")));
        qint64 calls = 0;
        const ImportResult first = importAttemptsCsv(store, csv, {}, [&](qint64 done, qint64 total) {
            ++calls;
            return done <= total;
        });
        QVERIFY(first.ok());
        QCOMPARE(first.added, 2);
        QCOMPARE(first.alreadyThere, 0);
        QVERIFY(calls > 0);
        const ImportResult second = importAttemptsCsv(store, csv);
        QVERIFY(second.ok());
        QCOMPARE(second.added, 0);
        QCOMPARE(second.alreadyThere, 2);
        QList<LogEntry> entries;
        QVERIFY(store.load(entries).ok());
        QCOMPARE(entries.size(), 2);
        // Cancelled: rolled back.
        QVERIFY(writeBytes(csv, QByteArray(kTwoRows).replace("2025-05-28", "2025-06-27")));
        const ImportResult cancelled = importAttemptsCsv(store, csv, {}, [](qint64, qint64) { return false; });
        QVERIFY(cancelled.cancelled);
        QVERIFY(store.load(entries).ok());
        QCOMPARE(entries.size(), 2);
    }

    // Every bad line and field named at once, a date beyond the ephemeris among them; nothing imported.
    void severalBadLines()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("bad.csv"));
        QVERIFY(writeBytes(csv, "date,zone,latitude,longitude,result\n"
                                "9999-05-01,UTC,47,19,naked-eye\n"
                                "2025-05-28,UTC,47,19,camera\n"
                                "2025-05-28,Mars/Olympus,95,19,seen\n"
                                "2025-05-28,UTC,47\n"));
        const QString path = dir.filePath(QStringLiteral("eszlelesek.sqlite"));
        LogbookStore store(path);
        const ImportResult r = importAttemptsCsv(store, csv);
        QStringList named;
        for (CsvFault f : r.faults) {
            if (f.kind == CsvFaultKind::OutsideEphemeris)
                f.detail.clear();   // the ephemeris' own account, not part of the message
            named << facts(f);
        }
        QCOMPARE(named, (QStringList{
            facts({CsvFaultKind::OutsideEphemeris, 2, "date", "9999-05-01", {}}),
            facts({CsvFaultKind::UnknownZone, 4, "zone", "Mars/Olympus", {}}),
            facts({CsvFaultKind::OutOfRange, 4, "latitude", "95", "-90 … 90"}),
            facts({CsvFaultKind::UnknownWord, 4, "result", "seen", "naked-eye, binoculars, telescope, camera, not-seen"}),
            facts({CsvFaultKind::FieldCount, 5, {}, "3", "5"})}));
        QCOMPARE(r.added, 0);
        QVERIFY(!QFile::exists(path));
        const CsvRead read = readAttemptsCsv(fileBytes(csv), 2);
        QCOMPARE(read.faults.size(), 2);
        QVERIFY(read.attempts.isEmpty());
    }

    // A cell a spreadsheet would run gets an apostrophe; import reads it as typed; export again is byte-exact.
    void formulasRoundTrip_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("equals") << "=HYPERLINK(\"http://x\",\"y\")" << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
        QTest::newRow("at") << "@SUM(1)" << QByteArray("'@SUM(1)");
        QTest::newRow("plus") << "+1+1" << QByteArray("'+1+1");
        QTest::newRow("minus") << "-2" << QByteArray("'-2");
        QTest::newRow("tab") << "\tx" << QByteArray("'\tx");
        QTest::newRow("carriage return") << "\rx" << QByteArray("\"'\rx\"");
        QTest::newRow("typed apostrophe before a formula") << "'=1" << QByteArray("''=1");
        QTest::newRow("typed apostrophe") << "'tis" << QByteArray("'tis");
        QTest::newRow("plain") << "a = b" << QByteArray("a = b");
    }

    void formulasRoundTrip()
    {
        QFETCH(QString, notes);
        QFETCH(QByteArray, cell);
        QList<LogEntry> entries = madeUp(1);
        entries[0].attempt.notes = notes;
        entries[0].attempt.observer = notes;
        const QByteArray csv = attemptsCsv(entries);
        QVERIFY2(csv.contains(",naked-eye,,,"  + cell + ",") && csv.contains("," + cell + ",naked-eye"), csv.constData());
        const CsvRead read = readAttemptsCsv(csv);
        QVERIFY(!read.fault);
        QCOMPARE(read.attempts.constFirst().notes, notes);
        QCOMPARE(read.attempts.constFirst().observer, notes);
        QList<LogEntry> again{LogEntry{0, read.attempts.constFirst(), entries[0].computed}};
        QCOMPARE(attemptsCsv(again), csv);
    }

    void killedImportLeavesTheLogbook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("eszlelesek.sqlite"));
        QByteArray before;
        {
            LogbookStore store(path);
            QList<LogEntry> three = madeUp(3);
            QVERIFY(store.insert(three).ok());
            before = csvOf(store);
        }
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--import-and-die"), path, QStringLiteral("2000")});
        QVERIFY(child.waitForFinished(60'000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(QFile::exists(path + QStringLiteral("-journal")), "killed before its commit, with a hot journal");

        LogbookStore store(path);
        QCOMPARE(csvOf(store), before);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
    }

    void fullDisk_data()
    {
        QTest::addColumn<qint64>("spare");
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("room for the journal's start") << qint64(16 * 1024);
    }

    void fullDisk()
    {
        QFETCH(qint64, spare);
        tavik::testing::SmallDisk disk(512);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString path = disk.filePath(QStringLiteral("eszlelesek.sqlite"));
        LogbookStore store(path);
        QList<LogEntry> three = madeUp(3);
        QVERIFY(store.insert(three).ok());
        const QByteArray before = csvOf(store);
        QVERIFY(disk.fill(spare));
        QList<LogEntry> many = madeUp(3000);
        const StoreStatus s = store.insert(many);
        QVERIFY2(s.fault == StoreFault::DiskFull, qPrintable(s.detail));
        QCOMPARE(s.path, path);
        QVERIFY(!s.newFile);   // the logbook was there before, and stays as it was
        disk.makeRoom();
        LogbookStore again(path);
        QCOMPARE(csvOf(again), before);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
    }

    // One call computes, checks and stores; a date beyond the ephemeris and a
    // record deleted meanwhile store nothing.
    void saveAnAttempt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("napló.sqlite"));
        LogbookStore store(path);
        SaveResult r = saveAttempt(store, eph, budapest("9999-05-01", "", Result::NakedEye));
        QVERIFY(r.ephemeris && !r.ok());
        QVERIFY(!QFile::exists(path));
        const Attempt a = budapest("2025-05-28", "21:00", Result::NakedEye);
        r = saveAttempt(store, eph, a);
        QVERIFY(r.ok());
        QCOMPARE(r.entry.id, 1);
        const Circumstances expected = computeCircumstances(eph, a);
        QCOMPARE(r.entry.computed.q, expected.q);
        QCOMPARE(r.entry.computed.flags, expected.flags);
        Attempt edited = a;
        edited.result = Result::NotSeen;
        edited.site.latitude += 4e-9;   // below the seven decimals an export keeps
        r = saveAttempt(store, eph, edited, 1);
        QVERIFY(r.ok());
        QCOMPARE(r.entry.attempt.site, a.site);
        r = saveAttempt(store, eph, a, 7);
        QCOMPARE(int(r.store.fault), int(StoreFault::Vanished));
        QCOMPARE(r.store.detail, QStringLiteral("7"));
        QList<LogEntry> read;
        QVERIFY(store.load(read).ok());
        QCOMPARE(read.size(), 1);
        QCOMPARE(int(read.first().attempt.result), int(Result::NotSeen));
        QCOMPARE(read.first().computed.atJd, expected.atJd);
    }

    // The attempts table is declared as the first logbooks declared it, so a
    // file written then opens now, and one written now opens there.
    void schemaStaysTheSame()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("napló.sqlite"));
        QList<LogEntry> written = madeUp(2);
        {
            LogbookStore store(path);
            QVERIFY(store.insert(written).ok());
            written.first().attempt.notes = QStringLiteral("javítva");
            QVERIFY(store.update(written.first()).ok());
        }
        QCOMPARE(pragma(path, "SELECT sql FROM sqlite_master WHERE name='attempts'"),
                 QStringLiteral(
                     "CREATE TABLE attempts ( id INTEGER PRIMARY KEY, date TEXT NOT NULL, time TEXT, zone TEXT NOT "
                     "NULL, crescent TEXT NOT NULL, site TEXT NOT NULL, latitude REAL NOT NULL, longitude REAL NOT "
                     "NULL, elevation REAL NOT NULL, observer TEXT NOT NULL, result TEXT NOT NULL, instrument TEXT NOT "
                     "NULL, sky TEXT NOT NULL, notes TEXT NOT NULL, computation INTEGER NOT NULL, at_jd REAL NOT "
                     "NULL, best_time INTEGER NOT NULL, age_h REAL NOT NULL, lag_min REAL, arcl REAL NOT NULL, arcv "
                     "REAL NOT NULL, daz REAL NOT NULL, w_arcmin REAL NOT NULL, lit REAL NOT NULL, moon_alt REAL NOT "
                     "NULL, q REAL NOT NULL, yallop TEXT NOT NULL, v REAL NOT NULL, odeh TEXT NOT NULL, flags "
                     "INTEGER NOT NULL)"));
        QCOMPARE(pragma(path, "PRAGMA user_version"), QString::number(kSchemaVersion));
        // Each value in the column it always had.
        QCOMPARE(pragma(path, "SELECT date || '|' || zone || '|' || crescent || '|' || result || '|' || notes || '|' "
                              "|| yallop || '|' || odeh || '|' || flags FROM attempts ORDER BY id LIMIT 1"),
                 written.first().attempt.date.toString(Qt::ISODate) + u'|' + written.first().attempt.site.timezone
                     + (written.first().attempt.evening ? QStringLiteral("|evening|") : QStringLiteral("|morning|"))
                     + resultKey(written.first().attempt.result) + QStringLiteral("|javítva|")
                     + QChar(tavik::almanac::yallopLetter(written.first().computed.yallop)) + u'|'
                     + QChar(tavik::almanac::odehLetter(written.first().computed.odeh)) + u'|'
                     + QString::number(written.first().computed.flags));
        LogbookStore again(path);
        QList<LogEntry> read;
        QVERIFY(again.load(read).ok());
        QCOMPARE(read.size(), 2);
        QCOMPARE(read.first().attempt.notes, QStringLiteral("javítva"));
        QCOMPARE(read.first().computed.q, written.first().computed.q);
        QCOMPARE(read.last().computed.lagMinutes, written.last().computed.lagMinutes);
    }

    void newerSchemaIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("napló.sqlite"));
        {
            LogbookStore store(path);
            QList<LogEntry> one = madeUp(1);
            QVERIFY(store.insert(one).ok());
        }
        QCOMPARE(pragma(path, "PRAGMA user_version"), QString::number(kSchemaVersion));
        pragma(path, "PRAGMA user_version=99");
        LogbookStore store(path);
        QList<LogEntry> entries;
        const StoreStatus s = store.load(entries);
        QCOMPARE(int(s.fault), int(StoreFault::NewerSchema));
        QCOMPARE(s.detail, QStringLiteral("99"));
    }

    void damagedFileIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("eszlelesek.sqlite"));
        const QByteArray text = QByteArray("Ez egy jegyzet, nem napló.\n").repeated(200);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        f.close();
        LogbookStore store(path);
        QList<LogEntry> one = madeUp(1);
        const StoreStatus s = store.insert(one);
        QCOMPARE(int(s.fault), int(StoreFault::Damaged));
        QCOMPARE(s.path, path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), text);
    }

private:
    static QString pragma(const QString& path, const char* sql)
    {
        QString value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(path);
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(QLatin1String(sql)) && q.next())
                    value = q.value(0).toString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return value;
    }
    static QString integrity(const QString& path) { return pragma(path, "PRAGMA integrity_check"); }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--import-and-die") == 0)
        return importAndDie(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestLogbook test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logbook.moc"
