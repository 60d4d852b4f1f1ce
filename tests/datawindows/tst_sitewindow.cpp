// The window "Megfigyelőhely": a bad field is refused with a message naming it
// and its range and nothing saved; a good site is written to the file and
// announced, an unchanged one left as it is; a damaged file, or anything else
// where the file belongs, is named and left alone until saved; Tab reaches
// every control.
#include "messagelog.h"
#include "siteplaces.h"
#include "sitewindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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
    void ok_data();
    void ok();
    void damagedFileIsNamedAndKept();
    void okWithoutAChangeKeepsTheFile_data();
    void okWithoutAChangeKeepsTheFile();
    void whatIsNoSiteFileIsNamed_data();
    void whatIsNoSiteFileIsNamed();
    void tabReachesEveryControl();
    void placesLieInHungary();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("tavik/tavik.conf")); }
    QTemporaryDir m_dir;
};

// A place chosen from the list or typed: a good one is written and announced
// and the window closes; a bad field is refused with a message, selected, and
// nothing is saved.
void TestSiteWindow::ok_data()
{
    QTest::addColumn<QString>("place");   // chosen from the list, or typed when empty
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("box");     // the bad one, empty when saved
    QTest::addColumn<QString>("message");
    QTest::newRow("Szeged from the list") << "Szeged" << QStringList{}
                                          << QByteArray("[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\n"
                                                        "elevation=80\ntimezone=Europe/Budapest\n")
                                          << "" << "";
    QTest::newRow("degrees, minutes, seconds")
        << "" << QStringList{" Kert ", "46°15'11\"", "20 8 53 K", "80,5", ""}
        << QByteArray("[site]\nname=Kert\nlatitude=46.2530556\nlongitude=20.1480556\nelevation=80.5\ntimezone=\n")
        << "" << "";
    QTest::newRow("aircraft, south-west")
        << "" << QStringList{"Repülő", "-33.5", "-70,25", "12700", "America/Santiago"}
        << QByteArray("[site]\nname=Rep\xc3\xbcl\xc5\x91\nlatitude=-33.5\nlongitude=-70.25\nelevation=12700\n"
                      "timezone=America/Santiago\n")
        << "" << "";
    const QString latitudeHelp = QStringLiteral(
        "”.\nFokban adja meg, -90° és 90° között, például 46,253 vagy 46.253, illetve 46°15'11\" vagy 46 15 11.");
    QTest::newRow("latitude beyond the pole")
        << "" << QStringList{"Kert", "90,5", "20", "80", ""} << QByteArray("(none)") << "latitude"
        << QStringLiteral("A földrajzi szélesség hibás: „90,5") + latitudeHelp;
    QTest::newRow("61 minutes") << "" << QStringList{"Kert", "46 15 11", "20 61", "80", ""} << QByteArray("(none)")
                                << "longitude"
                                << QStringLiteral("A földrajzi hosszúság hibás: „20 61”.\nFokban adja meg, -180° és "
                                                  "180° között, például 20,148 vagy 20.148, illetve 20°08'53\" vagy "
                                                  "20 8 53.");
    QTest::newRow("above the aircraft")
        << "" << QStringList{"Kert", "46", "20", "15000,5", ""} << QByteArray("(none)") << "elevation"
        << QStringLiteral("A tengerszint feletti magasság hibás: „15000,5”.\nMéterben adja meg, -500 és 15 000 méter "
                          "között.");
    QTest::newRow("zone not IANA")
        << "" << QStringList{"Kert", "46", "20", "80", "Budapest"} << QByteArray("(none)") << "zone"
        << QStringLiteral("Az időzóna hibás: „Budapest”.\nA listából válasszon IANA időzónát (például "
                          "Europe/Budapest), vagy hagyja üresen: akkor a rendszer időzónája számít.");
    QTest::newRow("no name") << "" << QStringList{"  ", "46", "20", "80", ""} << QByteArray("(none)") << "name"
                             << QStringLiteral("Hiányzik a hely neve.\nAdjon nevet a helynek, legfeljebb 60 "
                                               "karaktert.");
}

