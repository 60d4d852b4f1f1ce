// The observing site's file: what is written, what is read back, and a damaged
// file that gives Budapest and names its line without being touched.
#include "siteconfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;

class TestSiteConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void damagedFile_data();
    void damagedFile();
    void path_data();
    void path();

private:
    QByteArray readBack(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    QTemporaryDir m_dir;
};

void TestSiteConfig::roundTrip_data()
{
    QTest::addColumn<ObservingSite>("site");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("south-west, system zone, accents")
        << ObservingSite{"Piszkéstető \"Ő\"", -33.8688123, -70.25, 12700.5, ""}
        << QByteArray("[site]\nname=Piszk\xc3\xa9stet\xc5\x91 \"\xc5\x90\"\nlatitude=-33.8688123\n"
                      "longitude=-70.25\nelevation=12700.5\ntimezone=\n");
    QTest::newRow("the poles and the date line")
        << ObservingSite{"x", -90, 180, -500, "UTC"}
        << QByteArray("[site]\nname=x\nlatitude=-90\nlongitude=180\nelevation=-500\ntimezone=UTC\n");
}

void TestSiteConfig::roundTrip()
{
    QFETCH(ObservingSite, site);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("new/folder/tavik.conf"));
    QVERIFY(writeSiteConfig(path, site).ok());
    QCOMPARE(readBack(path), bytes);
    QCOMPARE(QFile::permissions(m_dir.filePath("new")) & QFile::ReadGroup, QFile::Permissions());
    const SiteConfigRead read = readSiteConfig(path);
    QVERIFY(read.ok());
    QCOMPARE(read.site, site);
    QVERIFY(QFile::remove(path));
}

void TestSiteConfig::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("key");
    const QByteArray head("# my site\n[site]\nname=Eger\n");
    QTest::newRow("decimal comma") << head + "latitude=47,902\nlongitude=20.37\n" << int(SiteFault::NotANumber) << 4
                                       << "latitude";
    QTest::newRow("nan") << head + "latitude=47.9\r\nlongitude=nan\n" << int(SiteFault::NotANumber) << 5 << "longitude";
    QTest::newRow("latitude beyond the pole") << head + "latitude=90.5\nlongitude=20\n" << int(SiteFault::OutOfRange)
                                              << 4 << "latitude";
    QTest::newRow("too high") << head + "latitude=47.9\nlongitude=20\nelevation=15001\n"
                              << int(SiteFault::OutOfRange) << 6 << "elevation";
    QTest::newRow("unknown zone") << head + "timezone=Budapest\nlatitude=47.9\nlongitude=20\n"
                                  << int(SiteFault::UnknownZone) << 4 << "timezone";
    QTest::newRow("not an entry") << head + "latitude 47.9\n" << int(SiteFault::NotAnEntry) << 4 << "";
    QTest::newRow("not UTF-8") << QByteArray("[site]\nname=P\xe9\x63s\n") << int(SiteFault::NotText) << 2 << "";
    QTest::newRow("no longitude") << head + "latitude=47.9\n" << int(SiteFault::Missing) << 2 << "longitude";
    QTest::newRow("other sections and comments are fine")
        << QByteArray("[other]\nlatitude=x\n; note\n[site]\nlatitude=1\nlongitude=2\n") << int(SiteFault::None) << 0
        << "";
    QTest::newRow("empty file") << QByteArray() << int(SiteFault::None) << 0 << "";
}

void TestSiteConfig::damagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fault);
    QFETCH(int, line);
    QFETCH(QString, key);
    const QString path = m_dir.filePath(QStringLiteral("tavik.conf"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
    f.close();
    const SiteConfigRead read = readSiteConfig(path);
    QVERIFY(read.status.ok());
    QCOMPARE(int(read.fault.kind), fault);
    QCOMPARE(read.fault.line, line);
    QCOMPARE(read.fault.key, key);
    if (fault != int(SiteFault::None))
        QCOMPARE(read.site, ObservingSite{});
    QCOMPARE(readBack(path), bytes);
}

void TestSiteConfig::path_data()
{
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("path");
    QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/tmp/cfg/") << "/tmp/cfg/tavik/tavik.conf";
    QTest::newRow("relative one ignored") << QByteArray("cfg") << "/home/u/.config/tavik/tavik.conf";
    QTest::newRow("unset") << QByteArray() << "/home/u/.config/tavik/tavik.conf";
}

void TestSiteConfig::path()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, path);
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", "/home/u");
    qputenv("XDG_CONFIG_HOME", xdg);
    const QString got = siteConfigPath();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    QCOMPARE(got, path);
    QVERIFY(readSiteConfig(m_dir.filePath("none.conf")).ok());
}

QTEST_GUILESS_MAIN(TestSiteConfig)
#include "tst_siteconfig.moc"
