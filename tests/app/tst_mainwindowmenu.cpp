// The menu bar and the companion windows it opens: captions, access keys and
// shortcuts, one window of a kind, and closing the main window alone.
#include "appfixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include "sitewindow.h"
#include "visibilitywindow.h"

#include <QCheckBox>
#include <QDateEdit>

using namespace tavik;
using namespace tavik::testing;

namespace {
QList<QWidget*> openWindows(const QString& objectName)
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            found.append(w);
    }
    return found;
}
}  // namespace

class MainWindowMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The companion windows may report their missing data files.
    void initTestCase() { m_caught = std::make_unique<MessageLog>(); }
    void cleanupTestCase() { m_caught.reset(); }
    void cleanup() { closeCompanions(); }
    void menus();
    void items_data();
    void items();
    void noItemOnF10();
    void separatorLookalikeDoesNothing();
    void itemOpensOneWindow_data();
    void itemOpensOneWindow();
    void visibilityFollowsTheSiteWindow();
    void visibilityOpensTheMapWindow();
    void closedWindowIsMadeAnew();
    void shortcutsOpenDays_data();
    void shortcutsOpenDays();
    void shortcutsFromEveryWindow_data();
    void shortcutsFromEveryWindow();
    void pictureClickOpensTheMap();
    void kilepClosesTheMainWindowAlone();
    void companionsOutliveTheMainWindow();
    void companionsReportToTheirWindowsSink_data();
    void companionsReportToTheirWindowsSink();
    void visibilityNamesADamagedSiteFile();

private:
    std::unique_ptr<MessageLog> m_caught;
};

void MainWindowMenuTest::menus()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    const QList<QAction*> heads = a->menuBar()->actions();
    QCOMPARE(heads.size(), 3);
    const QStringList names{QStringLiteral("holdmap"), QStringLiteral("szamit"), QStringLiteral("prg")};
    const QStringList titles{QStringLiteral("&Hold - térképek"), QStringLiteral("&Szerszámok"),
                             QStringLiteral("H&elp")};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(heads[i]->menu()->objectName(), names[i]);
        QCOMPARE(heads[i]->text(), titles[i]);
    }
}

void MainWindowMenuTest::items_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const QString m = QStringLiteral("holdmap");
    const QStringList days{"02", "03", "04", "05", "06", "07", "08", "09"};
    for (int i = 0; i < days.size(); ++i) {
        QTest::addRow("hold%s", qPrintable(days[i]))
            << m << i << QStringLiteral("hold") + days[i]
            << QStringLiteral("  %1. nap").arg(i + 2) << QKeySequence(Qt::Key_F2 + i);
    }
    QTest::newRow("hold10") << m << 8 << "hold10" << "10. nap" << QKeySequence(Qt::Key_F11);
    QTest::newRow("hold11") << m << 9 << "hold11" << "11. nap" << QKeySequence(Qt::Key_F12);

    const QString s = QStringLiteral("szamit");
    QTest::newRow("jegyzetek") << s << 0 << "jegyzetek" << "&Jegyzetek" << QKeySequence(Qt::CTRL | Qt::Key_J);
    QTest::newRow("naplo") << s << 1 << "naplo" << QStringLiteral("&Megfigyelési napló") << QKeySequence();
    QTest::newRow("naptar1") << s << 2 << "naptar1" << QStringLiteral("N&aptár") << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("holdsarlolista") << s << 3 << "holdsarlolista" << QStringLiteral("&Korai Holdsarlók") << QKeySequence();
    QTest::newRow("jelensegnaptar") << s << 4 << "jelensegnaptar" << "&Napfogyatkozások" << QKeySequence();
    QTest::newRow("holdfogyi") << s << 5 << "holdfogyi" << "&Holdfogyatkozások" << QKeySequence();
    QTest::newRow("venusz") << s << 6 << "venusz" << QStringLiteral("&Vénusz sarlók") << QKeySequence();
    QTest::newRow("vonas") << s << 7 << "vonas" << QStringLiteral("&Fok - Vonás calculator") << QKeySequence();
    QTest::newRow("terkep") << s << 10 << "terkep" << QStringLiteral("Té&rkép…") << QKeySequence(Qt::CTRL | Qt::Key_M);
    QTest::newRow("holdhonapok") << s << 12 << "holdhonapok" << QStringLiteral("Holdhóna&pok…")
                                 << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H);
    QTest::newRow("nyelv") << s << 13 << "nyelvMenu" << "Ny&elv / Language" << QKeySequence();
    QTest::newRow("eszlelesinaplo") << s << 11 << "eszlelesinaplo" << QStringLiteral("Ész&lelési napló…")
                                    << QKeySequence(Qt::CTRL | Qt::Key_E);

    const QString p = QStringLiteral("prg");
    QTest::newRow("prog") << p << 0 << "prog" << QStringLiteral("&Programról") << QKeySequence();
    QTest::newRow("leir") << p << 1 << "leir" << QStringLiteral("&Leírás") << QKeySequence(Qt::CTRL | Qt::Key_L);
    QTest::newRow("help1") << p << 2 << "help1" << "------------" << QKeySequence();
    QTest::newRow("kilep") << p << 3 << "kilep" << QStringLiteral("&Kilépés") << QKeySequence(Qt::CTRL | Qt::Key_Q);
}