void TestSiteWindow::ok()
{
    QFETCH(QString, place);
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, box);
    QFETCH(QString, message);
    QFile::remove(path());
    MessageLog log;
    SiteWindow w(path(), readSiteConfig(path()), log.sink());
    w.show();
    QSignalSpy changed(&w, &SiteWindow::siteChanged);
    auto* places = w.findChild<QListWidget*>(QStringLiteral("places"));
    if (place.isEmpty())
        fill(w, fields);
    else
        places->setCurrentItem(places->findItems(place, Qt::MatchExactly).value(0));
    press(w, "ok");
    QCOMPARE(bytesOf(path()), bytes);
    QCOMPARE(log.count(), int(!box.isEmpty()));
    QCOMPARE(log.lastText(), message);
    QCOMPARE(changed.count(), int(box.isEmpty()));
    QCOMPARE(w.isVisible(), !box.isEmpty());
    if (box.isEmpty()) {
        QCOMPARE(changed.at(0).at(0).value<ObservingSite>(), readSiteConfig(path()).site);
        return;
    }
    auto* bad = box == u"zone" ? w.findChild<QComboBox*>(box)->lineEdit() : w.findChild<QLineEdit*>(box);
    QCOMPARE(bad->selectedText(), bad->text());
}

void TestSiteWindow::damagedFileIsNamedAndKept()
{
    const QByteArray damaged("[site]\nlatitude=46.25\nlongitude=keleti\n");
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QFile f(path());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(damaged) == damaged.size());
    f.close();
    SiteWindow w(path(), readSiteConfig(path()), failOnMessages());
    const auto* fault = w.findChild<QLabel*>(QStringLiteral("fileFault"));
    QVERIFY2(fault->text().contains(QStringLiteral("3. sora hibás: longitude=keleti\nA földrajzi hosszúság helyén "
                                                   "szám kell, tizedesponttal, -180° és 180° között.")),
             qPrintable(fault->text()));
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("latitude"))->text(), QStringLiteral("47,4979"));
    QCOMPARE(bytesOf(path()), damaged);
    press(w, "save");
    QCOMPARE(readSiteConfig(path()).site, ObservingSite{});
    QVERIFY(fault->isHidden());
}

// The window opens on the file's site, listed or not, and OK leaves the
// file as it was, however the list got the focus (an item view makes its
// first row, Budapest, current then).
void TestSiteWindow::okWithoutAChangeKeepsTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("focus");   // how the list gets it after the window opens
    const QByteArray typed("[site]\nname=Kert\nlatitude=46.2530556\nlongitude=20.1480556\nelevation=80\n"
                           "timezone=Europe/Budapest\n");
    const QByteArray listed("[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\nelevation=80\n"
                            "timezone=Europe/Budapest\n");
    const QByteArray byHand("# kézzel\r\n[site]\r\nname = Tető\r\nlatitude=46.25\r\nlongitude=20.15\r\n");
    for (const char* focus : {"opening", "Tab", "click"}) {
        QTest::addRow("typed, %s", focus) << typed << QString::fromLatin1(focus);
        QTest::addRow("listed, %s", focus) << listed << QString::fromLatin1(focus);
    }
    QTest::newRow("written by hand, Tab") << byHand << "Tab";
}

