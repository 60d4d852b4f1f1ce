// tavik-almanac takes the user's configured site (tavik.conf under
// XDG_CONFIG_HOME) unless --lat/--lon are given; a damaged file is named on
// standard error and Budapest is used.
#include "almanacrun.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik::testing;

class TestAlmanacSite : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sighting_data();
    void sighting();
    void listHeading_data();
    void listHeading();

private:
    // A configuration folder holding tavik.conf with these bytes (none for an empty value).
    static QString configHome(const QTemporaryDir& dir, const QByteArray& bytes)
    {
        if (!bytes.isEmpty()) {
            QDir(dir.path()).mkpath(QStringLiteral("tavik"));
            QFile f(dir.filePath(QStringLiteral("tavik/tavik.conf")));
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                return {};
        }
        return dir.path();
    }
};

const QByteArray kSzeged("[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\nelevation=80\n"
                         "timezone=Europe/Budapest\n");

void TestAlmanacSite::sighting_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("place");   // latitude longitude elevation zone, as the JSON gives them
    QTest::addColumn<QString>("message");
    QTest::newRow("configured") << kSzeged << QStringList{} << 0 << "46.253 20.148 80 Europe/Budapest" << "";
    QByteArray chile = kSzeged;
    chile.replace("Europe/Budapest", "America/Santiago").replace("46.253", "-30.1692");
    QTest::newRow("configured zone") << chile << QStringList{} << 0 << "-30.1692 20.148 80 America/Santiago" << "";
    QTest::newRow("options win, at sea level")
        << kSzeged << QStringList{"--lat", "10", "--lon", "-20"} << 0 << "10 -20 0 Europe/Budapest" << "";
    QTest::newRow("from an aircraft")
        << QByteArray() << QStringList{"--lat", "10", "--lon", "20", "--elevation", "12700", "--tz", "UTC"} << 0
        << "10 20 12700 UTC" << "";
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

void TestAlmanacSite::sighting()
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

void TestAlmanacSite::listHeading_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("site");   // Windows-1250
    QTest::newRow("configured") << kSzeged << QStringList{} << QByteArray("(Szeged, \xc9 46,2530\xb0, K 20,1480\xb0, 80 m)");
    QTest::newRow("no file") << QByteArray() << QStringList{}
                             << QByteArray("(Budapest, \xc9 47,4979\xb0, K 19,0402\xb0, 100 m)");
    // A place given by its coordinates has no name.
    QTest::newRow("coordinates") << kSzeged << QStringList{"--lat", "46.253", "--lon", "20.148", "--elevation", "80"}
                                 << QByteArray("     (\xc9 46,2530\xb0, K 20,1480\xb0, 80 m)");
}

void TestAlmanacSite::listHeading()
{
    QFETCH(QByteArray, conf);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, site);
    QTemporaryDir dir;
    const Run r = almanac(QStringList{"napfogyik", "--from", "2026", "--to", "2026", "--out", dir.path()} + args,
                          configHome(dir, conf));
    QCOMPARE(r.exitCode, 0);
    QFile list(dir.filePath(QStringLiteral("napfogyik.txt")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QByteArray heading = list.readAll().split('\n').value(1);
    QVERIFY2(heading.endsWith(site + "\r"), heading.constData());
}

QTEST_GUILESS_MAIN(TestAlmanacSite)
#include "tst_almanac_site.moc"