void MainWindowMenuTest::items()
{
    QFETCH(QString, menu);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    auto* m = a->findChild<QMenu*>(menu);
    QVERIFY(m);
    QVERIFY(position < m->actions().size());
    QAction* item = m->actions().at(position);
    QCOMPARE(item->objectName(), name);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QVERIFY(item->isEnabled());
    QVERIFY(!item->isSeparator());
}

void MainWindowMenuTest::noItemOnF10()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    int items = 0;
    for (QAction* act : a->findChildren<QAction*>()) {
        QVERIFY2(act->shortcut() != QKeySequence(Qt::Key_F10), qPrintable(act->objectName()));
        ++items;
    }
    QVERIFY(items >= 22);
    QCOMPARE(a->findChild<QMenu*>(QStringLiteral("holdmap"))->actions().size(), 10);
    QCOMPARE(a->findChild<QMenu*>(QStringLiteral("szamit"))->actions().size(), 14);
    QCOMPARE(a->findChild<QMenu*>(QStringLiteral("prg"))->actions().size(), 4);
}

void MainWindowMenuTest::separatorLookalikeDoesNothing()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    const int before = QApplication::topLevelWidgets().size();
    a->findChild<QAction*>(QStringLiteral("help1"))->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    QVERIFY(a->isVisible());
}

void MainWindowMenuTest::itemOpensOneWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    for (const char* day : {"hold02", "hold05", "hold11"})
        QTest::newRow(day) << day << "Form3";
    QTest::newRow("jegyzetek") << "jegyzetek" << "Form8";
    QTest::newRow("naplo") << "naplo" << "Form10";
    QTest::newRow("naptar1") << "naptar1" << "Form6";
    QTest::newRow("holdsarlolista") << "holdsarlolista" << "Form5";
    QTest::newRow("jelensegnaptar") << "jelensegnaptar" << "Form7";
    QTest::newRow("holdfogyi") << "holdfogyi" << "Form12";
    QTest::newRow("venusz") << "venusz" << "Form9";
    QTest::newRow("vonas") << "vonas" << "Form4";
    QTest::newRow("megfigyelohely") << "megfigyelohely" << "SiteWindow";
    QTest::newRow("lathatosag") << "lathatosag" << "VisibilityWindow";
    QTest::newRow("terkep") << "terkep" << "mapWindow";
    QTest::newRow("prog") << "prog" << "frmAbout";
    QTest::newRow("leir") << "leir" << "Form2";
}

