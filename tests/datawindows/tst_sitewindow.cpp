// The window "Megfigyelőhely": a bad field is refused with a message naming it
// and its range and nothing saved; a good site is written to the file and
// announced; a damaged file is named and left alone until saved.
#include "messagelog.h"
#include "siteplaces.h"
#include "sitewindow.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;
using tavik::testing::MessageLog;
using tavik::testing::failOnMessages;

namespace {

// Fills the boxes in the window's order: name, latitude, longitude, elevation, zone.
void fill(SiteWindow& w, const QStringList& fields)
{
    const char* boxes[] = {"name", "latitude", "longitude", "elevation"};
    for (int i = 0; i < 4; ++i)
        w.findChild<QLineEdit*>(QLatin1String(boxes[i]))->setText(fields.at(i));
    w.findChild<QComboBox*>(QStringLiteral("zone"))->setEditText(fields.at(4));
}

void press(SiteWindow& w, const char* button)
{
    QTest::mouseClick(w.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

}  // namespace

class TestSiteWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void badField_data();
    void badField();
    void save_data();
    void save();
    void damagedFileIsNamedAndKept();
    void placesLieInHungary();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("tavik/tavik.conf")); }
    QTemporaryDir m_dir;
};

void TestSiteWindow::badField_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    const QString latitudeHelp = QStringLiteral(
        "”.\nFokban adja meg, -90° és 90° között, például 46,253 vagy 46.253, illetve 46°15'11\" vagy 46 15 11.");
    QTest::newRow("latitude beyond the pole")
        << QStringList{"Kert", "90,5", "20", "80", ""} << "latitude"
        << QStringLiteral("A földrajzi szélesség hibás: „90,5") + latitudeHelp;
    QTest::newRow("61 minutes") << QStringList{"Kert", "46 15 11", "20 61", "80", ""} << "longitude"
                                << QStringLiteral("A földrajzi hosszúság hibás: „20 61”.\nFokban adja meg, -180° és "
                                                  "180° között, például 20,148 vagy 20.148, illetve 20°08'53\" vagy "
                                                  "20 8 53.");
    QTest::newRow("above the aircraft")
        << QStringList{"Kert", "46", "20", "15000,5", ""} << "elevation"
        << QStringLiteral("A tengerszint feletti magasság hibás: „15000,5”.\nMéterben adja meg, -500 és 15 000 méter "
                          "között.");
    QTest::newRow("zone not IANA")
        << QStringList{"Kert", "46", "20", "80", "Budapest"} << "zone"
        << QStringLiteral("Az időzóna hibás: „Budapest”.\nA listából válasszon IANA időzónát (például "
                          "Europe/Budapest), vagy hagyja üresen: akkor a rendszer időzónája számít.");
    QTest::newRow("no name") << QStringList{"  ", "46", "20", "80", ""} << "name"
                             << QStringLiteral("Hiányzik a hely neve.\nAdjon nevet a helynek, legfeljebb 60 "
                                               "karaktert.");
}

void TestSiteWindow::badField()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, box);
    QFETCH(QString, message);
    MessageLog log;
    SiteWindow w(path(), log.sink());
    QSignalSpy changed(&w, &SiteWindow::siteChanged);
    fill(w, fields);
    press(w, "ok");
    QCOMPARE(log.lastText(), message);
    QCOMPARE(log.count(), 1);
    QCOMPARE(bytesOf(path()), QByteArray("(none)"));
    QCOMPARE(changed.count(), 0);
    auto* bad = box == u"zone" ? w.findChild<QComboBox*>(box)->lineEdit() : w.findChild<QLineEdit*>(box);
    QCOMPARE(bad->selectedText(), bad->text());
}

void TestSiteWindow::save_data()
{
    QTest::addColumn<QString>("place");   // chosen from the list, or typed when empty
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Szeged from the list") << "Szeged" << QStringList{}
                                          << QByteArray("[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\n"
                                                        "elevation=80\ntimezone=Europe/Budapest\n");
    QTest::newRow("degrees, minutes, seconds")
        << "" << QStringList{" Kert ", "46°15'11\"", "20 8 53 K", "80,5", ""}
        << QByteArray("[site]\nname=Kert\nlatitude=46.2530556\nlongitude=20.1480556\nelevation=80.5\ntimezone=\n");
    QTest::newRow("aircraft, south-west")
        << "" << QStringList{"Repülő", "-33.5", "-70,25", "12700", "America/Santiago"}
        << QByteArray("[site]\nname=Rep\xc3\xbcl\xc5\x91\nlatitude=-33.5\nlongitude=-70.25\nelevation=12700\n"
                      "timezone=America/Santiago\n");
}

void TestSiteWindow::save()
{
    QFETCH(QString, place);
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, bytes);
    QFile::remove(path());
    SiteWindow w(path(), failOnMessages());
    w.show();
    QSignalSpy changed(&w, &SiteWindow::siteChanged);
    if (place.isEmpty())
        fill(w, fields);
    else
        w.findChild<QListWidget*>(QStringLiteral("places"))->setCurrentItem(
            w.findChild<QListWidget*>(QStringLiteral("places"))->findItems(place, Qt::MatchExactly).value(0));
    press(w, "ok");
    QCOMPARE(bytesOf(path()), bytes);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<ObservingSite>(), readSiteConfig(path()).site);
    QVERIFY(!w.isVisible());
}

void TestSiteWindow::damagedFileIsNamedAndKept()
{
    const QByteArray damaged("[site]\nlatitude=46.25\nlongitude=keleti\n");
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QFile f(path());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(damaged) == damaged.size());
    f.close();
    SiteWindow w(path(), failOnMessages());
    const auto* fault = w.findChild<QLabel*>(QStringLiteral("fileFault"));
    QVERIFY2(fault->text().contains(QStringLiteral("3. sora hibás: longitude=keleti\nA földrajzi hosszúság helyén "
                                                   "szám kell, tizedesponttal, -180° és 180° között.")),
             qPrintable(fault->text()));
    QCOMPARE(w.site(), ObservingSite{});
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("latitude"))->text(), QStringLiteral("47,4979"));
    QCOMPARE(bytesOf(path()), damaged);
    press(w, "save");
    QCOMPARE(readSiteConfig(path()).site, ObservingSite{});
    QVERIFY(fault->isHidden());
}

void TestSiteWindow::placesLieInHungary()
{
    const QList<ObservingSite> places = hungarianSites();
    QVERIFY(places.size() >= 27);
    QCOMPARE(places.first(), ObservingSite{});
    QStringList names;
    for (const ObservingSite& s : places) {
        names << s.name;
        QVERIFY2(s.latitude > 45.74 && s.latitude < 48.59 && s.longitude > 16.11 && s.longitude < 22.9,
                 qPrintable(s.name));
        QVERIFY2(s.elevation >= 70 && s.elevation <= 1010 && std::fmod(s.elevation, 10) == 0, qPrintable(s.name));
    }
    for (const char* name : {"Piszkéstető (csillagvizsgáló)", "Svábhegy (csillagvizsgáló)", "Salgótarján", "Baja"})
        QVERIFY2(names.contains(QString::fromUtf8(name)), name);
}

QTEST_MAIN(TestSiteWindow)
#include "tst_sitewindow.moc"