void TestSiteWindow::okWithoutAChangeKeepsTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, focus);
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QVERIFY(replaceWholeFileBytes(path(), bytes).ok());
    const ObservingSite site = readSiteConfig(path()).site;
    SiteWindow w(path(), readSiteConfig(path()), failOnMessages());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* places = w.findChild<QListWidget*>(QStringLiteral("places"));
    if (focus == u"Tab") {
        w.findChild<QLineEdit*>(QStringLiteral("name"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    } else if (focus == u"click") {
        w.findChild<QLineEdit*>(QStringLiteral("name"))->setFocus();
        places->setFocus(Qt::MouseFocusReason);
    }
    QCOMPARE(QApplication::focusWidget(), places);
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("name"))->text(), site.name);
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("longitude"))->text(),
             siteNumberText(site.longitude).replace(u'.', u','));
    QSignalSpy changed(&w, &SiteWindow::siteChanged);
    press(w, "ok");
    QCOMPARE(bytesOf(path()), bytes);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!w.isVisible());
}

// What stands where the file belongs but is none is named, as a damaged
// file is, and left there.
void TestSiteWindow::whatIsNoSiteFileIsNamed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder" << "Ezen a néven mappa van.";
    QTest::newRow("link to nothing") << "link" << "A fájl helyén nem létező fájlra mutató hivatkozás van.";
    QTest::newRow("FIFO") << "fifo" << "Nem közönséges fájl (eszköz vagy csővezeték), ezért érintetlen marad.";
    QTest::newRow("too large") << "large" << "A fájl túl nagy: legfeljebb 64 KB lehet.";
}

void TestSiteWindow::whatIsNoSiteFileIsNamed()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tavik.conf"));
    const QByteArray native = QFile::encodeName(file);
    if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tavik.conf")));
    else if (kind == u"link")
        QCOMPARE(::symlink("nincs.conf", native.constData()), 0);
    else if (kind == u"fifo")
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    else
        QVERIFY(replaceWholeFileBytes(file, QByteArray((64 << 10) + 1, '#')).ok());
    const SiteConfigRead read = readSiteConfig(file);
    SiteWindow w(file, read, failOnMessages());
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("fileFault"))->text(),
             QStringLiteral("A 'tavik.conf' fájl NEM olvasható!\n") + reason
                 + QStringLiteral("\nAddig Budapest a megfigyelőhely; a fájl változatlan marad, amíg új helyet nem "
                                  "ment a Megfigyelőhely ablakban."));
    QCOMPARE(read.site, ObservingSite{});
    QVERIFY(QFileInfo(file).isSymLink() == (kind == u"link"));
}

// Tab walks every control in the order they stand, and round again; the zone
// box's pop-up list does not outlive a save.
void TestSiteWindow::tabReachesEveryControl()
{
    QFile::remove(path());
    SiteWindow w(path(), readSiteConfig(path()), failOnMessages());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QStringList walked;
    for (int i = 0; i < 10; ++i) {
        QWidget* focus = QApplication::focusWidget();
        walked << (qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus)->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(walked, (QStringList{"places", "name", "latitude", "longitude", "elevation", "zone", "save", "ok",
                                  "cancel", "places"}));
    auto* zone = w.findChild<QComboBox*>(QStringLiteral("zone"));
    zone->setFocus();
    zone->setEditText(QString());
    QTest::keyClicks(zone->lineEdit(), QStringLiteral("Europe/Buda"));
    QTRY_VERIFY(zone->completer()->popup()->isVisible());
    zone->setEditText(QStringLiteral("Europe/Budapest"));
    press(w, "save");
    QVERIFY(!zone->completer()->popup()->isVisible());
    QCOMPARE(readSiteConfig(path()).site, ObservingSite{});
}

void TestSiteWindow::placesLieInHungary()
{
    const QList<ObservingSite> places = hungarianSites();
    QVERIFY(places.size() >= 27);
    QCOMPARE(places.first(), ObservingSite{});
    for (const ObservingSite& s : places)
        QVERIFY2(s.latitude > 45.74 && s.latitude < 48.59 && s.longitude > 16.11 && s.longitude < 22.9
                     && s.elevation >= 70 && s.elevation <= 1010,
                 qPrintable(s.name));
}

QTEST_MAIN(TestSiteWindow)
#include "tst_sitewindow.moc"