void MainWindowMenuTest::itemOpensOneWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    QAction* act = a->findChild<QAction*>(item);
    QVERIFY(act);
    act->trigger();
    const QList<QWidget*> first = openWindows(window);
    QCOMPARE(first.size(), 1);
    QVERIFY(first[0]->isWindow());
    QCOMPARE(first[0]->parentWidget(), nullptr);
    QVERIFY(!first[0]->isModal());
    act->trigger();
    QCOMPARE(openWindows(window), first);
}

// The visibility window's "Térkép…" button opens the map window for the
// evening of its report.
void MainWindowMenuTest::visibilityOpensTheMapWindow()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    a->findChild<QAction*>(QStringLiteral("lathatosag"))->trigger();
    auto* v = qobject_cast<VisibilityWindow*>(openWindows(QStringLiteral("VisibilityWindow")).value(0));
    QVERIFY(v && v->report());
    v->findChild<QPushButton*>(QStringLiteral("map"))->click();
    QWidget* map = openWindows(QStringLiteral("mapWindow")).value(0);
    QVERIFY(map);
    const almanac::SightingReport& r = *v->report();
    const QDate evening = almanac::utcOf(r.sunEvent.value_or(r.at) + r.site.longitude / 360.0).date();
    QCOMPARE(map->findChild<QDateEdit*>(QStringLiteral("dateEdit"))->date(), evening);
    QCOMPARE(map->findChild<QCheckBox*>(QStringLiteral("morningBox"))->isChecked(), !r.evening);
}

// The visibility window's button opens the site window; a site saved there
// goes to the environment's file, and the visibility window computes for it.
void MainWindowMenuTest::visibilityFollowsTheSiteWindow()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    QSignalSpy changed(a.get(), &A::siteChanged);
    a->show();
    a->findChild<QAction*>(QStringLiteral("lathatosag"))->trigger();
    QWidget* v = openWindows(QStringLiteral("VisibilityWindow")).value(0);
    QVERIFY(v);
    QCOMPARE(v->findChild<QLabel*>(QStringLiteral("siteName"))->text(), QStringLiteral("Budapest"));
    v->findChild<QPushButton*>(QStringLiteral("siteButton"))->click();
    auto* site = qobject_cast<SiteWindow*>(openWindows(QStringLiteral("SiteWindow")).value(0));
    QVERIFY(site);
    auto* places = site->findChild<QListWidget*>(QStringLiteral("places"));
    places->setCurrentItem(places->findItems(QStringLiteral("Szeged"), Qt::MatchExactly).value(0));
    QTest::mouseClick(site->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    const ObservingSite szeged{QStringLiteral("Szeged"), 46.253, 20.148, 80, QStringLiteral("Europe/Budapest")};
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<ObservingSite>(), szeged);
    const QString file = data.path() + QStringLiteral("/../config/tavik/tavik.conf");
    QVERIFY(QFile::exists(file));
    QCOMPARE(readSiteConfig(file).site, szeged);
    QCOMPARE(v->findChild<QLabel*>(QStringLiteral("siteName"))->text(), QStringLiteral("Szeged"));
    QCOMPARE(v->findChild<QLabel*>(QStringLiteral("site"))->text(), QStringLiteral("É 46,2530°, K 20,1480°, 80 m"));
    v->close();
    flushDeletions();
}

void MainWindowMenuTest::closedWindowIsMadeAnew()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    QAction* act = a->findChild<QAction*>(QStringLiteral("leir"));
    act->trigger();
    QPointer<QWidget> first = openWindows(QStringLiteral("Form2")).value(0);
    QVERIFY(first);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);   // discarded when closed
    act->trigger();
    QCOMPARE(openWindows(QStringLiteral("Form2")).size(), 1);
}

