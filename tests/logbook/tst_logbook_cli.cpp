// tavik-almanac log: an import is all or nothing, export and import give
// back the same rows, and published sightings come back with the papers'
// figures.
#include "almanacrun.h"
#include "csvfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using tavik::testing::almanac;
using tavik::testing::Run;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

Run logbook(const QString& db, const QStringList& args)
{
    return almanac(QStringList{QStringLiteral("log"), QStringLiteral("--db"), db} + args);
}

const QByteArray kHeader = "date,time,zone,crescent,site,latitude,longitude,elevation_m,observer,result,"
                           "instrument,sky,notes\r\n";
const QByteArray kGoodRows = "2025-05-28,21:00,Europe/Budapest,evening,Szeged,46.253,20.148,80,Kovács Anna,"
                             "naked-eye,,clear,\"első, „idézett” sor\"\r\n"
                             "2025-05-26,,Europe/Budapest,morning,Budapest,47.4979,19.0402,100,,binoculars,"
                             "10x50,haze,\r\n";

}  // namespace

class TestLogbookCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void importIsAllOrNothing_data()
    {
        QTest::addColumn<QByteArray>("badRow");
        QTest::addColumn<QString>("message");
        QTest::newRow("latitude 95") << QByteArray("2025-05-29,,UTC,evening,,95,19,0,,camera,,,\r\n")
                                     << "4. sor, latitude mező: „95” kívül esik a megengedett tartományon (-90 … 90).";
        QTest::newRow("result") << QByteArray("2025-05-29,,UTC,evening,,47,19,0,,láttam,,,\r\n")
                                << "4. sor, result mező: ismeretlen érték „láttam”";
        QTest::newRow("zone") << QByteArray("2025-05-29,,Budapest,evening,,47,19,0,,camera,,,\r\n")
                              << "4. sor, zone mező: ismeretlen időzóna „Budapest”";
    }

    void importIsAllOrNothing()
    {
        QFETCH(QByteArray, badRow);
        QFETCH(QString, message);
        const QString db = path("all-or-nothing.sqlite");
        QFile::remove(db);
        QVERIFY(writeBytes(path("good.csv"), kHeader + kGoodRows));
        QCOMPARE(logbook(db, {QStringLiteral("import"), path("good.csv")}).exitCode, 0);
        QCOMPARE(logbook(db, {QStringLiteral("export"), path("before.csv")}).exitCode, 0);

        QVERIFY(writeBytes(path("bad.csv"), kHeader + kGoodRows + badRow));
        const Run r = logbook(db, {QStringLiteral("import"), path("bad.csv")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message) && r.err.contains(QStringLiteral("Semmi sem került a naplóba.")),
                 qPrintable(r.err));
        QCOMPARE(logbook(db, {QStringLiteral("export"), path("after.csv")}).exitCode, 0);
        QCOMPARE(fileBytes(path("after.csv")), fileBytes(path("before.csv")));
    }

    void exportImportExport()
    {
        const QString first = path("first.sqlite"), second = path("second.sqlite");
        QVERIFY(writeBytes(path("rows.csv"), kHeader + kGoodRows));
        QCOMPARE(logbook(first, {QStringLiteral("import"), path("rows.csv")}).exitCode, 0);
        QCOMPARE(logbook(first, {QStringLiteral("import"), QStringLiteral(LOGBOOK_DATA "/yallop1997.csv")}).exitCode, 0);
        const Run added = logbook(first, {QStringLiteral("add"), QStringLiteral("--date"), QStringLiteral("2025-06-25"),
                                          QStringLiteral("--time"), QStringLiteral("21:10"), QStringLiteral("--result"),
                                          QStringLiteral("telescope"), QStringLiteral("--notes"), QStringLiteral("a\nb")});
        QCOMPARE(added.exitCode, 0);
        QVERIFY2(added.out.contains(QStringLiteral("Fiatalabb sarló, mint az eszközével elért világrekord.")),
                 qPrintable(added.out));
        QCOMPARE(logbook(first, {QStringLiteral("export"), path("a.csv")}).exitCode, 0);
        QCOMPARE(logbook(second, {QStringLiteral("import"), path("a.csv")}).exitCode, 0);
        QCOMPARE(logbook(second, {QStringLiteral("export"), path("b.csv")}).exitCode, 0);
        const QByteArray a = fileBytes(path("a.csv"));
        QCOMPARE(a.count("\r\n"), 11);
        QCOMPARE(fileBytes(path("b.csv")), a);
        QVERIFY(a.startsWith(kHeader.chopped(2) + ",age_h,lag_min,arcl,arcv,daz,w_arcmin,q,yallop,v,odeh,flags\r\n"));
    }

    // B. D. Yallop, NAO Technical Note 69 (1997, updated 1998), the table of
    // sightings: the figures are the paper's at the best time, so the rows
    // have no time. The result column is not the paper's; only the geometry
    // is compared.
    void publishedSightings()
    {
        const QString db = path("published.sqlite");
        const QString published = QStringLiteral(LOGBOOK_DATA "/yallop1997.csv");
        QCOMPARE(logbook(db, {QStringLiteral("import"), published}).exitCode, 0);
        QCOMPARE(logbook(db, {QStringLiteral("export"), path("published-out.csv")}).exitCode, 0);
        const auto paper = tavik::logbook::splitCsv(QString::fromUtf8(fileBytes(published)));
        const auto ours = tavik::logbook::splitCsv(QString::fromUtf8(fileBytes(path("published-out.csv"))));
        QCOMPARE(ours.records.size(), paper.records.size());
        const struct {
            const char* column;
            double tolerance;   // the paper's rounding, and W' computed a little differently
        } figures[] = {{"arcl", 0.1}, {"arcv", 0.1}, {"daz", 0.1}, {"age_h", 0.1}, {"lag_min", 1.0},
                       {"w_arcmin", 0.06}, {"q", 0.005}};
        for (qsizetype row = 1; row < paper.records.size(); ++row) {
            for (const auto& f : figures) {
                const QString name = QLatin1String(f.column);
                const double theirs = paper.records.at(row).at(paper.records.at(0).indexOf(name)).toDouble();
                const double mine = ours.records.at(row).at(ours.records.at(0).indexOf(name)).toDouble();
                QVERIFY2(std::abs(mine - theirs) <= f.tolerance,
                         qPrintable(QStringLiteral("%1 %2: %3, published %4")
                                        .arg(paper.records.at(row).at(12), name)
                                        .arg(mine)
                                        .arg(theirs)));
            }
        }
    }

    // What the command refuses leaves both files as they were, and a terminal-less run prints no progress.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("export over the logbook") << QStringList{"--db", "kept.sqlite", "export", "kept.sqlite"} << 1
                                                 << "A CSV-fájl (kept.sqlite) maga a napló; nem íródott semmi.";
        QTest::newRow("export over a link to it") << QStringList{"--db", "kept.sqlite", "export", "link.csv"} << 1
                                                  << "A CSV-fájl (link.csv) maga a napló; nem íródott semmi.";
        QTest::newRow("a mistyped --db for export") << QStringList{"--db", "typo.sqlite", "export", "backup.csv"} << 2
                                                    << "Nincs észlelési napló: typo.sqlite. Semmi sem készült.";
        QTest::newRow("a mistyped --db for score") << QStringList{"--db", "typo.sqlite", "score"} << 2
                                                   << "Nincs észlelési napló: typo.sqlite.";
    }

    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir work;
        QVERIFY(writeBytes(work.filePath("rows.csv"), kHeader + kGoodRows));
        QVERIFY(writeBytes(work.filePath("backup.csv"), "the backup\n"));
        QProcess p;
        p.setWorkingDirectory(work.path());
        p.start(QStringLiteral(ALMANAC_EXE), {"log", "--db", "kept.sqlite", "import", "rows.csv"});
        QVERIFY(p.waitForFinished(120'000) && p.exitCode() == 0);
        QVERIFY(p.readAllStandardError().isEmpty());   // no progress line without a terminal
        QVERIFY(QFile::link("kept.sqlite", work.filePath("link.csv")));
        const QByteArray kept = fileBytes(work.filePath("kept.sqlite"));
        p.start(QStringLiteral(ALMANAC_EXE), QStringList{"log"} + args);
        QVERIFY(p.waitForFinished(120'000));
        QCOMPARE(p.exitCode(), exitCode);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(message), qPrintable(err));
        QCOMPARE(fileBytes(work.filePath("kept.sqlite")), kept);
        QCOMPARE(fileBytes(work.filePath("backup.csv")), QByteArray("the backup\n"));
        QVERIFY(!QFile::exists(work.filePath("typo.sqlite")));
    }

    // A clock time in the spring gap: "add" gives the age "sighting --at" gives (14 h 32 min).
    void clockTimeInTheGap()
    {
        const QString db = path("gap.sqlite");
        QCOMPARE(logbook(db, {"add", "--date", "2025-03-30", "--time", "02:30", "--tz", "Europe/Budapest", "--lat", "47.5",
                              "--lon", "19", "--result", "not-seen"}).exitCode, 0);
        const Run sighting = almanac({"sighting", "--at", "2025.03.30 02:30", "--lat", "47.5", "--lon", "19", "--tz",
                                      "Europe/Budapest"});
        QVERIFY2(sighting.out.contains(QStringLiteral("14 óra 32 perc (esti sarló")), qPrintable(sighting.out));
        const Run list = logbook(db, {"list"});
        QVERIFY2(list.out.contains(QStringLiteral("kor 14,5 óra")), qPrintable(list.out));
        const Run json = logbook(db, {"list", "--json"});
        QVERIFY2(json.out.contains(QStringLiteral("\"ageHours\": 14.5")), qPrintable(json.out));
    }

    void listsAndSummaries()
    {
        const QString db = path("summaries.sqlite");
        QCOMPARE(logbook(db, {QStringLiteral("import"), QStringLiteral(LOGBOOK_DATA "/yallop1997.csv")}).exitCode, 0);
        const Run records = logbook(db, {QStringLiteral("records")});
        QVERIFY2(records.out.contains(QStringLiteral(
                     "Legfiatalabb sarló szabad szemmel: 13 óra 1 perc (1992.04.02, Hawaii); "
                     "világrekord: 15 óra 0 perc")),
                 qPrintable(records.out));
        const Run score = logbook(db, {QStringLiteral("score"), QStringLiteral("--json")});
        QVERIFY2(score.out.contains(QStringLiteral("\"counted\": 7")), qPrintable(score.out));
        const Run missing = logbook(path("none.sqlite"), {QStringLiteral("list")});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(!QFile::exists(path("none.sqlite")));
        const Run wrong = logbook(db, {QStringLiteral("import")});
        QCOMPARE(wrong.exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestLogbookCli)
#include "tst_logbook_cli.moc"
