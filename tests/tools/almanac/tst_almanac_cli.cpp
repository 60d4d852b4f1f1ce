// The command line of tavik-almanac: options, defaults, clear messages for
// bad input, the files it writes (their mode and owner), and the user's
// configured site (tavik.conf under XDG_CONFIG_HOME) unless --lat/--lon are
// given: a damaged file is named on standard error and Budapest is used.
#include "almanacrun.h"

#include <datafiles.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavik::testing;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(nem olvasható)");
}

// A configuration folder holding tavik.conf with these bytes (none for an empty value).
QString configHome(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString conf = dir.filePath(QStringLiteral("tavik/tavik.conf"));
    if (!bytes.isEmpty() && !(QDir(dir.path()).mkpath(QStringLiteral("tavik")) && writeBytes(conf, bytes)))
        return {};
    return dir.path();
}

const QByteArray kSzeged("[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\nelevation=80\n"
                         "timezone=Europe/Budapest\n");

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void version()
    {
        const Run r = almanac({QStringLiteral("--version")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.trimmed(), QStringLiteral("tavik-almanac " TAVIK_VERSION_STRING));
    }

    void help()
    {
        const Run r = almanac({QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        for (const char* option : {"--from", "--to", "--lat", "--lon", "--elevation", "--tz", "--out", "--only", "--ephe"})
            QVERIFY2(r.out.contains(QLatin1String(option)), option);
        // Every word of the help Hungarian, the parser's own lines too.
        QVERIFY2(r.out.contains(QStringLiteral("-h, --help       Ez a súgó.")), qPrintable(r.out));
        QVERIFY2(!r.out.contains(QStringLiteral("Displays")), qPrintable(r.out));
        const Run sighting = almanac({QStringLiteral("sighting"), QStringLiteral("--help")});
        QCOMPARE(sighting.exitCode, 0);
        QVERIFY2(sighting.out.section(u'\n', 0, 0).contains(QStringLiteral("tavik-almanac sighting [")),
                 qPrintable(sighting.out));
        for (const char* option : {"--at", "--json", "--lat", "--lon", "--elevation", "--tz", "--ephe"})
            QVERIFY2(sighting.out.contains(QLatin1String(option)), option);
        QVERIFY2(!sighting.out.contains(QStringLiteral("Displays")), qPrintable(sighting.out));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("sightingToo");   // a site or zone option, which the report takes as well
        QTest::newRow("time zone") << QStringList{"--tz", "Europe/Atlantis"} << "Ismeretlen időzóna" << true;
        QTest::newRow("zone without its region") << QStringList{"--tz", "Budapest"} << "Ismeretlen időzóna" << true;
        QTest::newRow("zone empty") << QStringList{"--tz", ""} << "Ismeretlen időzóna" << true;
        QTest::newRow("zone as a rule") << QStringList{"--tz", "xyz+99"} << "Ismeretlen időzóna" << true;
        QTest::newRow("latitude") << QStringList{"--lat", "91"} << "Hibás --lat érték: \"91\" (-90 és 90 között"
                                  << true;
        QTest::newRow("latitude nan") << QStringList{"--lat", "nan"}
                                      << "Hibás --lat érték: \"nan\" (-90 és 90 között" << true;
        QTest::newRow("longitude text") << QStringList{"--lon", "kelet"} << "Hibás --lon" << true;
        QTest::newRow("years reversed") << QStringList{"--from", "2030", "--to", "2020"} << "--from" << false;
        QTest::newRow("year outside the files") << QStringList{"--from", "1700"} << "Hibás --from" << false;
        QTest::newRow("year infinite") << QStringList{"--to", "inf"} << "Hibás --to érték: \"inf\" (1800 és 2399"
                                       << false;
        QTest::newRow("list name") << QStringList{"--only", "ujholdak,csillagok"} << "Ismeretlen lista" << false;
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QFETCH(bool, sightingToo);
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("holdsarlok.txt"));
        const QByteArray before("2025.05.27 19:02 Holdsarlo\r\n");
        QVERIFY(writeBytes(list, before));
        const Run r = almanac(args + QStringList{QStringLiteral("--out"), dir.path(), QStringLiteral("holdsarlok"),
                                                 QStringLiteral("venusz")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("holdsarlok.txt")});
        QCOMPARE(readBytes(list), before);   // nothing written
        if (!sightingToo)
            return;
        const Run s = almanac(QStringList{QStringLiteral("sighting"), QStringLiteral("--at"),
                                          QStringLiteral("2025.05.27 21:05")} + args);
        QCOMPARE(s.exitCode, 1);
        QVERIFY2(s.err.contains(message), qPrintable(s.err));
        QCOMPARE(s.out, QString());
    }

    void unknownOptionInHungarian()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_hu.qm")))
            QSKIP("Qt's Hungarian translations (qt6-translations-l10n) are not installed");
        for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"sighting", "--bogus"}}) {
            const Run r = almanac(args);
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(!r.err.contains(QStringLiteral("Unknown option")), qPrintable(r.err));
            QVERIFY2(r.err.contains(QStringLiteral("bogus")), qPrintable(r.err));
        }
    }

    void oneListForAnotherPlaceAndZone()
    {
        QTemporaryDir dir;
        const Run r = almanac({QStringLiteral("ujholdak"), QStringLiteral("--from"), QStringLiteral("2024"),
                               QStringLiteral("--to"), QStringLiteral("2024"), QStringLiteral("--tz"),
                               QStringLiteral("America/New_York"), QStringLiteral("--out"), dir.path()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ujholdak.txt")});
        const tavik::FileRead<QStringList> lines = tavik::readLines(dir.filePath(QStringLiteral("ujholdak.txt")));
        QVERIFY(lines.ok());
        QCOMPARE(lines.value.size(), 13);
        // 2024 January 11, 11:57 UT is 06:57 in New York (winter time); July 5,
        // 22:57 UT is 18:57 (summer time).
        QCOMPARE(lines.value.first(), QStringLiteral("2024.01.11 06:57"));
        QCOMPARE(lines.value.at(6), QStringLiteral("2024.07.05 18:57"));
    }

    void unwritableFolder()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A folder below a plain file cannot be made.
        const Run r = almanac({QStringLiteral("--only"), QStringLiteral("ujholdak"), QStringLiteral("--out"),
                               dir.filePath(QStringLiteral("file/sub"))});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("célmappa")), qPrintable(r.err));
    }

    void ephemerisFolderWithoutFiles()
    {
        QTemporaryDir dir;
        const Run r = almanac({QStringLiteral("--ephe"), dir.filePath(QStringLiteral("nincs")), QStringLiteral("--out"),
                               dir.path()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("mappában nincsenek efemeriszfájlok")), qPrintable(r.err));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void damagedEphemerisFile()
    {
        const QString shipped = QStringLiteral("/usr/share/libswe/ephe/");
        if (!QFile::exists(shipped + QStringLiteral("sepl_18.se1")))
            QSKIP("no ephemeris files on this machine");
        QTemporaryDir ephe, out;
        QFile source(shipped + QStringLiteral("sepl_18.se1"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        // The planets' file cut short after its header, the Moon's whole.
        QFile cut(ephe.filePath(QStringLiteral("sepl_18.se1")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        QVERIFY(cut.write(source.read(3000)) == 3000);
        cut.close();
        QVERIFY(QFile::copy(shipped + QStringLiteral("semo_18.se1"), ephe.filePath(QStringLiteral("semo_18.se1"))));
        const Run r = almanac({QStringLiteral("--ephe"), ephe.path(), QStringLiteral("--only"),
                               QStringLiteral("ujholdak,napfogyik"), QStringLiteral("--from"), QStringLiteral("2026"),
                               QStringLiteral("--to"), QStringLiteral("2026"), QStringLiteral("--out"), out.path()});
        QCOMPARE(r.exitCode, 2);
        for (const char* file : {"ujholdak.txt: Az efemerisz nem tudott számolni", "napfogyik.txt: Az efemerisz"})
            QVERIFY2(r.err.contains(QString::fromUtf8(file)), qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("sérült a(z) sepl_18.se1 efemeriszfájl")), qPrintable(r.err));
        QVERIFY(QDir(out.path()).isEmpty());   // no list half written
    }

    void allFiveByDefault()
    {
        QTemporaryDir dir;
        const Run r = almanac({QStringLiteral("--from"), QStringLiteral("2026"), QStringLiteral("--to"),
                               QStringLiteral("2026"), QStringLiteral("--lat"), QStringLiteral("46.25"),
                               QStringLiteral("--lon"), QStringLiteral("20.15"), QStringLiteral("--out"), dir.path()});
        QCOMPARE(r.exitCode, 0);
        QStringList files = QDir(dir.path()).entryList(QDir::Files);
        files.sort();
        QCOMPARE(files, (QStringList{"holdfogyik.txt", "holdsarlok.txt", "napfogyik.txt", "ujholdak.txt", "venusz.txt"}));
        const tavik::FileRead<QStringList> solar = tavik::readLines(dir.filePath(QStringLiteral("napfogyik.txt")));
        QVERIFY(solar.value.at(1).contains(QStringLiteral("É 46,2500°, K 20,1500°")));
        // 2026 August 12: total over Spain, partial in Hungary near sunset.
        QVERIFY(solar.value.last().startsWith(QStringLiteral("2026.08.12 19:4")));
        QVERIFY(!solar.value.last().endsWith(QStringLiteral("nem látható")));
    }

    // A new list's mode follows the umask, a replaced one keeps its mode and
    // owner, even another user's.
    void listKeepsOwnerAndMode_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<uint>("owner");   // of the existing list
        QTest::addColumn<uint>("mode");    // expected, and of the existing list
        QTest::newRow("new under umask 077") << false << uint(::geteuid()) << 0600u;
        QTest::newRow("another user's list") << true << 65534u << 0640u;
    }

    void listKeepsOwnerAndMode()
    {
        QFETCH(bool, existing);
        QFETCH(uint, owner);
        QFETCH(uint, mode);
        if (owner != ::geteuid() && ::geteuid() != 0)
            QSKIP("only root can make a file of another user");
        QTemporaryDir dir;
        const QByteArray list = QFile::encodeName(dir.filePath(QStringLiteral("ujholdak.txt")));
        if (existing) {
            QVERIFY(writeBytes(QFile::decodeName(list), "old\r\n"));
            QCOMPARE(::chown(list.constData(), owner, owner), 0);
            QCOMPARE(::chmod(list.constData(), mode), 0);
        }
        const mode_t umask = ::umask(077);
        const Run r = almanac({QStringLiteral("--only"), QStringLiteral("ujholdak"), QStringLiteral("--out"), dir.path()});
        ::umask(umask);
        QCOMPARE(r.exitCode, 0);
        struct stat st {};
        QCOMPARE(::stat(list.constData(), &st), 0);
        QVERIFY(st.st_size > 1000);
        QCOMPARE(uint(st.st_mode & 07777), mode);
        QCOMPARE(uint(st.st_uid), owner);
        QCOMPARE(uint(st.st_gid), existing ? owner : uint(::getegid()));
    }

    void configuredSite_data()
    {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("place");   // latitude longitude elevation zone, as the JSON gives them
        QTest::addColumn<QString>("message");
        QByteArray chile = kSzeged;
        chile.replace("Europe/Budapest", "America/Santiago").replace("46.253", "-30.1692");
        QTest::newRow("configured") << chile << QStringList{} << 0 << "-30.1692 20.148 80 America/Santiago" << "";
        QTest::newRow("options win, at sea level")
            << kSzeged << QStringList{"--lat", "10", "--lon", "-20"} << 0 << "10 -20 0 Europe/Budapest" << "";
        QTest::newRow("no file") << QByteArray() << QStringList{} << 0 << "47.4979 19.0402 100 Europe/Budapest" << "";
        QTest::newRow("damaged file")
            << QByteArray("[site]\nname=Szeged\nlatitude=46,253\nlongitude=20.148\n") << QStringList{} << 0
            << "47.4979 19.0402 100 Europe/Budapest"
            << "3. sora hibás: latitude=46,253\nA földrajzi szélesség helyén szám kell, tizedesponttal, -90° és 90° között.";
        QTest::newRow("above the range") << kSzeged << QStringList{"--elevation", "15001"} << 1 << ""
                                         << "Hibás --elevation érték: \"15001\" (-500 és 15000 között kell lennie)";
        QTest::newRow("latitude alone") << kSzeged << QStringList{"--lat", "46"} << 1 << ""
                                        << "A --lat és a --lon csak együtt adható meg.";
    }

    void configuredSite()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, place);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const Run r = almanac(QStringList{"sighting", "--json", "--at", "2025.05.28 21:00"} + args, configHome(dir, conf));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(message.isEmpty() ? !r.err.contains(QStringLiteral("tavik.conf")) : r.err.contains(message),
                 qPrintable(r.err));
        if (exitCode != 0)
            return;
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        const QString got = QStringList{QString::number(o.value("latitude").toDouble()),
                                        QString::number(o.value("longitude").toDouble()),
                                        QString::number(o.value("elevation").toDouble()),
                                        o.value("timeZone").toString()}
                                .join(u' ');
        QCOMPARE(got, place);
    }

    // A place given by its coordinates has no name in the list's heading; in
    // English (tavik.conf's [ui] language) its words and numbers follow.
    void listHeading_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QByteArray>("site");   // Windows-1250
        QTest::newRow("configured") << QStringList{} << kSzeged
                                    << QByteArray("(Szeged, \xc9 46,2530\xb0, K 20,1480\xb0, 80 m)");
        QTest::newRow("coordinates") << QStringList{"--lat", "46.253", "--lon", "20.148", "--elevation", "80"} << kSzeged
                                     << QByteArray("     (\xc9 46,2530\xb0, K 20,1480\xb0, 80 m)");
        QTest::newRow("English") << QStringList{} << kSzeged + "\n[ui]\nlanguage=en\n"
                                 << QByteArray("(local time)                          (Szeged, N 46.2530\xb0, E 20.1480\xb0, 80 m)");
    }

    void listHeading()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, conf);
        QFETCH(QByteArray, site);
        QTemporaryDir dir;
        const Run r = almanac(QStringList{"napfogyik", "--from", "2026", "--to", "2026", "--out", dir.path()} + args,
                              configHome(dir, conf));
        QCOMPARE(r.exitCode, 0);
        const QByteArray heading = readBytes(dir.filePath(QStringLiteral("napfogyik.txt"))).split('\n').value(1);
        QVERIFY2(heading.endsWith(site + "\r"), heading.constData());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_almanac_cli.moc"
