// What a screen reader finds: every control named in Hungarian, the drawn
// results and the phase picture readable, list rows and note text as well.
#include "appfixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace tavik;
using namespace tavik::testing;

namespace {

QAccessibleInterface* accessible(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    if (!iface)
        QTest::qFail("no accessible interface", __FILE__, __LINE__);
    return iface;
}

QString nameOf(QObject* o) { return accessible(o)->text(QAccessible::Name); }
QString descriptionOf(QObject* o) { return accessible(o)->text(QAccessible::Description); }

// Every control of the window that takes the focus, with no accessible name.
QStringList unnamedControls(QWidget* window)
{
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) || w->focusProxy())
            continue;
        if (nameOf(w).trimmed().isEmpty())
            out.append(window->objectName() + u'/' + w->objectName() + u' '
                       + QString::fromLatin1(w->metaObject()->className()));
    }
    return out;
}

}  // namespace

class MainWindowAccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { closeCompanions(); }
    void mainWindowNames_data();
    void mainWindowNames();
    void everyControlOfEveryWindowIsNamed();
    void resultsAreReadAfterEachCalculation();
    void listRowsAreReadable();
    void noteTextIsReadable();
    void converterBoxesAndResult();
};

void MainWindowAccessibilityTest::mainWindowNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("Text11") << "Text11" << QStringLiteral("Utolsó Újhold");
    QTest::newRow("Text12") << "Text12" << QStringLiteral("Megfigyelés");
    QTest::newRow("Ujholdak") << "Ujholdak" << QStringLiteral("Újholdak");
    QTest::newRow("Command6") << "Command6" << QStringLiteral("OK");
    QTest::newRow("Command3") << "Command3" << QStringLiteral("Utolsó Újhold");
    QTest::newRow("Command1") << "Command1" << QStringLiteral("Megfigyelés");
    QTest::newRow("Command14") << "Command14" << QStringLiteral("Mentés");
    QTest::newRow("Command2") << "Command2" << QStringLiteral("Most!");
    QTest::newRow("Picture1 before a calculation") << "Picture1" << QStringLiteral("Holdfázis");
    QTest::newRow("banner") << "PictureHoldak" << QStringLiteral("Tavik");
    QTest::newRow("results") << "ResultSurface" << QStringLiteral("A számítás eredménye");
}

void MainWindowAccessibilityTest::mainWindowNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    DataFolder data;
    auto a = makeWindow(data);
    QWidget* w = a->findChild<QWidget*>(control);
    QVERIFY(w);
    QCOMPARE(nameOf(w), name);
}

void MainWindowAccessibilityTest::everyControlOfEveryWindowIsNamed()
{
    DataFolder data;
    MessageLog log;   // the companions' missing files
    auto a = makeWindow(data, log);
    a->show();
    QStringList unnamed = unnamedControls(a.get());
    const char* items[] = {"hold02", "jegyzetek", "naplo", "naptar1", "holdsarlolista",
                           "jelensegnaptar", "holdfogyi", "venusz", "vonas", "prog", "leir", "megfigyelohely"};
    for (const char* item : items)
        a->findChild<QAction*>(QLatin1String(item))->trigger();
    const char* windows[] = {"Form3", "Form8", "Form10", "Form6", "Form5", "Form7",
                             "Form12", "Form9", "Form4", "frmAbout", "Form2", "SiteWindow"};
    for (const char* name : windows) {
        QWidget* w = openWindow(name);
        QVERIFY2(w, name);
        unnamed += unnamedControls(w);
    }
    QCOMPARE(unnamed, QStringList());
    // The menus read their items.
    for (QAction* head : a->menuBar()->actions()) {
        for (QAction* item : head->menu()->actions())
            QVERIFY2(!QString(item->text()).remove(u'&').trimmed().isEmpty(), qPrintable(item->objectName()));
    }
    QCOMPARE(nameOf(openWindow("Form3")->findChild<QWidget*>(QStringLiteral("Picture3"))),
             QStringLiteral("Holdkép"));
    QCOMPARE(nameOf(openWindow("Form6")->findChild<QWidget*>(QStringLiteral("Calendar1"))),
             QStringLiteral("Naptár"));
}

