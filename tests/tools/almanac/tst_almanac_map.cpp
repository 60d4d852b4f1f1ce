// "tavik-almanac map": the table's bytes and the picture of a coarse map,
// and bad input, which gets a Hungarian message, exit code 2 and leaves
// every file as it was.
#include "almanacrun.h"
#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QCryptographicHash>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace tavik::testing;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeOldPicture(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("old picture") == 11;
}

}  // namespace

class TestAlmanacMap : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString at(const QString& name) const { return dir.filePath(name); }

private Q_SLOTS:
    void tableAndPicture_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArrayList>("rows");
        QTest::addColumn<QString>("title");
        // The SHA-256 of the whole table as the row-by-row writer wrote it: the
        // block writer must keep every byte.
        QTest::addColumn<QByteArray>("digest");
        QTest::addColumn<QString>("note");   // on stderr
        const QStringList evening{QStringLiteral("--date"), QStringLiteral("2025.05.27")};
        // Budapest's neighbourhood sees the crescent at q = 0.000 (class B);
        // the sighting report says the same for 47.5° N 17.5° E at 19:06 UT.
        // At 62.5° N the Moon is still up at the short night's end: the
        // crescent is graded at the darkest moment, with no moonset or lag.
        QTest::newRow("evening Yallop")
            << evening
            << QByteArrayList{"87.500\t-177.500\t\t\t\t\t\tno-sunset",
                              "62.500\t-2.500\t2025-05-27T21:35:31Z\t\t2025-05-28T00:07:00Z\t\t-0.206\tD",
                              "47.500\t17.500\t2025-05-27T18:34:36Z\t2025-05-27T19:45:32Z\t2025-05-27T19:06:07Z\t70.9\t0.000\tB",
                              "-2.500\t177.500\t2025-05-27T06:06:50Z\t2025-05-27T06:05:38Z\t\t-1.2\t\tmoonset-first"}
            << QStringLiteral("Holdsarló láthatósága 2025.05.27. este – Yallop-féle q – együttállás: 2025.05.27 03:02 UT")
            << QByteArray("e2ed510007536fe8761b46102ebf5c3724853b63769b909bab3ca68ee7f73a71") << QString();
        QTest::newRow("evening before the conjunction, Odeh, a site given")
            << QStringList{QStringLiteral("--date"), QStringLiteral("2025.05.26"), QStringLiteral("--criterion"),
                           QStringLiteral("odeh"), QStringLiteral("--lat"), QStringLiteral("46.25"), QStringLiteral("--lon"),
                           QStringLiteral("20.15")}
            << QByteArrayList{"47.500\t17.500\t2025-05-26T18:33:32Z\t2025-05-26T18:21:09Z\t\t-12.4\t\tbefore-conjunction"}
            << QStringLiteral("Holdsarló láthatósága 2025.05.26. este – Odeh-féle V – együttállás: 2025.05.27 03:02 UT")
            << QByteArray("c6c1da6e1238b179d19ec2c26dbd73256f6dd8b6c6af6cc21af57f70518a2ac3") << QString();
        QTest::newRow("morning before the conjunction")
            << QStringList{QStringLiteral("--date"), QStringLiteral("2025.05.26"), QStringLiteral("--morning")}
            << QByteArrayList{}
            << QStringLiteral("Holdsarló láthatósága 2025.05.26. hajnalban – Yallop-féle q – együttállás: 2025.05.27 03:02 UT")
            << QByteArray("0cb9c45f2e610a3fed5874a258a99c580a5cfbbde377f11ec418b38e428c3389") << QString();
        // A day after the conjunction every sunrise comes after it, a day and
        // a half before it every sunset before it: the map is drawn, and the
        // note says why it has no crescent.
        QTest::newRow("morning after the conjunction everywhere")
            << QStringList{QStringLiteral("--date"), QStringLiteral("2025.05.28"), QStringLiteral("--morning")}
            << QByteArrayList{"47.500\t17.500\t2025-05-28T02:59:34Z\t2025-05-28T03:25:14Z\t\t-25.7\t\tbefore-conjunction"}
            << QStringLiteral("Holdsarló láthatósága 2025.05.28. hajnalban – Yallop-féle q – együttállás: 2025.05.27 03:02 UT")
            << QByteArray("6d0cc607f8b5d73cdac5aefd83545d9b20f09332f416326a590e64fb07eb7cd7")
            << QStringLiteral("2025.05.28. hajnalán sehol sincs óhold: a térkép minden pontján az együttállás (2025.05.27 03:02 UT) "
                              "után kel a Nap. Az óholdat a korábbi hajnalok térképe mutatja.\n");
        QTest::newRow("evening before the conjunction everywhere")
            << QStringList{QStringLiteral("--date"), QStringLiteral("2025.05.25")} << QByteArrayList{}
            << QStringLiteral("Holdsarló láthatósága 2025.05.25. este – Yallop-féle q – együttállás: 2025.05.27 03:02 UT")
            << QByteArray("621cf0f6dbf718d9152a858233853a1999a62f4ff9064dfd1ef65d3808c90ecf")
            << QStringLiteral("2025.05.25. estéjén sehol sincs újhold: a térkép minden pontján az együttállás (2025.05.27 03:02 UT) "
                              "előtt nyugszik a Nap. Az újholdat a későbbi esték térképe mutatja.\n");
    }

    void tableAndPicture()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArrayList, rows);
        QFETCH(QString, title);
        QFETCH(QByteArray, digest);
        QFETCH(QString, note);
        const Run r = almanac(QStringList{QStringLiteral("map")} + args
                              + QStringList{QStringLiteral("--step"), QStringLiteral("5"), QStringLiteral("--out"),
                                            at(QStringLiteral("m.png")), QStringLiteral("--table"), at(QStringLiteral("m.tsv"))});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, note);
        QVERIFY(r.out.startsWith(title + u'\n'));
        const QByteArrayList lines = bytesOf(at(QStringLiteral("m.tsv"))).split('\n');
        QCOMPARE(lines.size(), 1 + 72 * 36 + 1);   // the header, the places, nothing after the last LF
        QCOMPARE(lines.first(), QByteArray("lat\tlon\tsunset_ut\tmoonset_ut\tbest_ut\tlag_min\tvalue\tclass"));
        QCOMPARE(lines.last(), QByteArray());
        for (const QByteArray& row : rows)
            QVERIFY2(lines.contains(row), row);
        QCOMPARE(QCryptographicHash::hash(bytesOf(at(QStringLiteral("m.tsv"))), QCryptographicHash::Sha256).toHex(), digest);
        const QImage picture(at(QStringLiteral("m.png")));
        QCOMPARE(picture.size(), QSize(1464, 809));
    }

    // The picture is written in the format its extension names.
    void pictureFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png") << QStringLiteral("m.png") << QByteArray("\x89PNG");
        QTest::newRow("jpg") << QStringLiteral("m.JPG") << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("bmp") << QStringLiteral("m.bmp") << QByteArray("BM");
        QTest::newRow("no extension") << QStringLiteral("m") << QByteArray("\x89PNG");
    }

    void pictureFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        const Run r = almanac({QStringLiteral("map"), QStringLiteral("--date"), QStringLiteral("2025.05.27"),
                               QStringLiteral("--step"), QStringLiteral("5"), QStringLiteral("--out"), at(name)});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(bytesOf(at(name)).startsWith(magic));
        QCOMPARE(QImage(at(name)).width(), 1464);
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("pictureExisted");
        const QString date = QStringLiteral("--date");
        const QStringList table{date, QStringLiteral("2025.05.27"), QStringLiteral("--step"), QStringLiteral("5"),
                                QStringLiteral("--table"), at(QStringLiteral("nincs/m.tsv"))};
        QTest::newRow("no date") << QStringList{} << QStringLiteral("Hiányzik a --date dátum") << true;
        QTest::newRow("no such day") << QStringList{date, QStringLiteral("2025.02.30")} << QStringLiteral("Hibás --date dátum: \"2025.02.30\"") << true;
        const QString uncovered = QStringLiteral("Az efemeriszfájlok nem fedik le ezt az időpontot: --date");
        QTest::newRow("outside the files") << QStringList{date, QStringLiteral("2500.01.01")} << uncovered << true;
        // The evening of 1800.01.10 takes the new moon of 1799.12.26, before the files.
        QTest::newRow("new moon before the files") << QStringList{date, QStringLiteral("1800.01.10"), QStringLiteral("--lat"), QStringLiteral("47"), QStringLiteral("--lon"), QStringLiteral("19")}
                                                   << uncovered + QStringLiteral(" \"1800.01.10\"") << true;
        QTest::newRow("step 0") << QStringList{date, QStringLiteral("2025.05.27"), QStringLiteral("--step"), QStringLiteral("0")}
                                << QStringLiteral("Hibás --step rácsköz: \"0\" (0,1 és 5 fok között kell lennie)") << true;
        QTest::newRow("step 6") << QStringList{date, QStringLiteral("2025.05.27"), QStringLiteral("--step"), QStringLiteral("6")}
                                << QStringLiteral("Hibás --step rácsköz") << true;
        QTest::newRow("criterion") << QStringList{date, QStringLiteral("2025.05.27"), QStringLiteral("--criterion"), QStringLiteral("danjon")}
                                   << QStringLiteral("Ismeretlen --criterion: \"danjon\" (lehet: yallop, odeh)") << true;
        QTest::newRow("table folder missing, old picture") << table << QStringLiteral("m.tsv") << true;
        const QStringList step5{date, QStringLiteral("2025.05.27"), QStringLiteral("--step"), QStringLiteral("5")};
        const QString same = QStringLiteral("A --out kép és a --table táblázat ugyanaz a fájl");
        QTest::newRow("table is the picture") << step5 + QStringList{QStringLiteral("--table"), at(QStringLiteral("old.png"))}
                                              << same << true;
        QTest::newRow("table is the picture through a link")
            << step5 + QStringList{QStringLiteral("--table"), at(QStringLiteral("link-to-old.png"))} << same << true;
        QTest::newRow("new picture, table through a link to it")
            << step5 + QStringList{QStringLiteral("--table"), at(QStringLiteral("link-to-new.png"))} << same << false;
        QTest::newRow("unknown picture format") << QStringList{date, QStringLiteral("2025.05.27"), QStringLiteral("--out"), at(QStringLiteral("new.xyz"))}
                                                << QStringLiteral("A --out kép kiterjesztése (\"xyz\") nem ismert képformátum; lehet: ") << false;
        QTest::newRow("full Moon") << QStringList{date, QStringLiteral("2025.02.12")}
                                   << QStringLiteral("A --date napján (2025.02.12.) nincs holdsarló: a legközelebbi együttállás 2025.01.29 12:36 UT. "
                                                     "A térkép az együttállás előtti és utáni 5 napra készül.")
                                   << true;
        QTest::newRow("table folder missing, new picture") << table << QStringLiteral("m.tsv") << false;
        // The table is whole on the disk before the picture is written: a
        // picture that cannot be written leaves no table, nor its temporary file.
        QTest::newRow("picture folder missing, table given")
            << step5 + QStringList{QStringLiteral("--out"), at(QStringLiteral("nincs/new.png")), QStringLiteral("--table"),
                                   at(QStringLiteral("new.tsv"))}
            << QStringLiteral("new.png") << false;
    }

    // An old picture keeps its bytes, a new one goes again; the table is not made.
    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QFETCH(bool, pictureExisted);
        const QString picture = at(pictureExisted ? QStringLiteral("old.png") : QStringLiteral("new.png"));
        QVERIFY(!pictureExisted || writeOldPicture(picture));
        for (const QString& to : {QStringLiteral("old.png"), QStringLiteral("new.png")})
            QFile::link(to, at(QStringLiteral("link-to-") + to));
        const QStringList out = args.contains(QStringLiteral("--out")) ? QStringList{} : QStringList{QStringLiteral("--out"), picture};
        const Run r = almanac(QStringList{QStringLiteral("map")} + args + out);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY2(!r.err.contains(QStringLiteral("QCommandLineParser")), qPrintable(r.err));
        if (pictureExisted)
            QCOMPARE(bytesOf(picture), QByteArray("old picture"));
        else
            QVERIFY(!QFile::exists(picture));
        QVERIFY(!QFile::exists(at(QStringLiteral("nincs/m.tsv"))));
        QVERIFY(!QFile::exists(at(QStringLiteral("new.xyz"))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).filter(QStringLiteral("new")), QStringList());
    }

    // The Hungarian date's closing dot stays out of the English message.
    void noCrescentInEnglish()
    {
        const Run r = almanac({QStringLiteral("map"), QStringLiteral("--date"), QStringLiteral("2025.02.12"),
                               QStringLiteral("--out"), at(QStringLiteral("new.png"))},
                              QStringLiteral("/nonexistent"), QStringLiteral("en_US.UTF-8"));
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("There is no crescent on the --date day (2025.02.12): the nearest "
                                                 "conjunction is at 2025.01.29 12:36 UT.")),
                 qPrintable(r.err));
    }

    void tableFolderFullOrReadOnly_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        QTest::newRow("full") << false << QStringLiteral("A 'm.tsv' fájl NEM menthető!\nMegtelt a lemez.");
        QTest::newRow("read-only") << true << QStringLiteral("A 'm.tsv' fájl NEM menthető!\nA lemez csak olvasható.");
    }

    // The table (19 MB) on a disk of 256 kB, or on one mounted read-only: the
    // picture keeps its old bytes, and the disk holds nothing new.
    void tableFolderFullOrReadOnly()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        if (readOnly)
            QVERIFY(::mount("tmpfs", QFile::encodeName(disk.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        const QString picture = at(QStringLiteral("kept.png"));
        QVERIFY(writeOldPicture(picture));
        const Run r = almanac({QStringLiteral("map"), QStringLiteral("--date"), QStringLiteral("2025.05.27"),
                               QStringLiteral("--out"), picture, QStringLiteral("--table"), disk.filePath(QStringLiteral("m.tsv"))});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(bytesOf(picture), QByteArray("old picture"));
        QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // A picture put together from the layer an earlier one kept (of its own
    // evening or another) is the picture drawn, byte for byte; a layer cut
    // short is drawn and kept anew, and one that cannot be read or written
    // (a FIFO in its place, a full disk) costs the picture nothing.
    void pictureFromKeptLayer_data()
    {
        QTest::addColumn<QString>("evening");
        QTest::addColumn<QString>("fault");
        QTest::newRow("kept") << QStringLiteral("2025.05.27") << QString();
        QTest::newRow("another evening's") << QStringLiteral("2025.05.28") << QString();
        QTest::newRow("cut short") << QStringLiteral("2025.05.27") << QStringLiteral("cut");
        QTest::newRow("a FIFO in its place") << QStringLiteral("2025.05.27") << QStringLiteral("fifo");
        QTest::newRow("no room for it") << QStringLiteral("2025.05.27") << QStringLiteral("full");
    }

    void pictureFromKeptLayer()
    {
        QFETCH(QString, evening);
        QFETCH(QString, fault);
        QTemporaryDir cache;
        QString home = cache.path();
        std::optional<SmallDisk> disk;
        if (fault == QLatin1String("full")) {
            disk.emplace();
            if (!disk->mounted())
                QSKIP(qPrintable(disk->whyNot()));
            home = disk->path();
        }
        const auto map = [&](const QString& date, const QString& name, const QString& cacheHome) {
            return almanac({QStringLiteral("map"), QStringLiteral("--date"), date, QStringLiteral("--step"), QStringLiteral("5"),
                            QStringLiteral("--out"), at(name)},
                           QStringLiteral("/nonexistent"), {}, cacheHome)
                .exitCode;
        };
        QCOMPARE(map(QStringLiteral("2025.05.27"), QStringLiteral("first.png"), home), 0);
        const QDir layers(home + QStringLiteral("/tavik/layers"));
        const QStringList kept = layers.entryList(QDir::Files | QDir::Hidden | QDir::System);
        QCOMPARE(kept.size(), disk ? 0 : 1);
        const QByteArray layer = QFile::encodeName(layers.filePath(kept.value(0)));
        const qint64 size = QFileInfo(layers.filePath(kept.value(0))).size();
        if (fault == QLatin1String("cut"))
            QVERIFY(QFile::resize(QString::fromLocal8Bit(layer), size / 2));
        if (fault == QLatin1String("fifo"))
            QVERIFY(::unlink(layer.constData()) == 0 && ::mkfifo(layer.constData(), 0600) == 0);
        struct stat before {}, after {};
        ::stat(layer.constData(), &before);

        QCOMPARE(map(evening, QStringLiteral("kept.png"), home), 0);
        QCOMPARE(map(evening, QStringLiteral("drawn.png"), QStringLiteral("/nonexistent")), 0);
        QVERIFY(bytesOf(at(QStringLiteral("drawn.png"))).startsWith("\x89PNG"));
        QCOMPARE(bytesOf(at(QStringLiteral("kept.png"))), bytesOf(at(QStringLiteral("drawn.png"))));
        ::stat(layer.constData(), &after);
        if (fault.isEmpty())
            QCOMPARE(after.st_ino, before.st_ino);   // read, not drawn again
        if (fault == QLatin1String("cut"))
            QVERIFY(after.st_ino != before.st_ino && after.st_size == size);
        if (fault == QLatin1String("fifo"))
            QVERIFY(S_ISFIFO(after.st_mode));
        if (disk)
            QCOMPARE(layers.entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestAlmanacMap)
#include "tst_almanac_map.moc"