void MainWindowMenuTest::shortcutsOpenDays_data()
{
    // The key goes to the window, or to a control that has the focus: the keys
    // reach the menu also while a text box or the list has it.
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("window");
    QTest::newRow("F2") << "" << int(Qt::Key_F2) << 0 << "Form3";
    QTest::newRow("F9") << "" << int(Qt::Key_F9) << 0 << "Form3";
    QTest::newRow("F11") << "" << int(Qt::Key_F11) << 0 << "Form3";
    QTest::newRow("F12") << "" << int(Qt::Key_F12) << 0 << "Form3";
    QTest::newRow("Ctrl+J") << "" << int(Qt::Key_J) << int(Qt::ControlModifier) << "Form8";
    QTest::newRow("Ctrl+N") << "" << int(Qt::Key_N) << int(Qt::ControlModifier) << "Form6";
    QTest::newRow("Ctrl+L") << "" << int(Qt::Key_L) << int(Qt::ControlModifier) << "Form2";
    QTest::newRow("Ctrl+T") << "" << int(Qt::Key_T) << int(Qt::ControlModifier) << "VisibilityWindow";
    QTest::newRow("F10 nothing") << "" << int(Qt::Key_F10) << 0 << "";
    for (const char* control : {"Text11", "Text12", "Ujholdak", "Command1"}) {
        QTest::addRow("%s F2", control) << control << int(Qt::Key_F2) << 0 << "Form3";
        QTest::addRow("%s F12", control) << control << int(Qt::Key_F12) << 0 << "Form3";
        QTest::addRow("%s Ctrl+J", control) << control << int(Qt::Key_J) << int(Qt::ControlModifier) << "Form8";
        QTest::addRow("%s Ctrl+N", control) << control << int(Qt::Key_N) << int(Qt::ControlModifier) << "Form6";
        QTest::addRow("%s Ctrl+L", control) << control << int(Qt::Key_L) << int(Qt::ControlModifier) << "Form2";
    }
}

void MainWindowMenuTest::shortcutsOpenDays()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, window);
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    QVERIFY(QTest::qWaitForWindowActive(a.get()));
    QWidget* target = a.get();
    if (!control.isEmpty()) {
        target = a->findChild<QWidget*>(control);
        QVERIFY(target);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
    }
    const int before = QApplication::topLevelWidgets().size();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (window.isEmpty())
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    else
        QCOMPARE(openWindows(window).size(), 1);
}

void MainWindowMenuTest::shortcutsFromEveryWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    const char* const windows[][2] = {{"hold02", "Form3"}, {"jegyzetek", "Form8"}, {"naptar1", "Form6"},
        {"holdsarlolista", "Form5"}, {"vonas", "Form4"}, {"megfigyelohely", "SiteWindow"},
        {"lathatosag", "VisibilityWindow"}, {"terkep", "mapWindow"}, {"eszlelesinaplo", "LogbookWindow"},
        {"holdhonapok", "lunarMonths"}, {"prog", "frmAbout"}, {"leir", "Form2"}};
    for (const auto& w : windows)
        QTest::newRow(w[1]) << w[0] << w[1];
}

// Ctrl+T, Ctrl+M and Ctrl+E open their windows from any Tavik window, wherever
// its focus is, as from the main one.
void MainWindowMenuTest::shortcutsFromEveryWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    a->findChild<QAction*>(item)->trigger();
    const std::pair<QKeyCombination, const char*> keys[] = {{Qt::CTRL | Qt::Key_T, "VisibilityWindow"},
                                                           {Qt::CTRL | Qt::Key_M, "mapWindow"},
                                                           {Qt::CTRL | Qt::Key_E, "LogbookWindow"}};
    for (const auto& [key, opened] : keys) {
        QWidget* w = openWindows(window).value(0);
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key.key(), key.keyboardModifiers());
        QVERIFY2(openWindows(QLatin1String(opened)).size() == 1, opened);
        if (window != QLatin1String(opened)) {
            openWindows(QLatin1String(opened)).value(0)->close();
            flushDeletions();
        }
    }
}

void MainWindowMenuTest::pictureClickOpensTheMap()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    QTest::mouseClick(child<QLabel>(*a, "Picture1"), Qt::LeftButton);
    QCOMPARE(openWindows(QStringLiteral("Form3")).size(), 1);
}