void MainWindowAccessibilityTest::resultsAreReadAfterEachCalculation()
{
    DataFolder data;
    data.write(QStringLiteral("utolso.txt"), "2024.01.14 07:37\r\n");
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command1");
    QWidget* surface = a->surface();
    QCOMPARE(descriptionOf(surface),
             QStringLiteral("Megfigyelés ideje:         2024. 01. 14. 7:37:00\n"
                            "Holdsarló kora:             66 óra 40 perc\n"
                            "2 nap  18 óra 40 perc\n"
                            "2,75 nap\n"
                            "Növekvő sarló - 9,05 %"));
    QCOMPARE(nameOf(a->findChild<QWidget*>(QStringLiteral("Picture1"))), QStringLiteral("Növekvő sarló"));

    // The next calculation replaces both.
    data.write(QStringLiteral("utolso.txt"), "2024.01.26 12:57\r\n");
    press(*a, "Command1");
    QVERIFY2(descriptionOf(surface).endsWith(QStringLiteral("Telihold - 100,00 %")), qPrintable(descriptionOf(surface)));
    QCOMPARE(descriptionOf(surface).count(u'\n'), 4);
    QCOMPARE(nameOf(a->findChild<QWidget*>(QStringLiteral("Picture1"))), QStringLiteral("Telihold"));
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowAccessibilityTest::listRowsAreReadable()
{
    DataFolder data;
    data.write(QStringLiteral("venusz.txt"), "2024.01.11  reggel\r\n2024.03.01  este\r\n");
    auto a = makeWindow(data);
    a->findChild<QAction*>(QStringLiteral("venusz"))->trigger();
    auto* list = openWindow("Form9")->findChild<QListView*>(QStringLiteral("List9"));
    QVERIFY(list);
    QAccessibleInterface* iface = accessible(list);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Vénusz sarlók láthatósága"));
    QStringList rows;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* row = iface->child(i);
        if (row && row->role() == QAccessible::ListItem)
            rows.append(row->text(QAccessible::Name));
    }
    QCOMPARE(rows, (QStringList{"2024.01.11  reggel", "2024.03.01  este"}));
}

void MainWindowAccessibilityTest::noteTextIsReadable()
{
    DataFolder data;
    data.write(QStringLiteral("jegyzetek.txt"), "Els\xf5 sor\r\nM\xe1sodik\r\n");
    auto a = makeWindow(data);
    a->findChild<QAction*>(QStringLiteral("jegyzetek"))->trigger();
    auto* text = openWindow("Form8")->findChild<QPlainTextEdit*>(QStringLiteral("Text81"));
    QVERIFY(text);
    QAccessibleInterface* iface = accessible(text);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Jegyzetek"));
    QAccessibleTextInterface* readable = iface->textInterface();
    QVERIFY(readable);
    QCOMPARE(readable->text(0, readable->characterCount()), QStringLiteral("Első sor\nMásodik\n"));
}

void MainWindowAccessibilityTest::converterBoxesAndResult()
{
    DataFolder data;
    auto a = makeWindow(data);
    a->findChild<QAction*>(QStringLiteral("vonas"))->trigger();
    QWidget* w = openWindow("Form4");
    QVERIFY(w);
    auto* degrees = w->findChild<QLineEdit*>(QStringLiteral("Text41"));
    auto* mils = w->findChild<QLineEdit*>(QStringLiteral("Text42"));
    QCOMPARE(nameOf(degrees), QStringLiteral("Fok - Vonás átszámítás"));
    QCOMPARE(descriptionOf(degrees), QStringLiteral("fok"));
    QCOMPARE(nameOf(mils), QStringLiteral("Vonás - Fok átszámítás"));
    QCOMPARE(descriptionOf(mils), QStringLiteral("vonás"));
    QTest::keyClicks(degrees, QStringLiteral("360"));
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command41")), Qt::LeftButton);
    QWidget* surface = nullptr;
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (nameOf(child) == QStringLiteral("Eredmény"))
            surface = child;
    }
    QVERIFY(surface);
    QCOMPARE(descriptionOf(surface), QStringLiteral("6000,00"));
}

QTEST_MAIN(MainWindowAccessibilityTest)
#include "tst_mainwindowaccessibility.moc"
