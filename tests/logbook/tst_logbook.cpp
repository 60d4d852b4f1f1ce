// The logbook's own promises: each check flags the claims it should, the CSV
// reads what it writes, and a change of the file is whole or not there at
// all, whether the program is killed half-way or the disk is full.
#include "circumstances.h"
#include "csvfile.h"
#include "logbookstore.h"
#include "smalldisk.h"

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
        return describeStoreStatus(s).toUtf8();
    return attemptsCsv(entries);
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

}  // namespace

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
        const QStringList sentences = flagSentences(c.flags, attempt.evening);
        QCOMPARE(sentences.size(), qsizetype(std::popcount(flags)));
        if (flags & NakedEyeDanjon)
            QVERIFY(sentences.contains(QStringLiteral(
                "Szabad szemmel, pedig a Nap-Hold távolság kisebb a Danjon-határnál (6,4°).")));
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
    }

    void badRows_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("message");
        const QByteArray head = "date,time,zone,latitude,longitude,result\n2025-05-28,21:00,UTC,47,19,naked-eye\n";
        QTest::newRow("latitude 95") << head + "2025-05-29,,UTC,95,19,naked-eye\n"
                                     << "3. sor, latitude mező: „95” kívül esik a megengedett tartományon (-90 … 90).";
        QTest::newRow("result word") << head + "2025-05-29,,UTC,47,19,seen\n"
                                     << "3. sor, result mező: ismeretlen érték „seen” (lehet: naked-eye, binoculars, "
                                        "telescope, camera, not-seen).";
        QTest::newRow("zone") << head + "2025-05-29,,Europe/Szeged,47,19,camera\n"
                              << "3. sor, zone mező: ismeretlen időzóna „Europe/Szeged” (IANA név, például "
                                 "Europe/Budapest, vagy UTC).";
        QTest::newRow("time") << head + "2025-05-29,25:61,UTC,47,19,camera\n"
                              << "3. sor, time mező: „25:61” nem olvasható (dátum ÉÉÉÉ-HH-NN, idő ÓÓ:PP, szám "
                                 "tizedesponttal).";
        QTest::newRow("quote left open") << head + "2025-05-29,,UTC,47,19,\"camera\n"
                                         << "3. sor: egy idézőjeles mező nem zárul le a fájl végéig.";
        QTest::newRow("unknown column") << QByteArray("date,zone,latitude,longitude,result,colour\n")
                                        << "A fejlécben ismeretlen oszlop: „colour”.";
    }

    void badRows()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        const CsvRead read = readAttemptsCsv(csv);
        QVERIFY(read.fault);
        QCOMPARE(describeCsvFault(*read.fault), message);
        QVERIFY(read.attempts.isEmpty());
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
        QCOMPARE(describeStoreStatus(s),
                 QStringLiteral("Az észlelési napló (%1) nem írható: megtelt a lemez. A napló a korábbi tartalmával "
                                "megmaradt, semmi sem veszett el.")
                     .arg(path));
        disk.makeRoom();
        LogbookStore again(path);
        QCOMPARE(csvOf(again), before);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
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
        QVERIFY(describeStoreStatus(s).contains(QStringLiteral("újabb változata írta (99. változat)")));
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
        QCOMPARE(describeStoreStatus(s),
                 QStringLiteral("Az észlelési napló (%1) sérült, vagy nem is napló. A fájlt a program nem módosítja.")
                     .arg(path));
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