void MainWindowMenuTest::kilepClosesTheMainWindowAlone()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->show();
    a->findChild<QAction*>(QStringLiteral("jegyzetek"))->trigger();
    QPointer<QWidget> notes = openWindows(QStringLiteral("Form8")).value(0);
    QVERIFY(notes);
    a->findChild<QAction*>(QStringLiteral("kilep"))->trigger();
    QVERIFY(!a->isVisible());
    QVERIFY(notes && notes->isVisible());
    QVERIFY(QApplication::quitOnLastWindowClosed());
}

void MainWindowMenuTest::companionsOutliveTheMainWindow()
{
    DataFolder data;
    auto a = makeWindow(data, *m_caught);
    a->setAttribute(Qt::WA_DeleteOnClose);
    a->show();
    a->findChild<QAction*>(QStringLiteral("naptar1"))->trigger();
    a->findChild<QAction*>(QStringLiteral("hold03"))->trigger();
    QPointer<QWidget> calendar = openWindows(QStringLiteral("Form6")).value(0);
    QPointer<QWidget> map = openWindows(QStringLiteral("Form3")).value(0);
    QVERIFY(calendar && map);
    QPointer<A> main = a.release();
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main);
    QVERIFY(calendar && calendar->isVisible());
    QVERIFY(map && map->isVisible());
}

void MainWindowMenuTest::companionsReportToTheirWindowsSink_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("map viewer") << "hold04" << QStringLiteral("A 'Lunar-day04s.gif' fájl NEM található!");
    QTest::newRow("list") << "venusz" << QStringLiteral("A 'venusz.txt' fájl NEM található!");
    QTest::newRow("notes") << "naplo" << QStringLiteral("A 'naplo-tavik.txt' fájl NEM található!");
}

void MainWindowMenuTest::companionsReportToTheirWindowsSink()
{
    // Two main windows side by side: each companion reports to the sink of the
    // window that opened it, and to no other.
    QFETCH(QString, action);
    QFETCH(QString, message);
    DataFolder first;
    DataFolder second;
    MessageLog firstLog;
    MessageLog secondLog;
    auto a = makeWindow(first, firstLog);
    auto b = makeWindow(second, secondLog);
    b->findChild<QAction*>(action)->trigger();
    QCOMPARE(firstLog.messages, QList<Message>{});
    QCOMPARE(secondLog.messages, (QList<Message>{Message{MessageIcon::Error, message}}));
    closeCompanions();
    a->findChild<QAction*>(action)->trigger();
    QCOMPARE(firstLog.count(), 1);
    QCOMPARE(secondLog.count(), 1);
}

void MainWindowMenuTest::visibilityNamesADamagedSiteFile()
{
    DataFolder data;
    MessageLog log;
    auto a = makeWindow(data, log);
    const QString file = data.path() + QStringLiteral("/../config/tavik/tavik.conf");
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    const QByteArray damaged = "[site]\nname=Szeged\nlatitude=146.25\nlongitude=20.15\n";
    QVERIFY(replaceWholeFileBytes(file, damaged).ok());
    a->findChild<QAction*>(QStringLiteral("lathatosag"))->trigger();
    QVERIFY(openWindow("VisibilityWindow"));
    QCOMPARE(log.count(), 1);
    QVERIFY2(log.lastText().contains(QStringLiteral("3. sora hibás: latitude=146.25"))
                 && log.lastText().contains(QStringLiteral("Addig Budapest a megfigyelőhely")),
             qPrintable(log.lastText()));
    // Said once: opening the open window again brings it forward in silence.
    a->findChild<QAction*>(QStringLiteral("lathatosag"))->trigger();
    QCOMPARE(log.count(), 1);
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damaged);
}

QTEST_MAIN(MainWindowMenuTest)
#include "tst_mainwindowmenu.moc"
