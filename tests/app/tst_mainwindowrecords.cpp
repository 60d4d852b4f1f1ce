// The new-moon list and the two record files: "OK", "Utolsó Újhold" and
// "Mentés", byte for byte, with the boxes' limits and the line ends they keep.
#include "appfixture.h"

#include "smalldisk.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QWheelEvent>

using namespace tavik;
using namespace tavik::testing;

namespace {
const QString kUjhold = QStringLiteral("ujhold.txt");
const QString kUtolso = QStringLiteral("utolso.txt");

QStringList entries(const QComboBox* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->itemText(i));
    return out;
}
}  // namespace

class MainWindowRecordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listFromFile_data();
    void listFromFile();
    void missingListGivesEmptyList();
    void reloadingReplacesTheList();
    void typingJumpsToEntry_data();
    void typingJumpsToEntry();
    void listDropsDownBelowTheBox();
    void okTakesTheSelectedEntry_data();
    void okTakesTheSelectedEntry();
    void okWithoutSelectionSavesTheBox_data();
    void okWithoutSelectionSavesTheBox();
    void lastNewMoonComesBack_data();
    void lastNewMoonComesBack();
    void lineEndCycleIsStable();
    void lastNewMoonMissing();
    void saveObservation_data();
    void saveObservation();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void blankObservationIsNotSaved_data();
    void blankObservationIsNotSaved();
    void unusableDataFolder_data();
    void unusableDataFolder();
    void unwritableFileKeepsItsContent();
    void unencodableTextIsNotSaved();
    void wheelTurnsTheListOnlyWithTheFocus();
    void anEndlessEntryIsShownCut();
    void aFullDiskChangesNoFile_data();
    void aFullDiskChangesNoFile();
};

void MainWindowRecordsTest::listFromFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("two lines") << QByteArray("2024.01.11 12:57\r\n2024.02.09 23:59\r\n")
                               << QStringList{"2024.01.11 12:57", "2024.02.09 23:59"};
    QTest::newRow("last line without end") << QByteArray("2024.01.11 12:57\r\n2024.02.09 23:59")
                                           << QStringList{"2024.01.11 12:57", "2024.02.09 23:59"};
    QTest::newRow("empty line in place") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r\n") << QStringList{"a", "b"};
    QTest::newRow("untrimmed") << QByteArray(" 2024.01.11 12:57 \r\n")
                               << QStringList{" 2024.01.11 12:57 "};
    QTest::newRow("Windows-1250") << QByteArray("2024.01.11 12:57 \xfajhold, \xf5sz\r\n")
                                  << QStringList{QStringLiteral("2024.01.11 12:57 újhold, ősz")};
}

void MainWindowRecordsTest::listFromFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    DataFolder data;
    data.write(QStringLiteral("ujholdak.txt"), bytes);
    MessageLog caught;
    auto a = makeWindow(data, caught);
    QCOMPARE(entries(newMoonList(*a)), expected);
    QCOMPARE(newMoonList(*a)->currentIndex(), -1);
    QVERIFY(!newMoonList(*a)->isEditable());
    QVERIFY(caught.messages.isEmpty());
    QVERIFY(!data.exists(kUjhold));   // start-up reads, never writes
}

void MainWindowRecordsTest::missingListGivesEmptyList()
{
    DataFolder data;
    MessageLog caught;
    auto a = makeWindow(data, caught);
    QCOMPARE(newMoonList(*a)->count(), 0);
    QVERIFY(data.replaceFolderWithFile());
    auto b = makeWindow(data, caught);
    QCOMPARE(newMoonList(*b)->count(), 0);
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowRecordsTest::reloadingReplacesTheList()
{
    // LoadNewMoonList empties the list first and leaves nothing selected.
    DataFolder data;
    data.write(QStringLiteral("ujholdak.txt"), "2024.01.11 12:57\r\n2024.02.09 23:59\r\n");
    auto a = makeWindow(data);
    newMoonList(*a)->setCurrentIndex(1);
    data.write(QStringLiteral("ujholdak.txt"), "2024.03.10 10:00\r\n");
    a->LoadNewMoonList();
    QCOMPARE(entries(newMoonList(*a)), QStringList{"2024.03.10 10:00"});
    QCOMPARE(newMoonList(*a)->currentIndex(), -1);
    QVERIFY(QFile::remove(data.file(QStringLiteral("ujholdak.txt"))));
    a->LoadNewMoonList();
    QCOMPARE(newMoonList(*a)->count(), 0);
}

void MainWindowRecordsTest::typingJumpsToEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::newRow("year") << "2024" << 1;
    QTest::newRow("month") << "2024.03" << 3;
    QTest::newRow("first entry") << "2023.12" << 0;
    QTest::newRow("day") << "2024.02.09" << 2;
}

void MainWindowRecordsTest::typingJumpsToEntry()
{
    QFETCH(QString, typed);
    QFETCH(int, index);
    DataFolder data;
    data.write(QStringLiteral("ujholdak.txt"),
               "2023.12.13 00:32\r\n2024.01.11 12:57\r\n2024.02.09 23:59\r\n2024.03.10 10:00\r\n");
    auto a = makeWindow(data);
    a->show();
    QTest::keyClicks(newMoonList(*a), typed);
    QCOMPARE(newMoonList(*a)->currentIndex(), index);
    QVERIFY(!newMoonList(*a)->view()->isVisible());
}

void MainWindowRecordsTest::listDropsDownBelowTheBox()
{
    // A list of some hundred new moons opens under the box, a few rows high,
    // not as a column over the window and the screen.
    DataFolder data;
    QByteArray list;
    for (int i = 0; i < 300; ++i)
        list += QStringLiteral("%1.01.11 12:57\r\n").arg(1900 + i).toLatin1();
    data.write(QStringLiteral("ujholdak.txt"), list);
    auto a = makeWindow(data);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    QComboBox* l = newMoonList(*a);
    QCOMPARE(l->count(), 300);
    QCOMPARE(l->maxVisibleItems(), 8);
    l->showPopup();
    QWidget* popup = l->view()->window();
    QVERIFY(popup->isVisible());
    const int boxBottom = l->mapToGlobal(QPoint(0, l->height())).y();
    QVERIFY2(popup->geometry().top() >= boxBottom - 1,
             qPrintable(QStringLiteral("popup at %1, box ends at %2").arg(popup->geometry().top()).arg(boxBottom)));
    const int row = l->view()->sizeHintForRow(0);
    QVERIFY2(l->view()->viewport()->height() <= 8 * row + 2,
             qPrintable(QStringLiteral("%1 pixels for rows of %2").arg(l->view()->viewport()->height()).arg(row)));
    QCOMPARE(l->currentIndex(), -1);   // opening the list selects nothing
    l->hidePopup();
}

void MainWindowRecordsTest::okTakesTheSelectedEntry_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text11");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray list("2024.01.11 12:57\r\n2024.02.09 23:59 (CET)\r\n\r\n2024.3.10 9:00\r\n");
    QTest::newRow("16 characters") << list << 0 << "2024.01.11 12:57" << QByteArray("2024.01.11 12:57\r\n");
    QTest::newRow("longer entry cut") << list << 1 << "2024.02.09 23:59" << QByteArray("2024.02.09 23:59\r\n");
    QTest::newRow("empty entry") << list << 2 << "" << QByteArray("\r\n");
    QTest::newRow("short entry") << list << 3 << "2024.3.10 9:00" << QByteArray("2024.3.10 9:00\r\n");
}

void MainWindowRecordsTest::okTakesTheSelectedEntry()
{
    QFETCH(QByteArray, list);
    QFETCH(int, index);
    QFETCH(QString, text11);
    QFETCH(QByteArray, saved);
    DataFolder data;
    data.write(QStringLiteral("ujholdak.txt"), list);
    data.write(kUjhold, "old content\r\n");
    auto a = makeWindow(data);
    typeInto(box(*a, "Text11"), QStringLiteral("typed"));
    newMoonList(*a)->setCurrentIndex(index);
    press(*a, "Command6");
    QCOMPARE(box(*a, "Text11")->text(), text11);
    QCOMPARE(data.read(kUjhold), saved);
}

void MainWindowRecordsTest::okWithoutSelectionSavesTheBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("empty box") << "" << QByteArray("\r\n");
    QTest::newRow("not a date") << "holnap" << QByteArray("holnap\r\n");
    QTest::newRow("accents") << QStringLiteral("ősz újhold") << QByteArray("\xf5sz \xfajhold\r\n");
}

void MainWindowRecordsTest::okWithoutSelectionSavesTheBox()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    DataFolder data;
    data.write(QStringLiteral("ujholdak.txt"), "2024.01.11 12:57\r\n");
    MessageLog caught;
    auto a = windowAfter(data, caught, typed, "Command6");
    QCOMPARE(box(*a, "Text11")->text(), typed);
    QCOMPARE(data.read(kUjhold), saved);
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowRecordsTest::lastNewMoonComesBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text11");
    QTest::newRow("16 characters exactly") << QByteArray("2024.01.11 12:57\r\n") << "2024.01.11 12:57";
    QTest::newRow("15 keep the CR") << QByteArray("2024.01.11 2:57\r\n") << "2024.01.11 2:57\r";
    QTest::newRow("14 keep CR LF") << QByteArray("2024.1.11 2:57\r\n") << "2024.1.11 2:57\r\n";
    QTest::newRow("empty line") << QByteArray("\r\n") << "\r\n";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("long file cut") << QByteArray("2024.01.11 12:57:30\r\nmore\r\n") << "2024.01.11 12:57";
}

void MainWindowRecordsTest::lastNewMoonComesBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text11);
    DataFolder data;
    data.write(kUjhold, file);
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("typed"), "Command3");
    QCOMPARE(box(*a, "Text11")->text(), text11);
    QCOMPARE(data.read(kUjhold), file);
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowRecordsTest::lineEndCycleIsStable()
{
    DataFolder data;
    data.write(kUjhold, "2024.01.11 2:57\r\n");
    auto a = makeWindow(data);
    press(*a, "Command3");
    QCOMPARE(box(*a, "Text11")->text(), QStringLiteral("2024.01.11 2:57\r"));
    press(*a, "Command6");
    QCOMPARE(data.read(kUjhold), QByteArray("2024.01.11 2:57\r\r\n"));
    box(*a, "Text11")->clear();
    press(*a, "Command3");
    QCOMPARE(box(*a, "Text11")->text(), QStringLiteral("2024.01.11 2:57\r"));
    press(*a, "Command6");
    QCOMPARE(data.read(kUjhold), QByteArray("2024.01.11 2:57\r\r\n"));
}

void MainWindowRecordsTest::lastNewMoonMissing()
{
    DataFolder data;
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command3");
    QCOMPARE(caught.messages,
             (QList<Message>{Message{MessageIcon::Error, QStringLiteral("Az 'ujhold.txt' fájl nem található!")}}));
    QCOMPARE(box(*a, "Text11")->text(), QStringLiteral("2024.01.11 12:57"));
    QVERIFY(!data.exists(kUjhold));
}

void MainWindowRecordsTest::saveObservation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("date") << "2024. 01. 14. 07:37:00" << QByteArray("2024. 01. 14. 07:37:00\r\n");
    QTest::newRow("spaces kept") << "  2024.01.14 07:37  " << QByteArray("  2024.01.14 07:37  \r\n");
    QTest::newRow("not a date") << "holnap este" << QByteArray("holnap este\r\n");
    QTest::newRow("accents") << QStringLiteral("ma éjjel") << QByteArray("ma \xe9jjel\r\n");
}

void MainWindowRecordsTest::saveObservation()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    DataFolder data;
    data.write(kUtolso, "old\r\n");
    MessageLog caught;
    auto a = makeWindow(data, caught);
    typeInto(box(*a, "Text12"), typed);
    press(*a, "Command14");
    QCOMPARE(data.read(kUtolso), saved);
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowRecordsTest::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void MainWindowRecordsTest::enterPressesTheFocusedButton()
{
    // Tabbed to, a button is chosen with Enter as with the space bar; Enter in
    // a text box chooses nothing.
    QFETCH(int, key);
    DataFolder data;
    MessageLog caught;
    auto a = makeWindow(data, caught);
    a->show();
    QVERIFY(QTest::qWaitForWindowActive(a.get()));
    QLineEdit* text12 = box(*a, "Text12");
    text12->setFocus();
    typeInto(text12, QStringLiteral("2024.01.14 07:37"));
    QTest::keyClick(text12, Qt::Key(key));
    QVERIFY(!data.exists(kUtolso));
    QTest::keyClick(text12, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command14"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(data.read(kUtolso), QByteArray("2024.01.14 07:37\r\n"));
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowRecordsTest::blankObservationIsNotSaved_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces") << "     ";
}

void MainWindowRecordsTest::blankObservationIsNotSaved()
{
    QFETCH(QString, typed);
    DataFolder data;
    data.write(kUtolso, "2024.01.14 07:37\r\n");
    MessageLog caught;
    auto a = makeWindow(data, caught);
    typeInto(box(*a, "Text12"), typed);
    press(*a, "Command14");
    QCOMPARE(caught.messages,
             (QList<Message>{Message{MessageIcon::Warning, QStringLiteral("Üres dátumot NEM mentek!")}}));
    QCOMPARE(data.read(kUtolso), QByteArray("2024.01.14 07:37\r\n"));
    QCOMPARE(box(*a, "Text12")->text(), typed);
}

void MainWindowRecordsTest::unusableDataFolder_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("OK") << "Command6" << QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!");
    QTest::newRow("Mentés") << "Command14" << QStringLiteral("Az 'utolso.txt' fájl NEM menthető!");
    QTest::newRow("Utolsó Újhold") << "Command3" << QStringLiteral("Az 'ujhold.txt' fájl nem található!");
}

void MainWindowRecordsTest::unusableDataFolder()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    DataFolder data;
    QVERIFY(data.replaceFolderWithFile());
    MessageLog caught;
    auto a = makeWindow(data, caught);
    typeInto(box(*a, "Text11"), QStringLiteral("2024.01.11 12:57"));
    typeInto(box(*a, "Text12"), QStringLiteral("2024.01.14 07:37"));
    press(*a, qPrintable(button));
    QCOMPARE(caught.messages.size(), 1);
    QCOMPARE(caught.messages[0].icon, MessageIcon::Error);
    QVERIFY2(caught.messages[0].text.startsWith(message), qPrintable(caught.messages[0].text));
    QCOMPARE(box(*a, "Text11")->text(), QStringLiteral("2024.01.11 12:57"));
    QCOMPARE(box(*a, "Text12")->text(), QStringLiteral("2024.01.14 07:37"));
}

void MainWindowRecordsTest::unwritableFileKeepsItsContent()
{
    // A folder where the file should be: it cannot be replaced, and stays.
    DataFolder data;
    QVERIFY(QDir(data.path()).mkdir(kUjhold));
    QVERIFY(QDir(data.file(kUjhold)).mkdir(QStringLiteral("keep")));
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command6");
    QCOMPARE(caught.messages.size(), 1);
    QVERIFY(caught.messages[0].text.startsWith(QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!")));
    QVERIFY(QDir(data.file(kUjhold)).exists(QStringLiteral("keep")));
}

void MainWindowRecordsTest::unencodableTextIsNotSaved()
{
    DataFolder data;
    data.write(kUtolso, "2024.01.14 07:37\r\n");
    MessageLog caught;
    auto a = makeWindow(data, caught);
    typeInto(box(*a, "Text12"), QStringLiteral("2024.01.14 月"));
    press(*a, "Command14");
    QCOMPARE(caught.messages.size(), 1);
    QCOMPARE(caught.messages[0].icon, MessageIcon::Error);
    QVERIFY(caught.messages[0].text.startsWith(QStringLiteral("Az 'utolso.txt' fájl NEM menthető!")));
    QVERIFY(caught.messages[0].text.contains(QStringLiteral("月")));
    QCOMPARE(data.read(kUtolso), QByteArray("2024.01.14 07:37\r\n"));
}

void MainWindowRecordsTest::wheelTurnsTheListOnlyWithTheFocus()
{
    DataFolder data;
    data.write(QStringLiteral("ujholdak.txt"), "a\r\nb\r\nc\r\n");
    auto a = makeWindow(data);
    a->show();
    QApplication::setActiveWindow(a.get());
    QVERIFY(QTest::qWaitForWindowActive(a.get()));
    QComboBox* list = newMoonList(*a);
    auto turn = [list] {
        const QPointF at = list->rect().center();
        QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
    };
    QVERIFY(box(*a, "Text11")->hasFocus());
    turn();
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(box(*a, "Text11")->hasFocus());

    // "OK" then saves what was typed, not an entry the wheel passed over.
    typeInto(box(*a, "Text11"), QStringLiteral("typed"));
    press(*a, "Command6");
    QCOMPARE(data.read(kUjhold), QByteArray("typed\r\n"));

    list->setFocus();
    QVERIFY(list->hasFocus());
    turn();
    QCOMPARE(list->currentIndex(), 0);
}

// An entry of megabytes shows its first 200 characters; the list keeps the
// whole line and "OK" takes what Text11 holds of it.
void MainWindowRecordsTest::anEndlessEntryIsShownCut()
{
    DataFolder data;
    QByteArray endless;
    while (endless.size() < 3'000'000)
        endless += "2024.01.11 12:57 \xfajhold ";
    data.write(QStringLiteral("ujholdak.txt"), "2024.01.01 00:00\r\n" + endless + "\r\n");
    MessageLog caught;
    auto a = makeWindow(data, caught);
    QComboBox* list = newMoonList(*a);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QStringLiteral("2024.01.01 00:00"));
    QCOMPARE(list->itemText(1).size(), 200);
    QCOMPARE(list->itemData(1, Qt::EditRole).toString().size(), endless.size());
    list->setCurrentIndex(1);
    press(*a, "Command6");
    QCOMPARE(box(*a, "Text11")->text(), QStringLiteral("2024.01.11 12:57"));
    QCOMPARE(data.read(kUjhold), QByteArray("2024.01.11 12:57\r\n"));
    QVERIFY(caught.messages.isEmpty());
}

void MainWindowRecordsTest::aFullDiskChangesNoFile_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    const QString newMoon = QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!\nMegtelt a lemez.");
    QTest::newRow("OK") << "Command6" << newMoon;
    QTest::newRow("Mentés") << "Command14"
                            << QStringLiteral("Az 'utolso.txt' fájl NEM menthető!\nMegtelt a lemez.");
    QTest::newRow("Megfigyelés") << "Command1" << newMoon;
    QTest::newRow("Most!") << "Command2" << newMoon;
}

// Every save on a full disk: one message naming the file and the reason, and
// every file byte for byte as it was, without a temporary file left beside.
void MainWindowRecordsTest::aFullDiskChangesNoFile()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    testing::SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    const QList<QPair<QString, QByteArray>> files{
        {QStringLiteral("szamitott.txt"), QByteArray(3000, 'l') + "\r\n"},
        {kUjhold, "2024.01.11 12:57\r\n"},
        {kUtolso, "2024.01.14 07:37\r\n"},
    };
    for (const auto& [name, bytes] : files)
        QVERIFY(disk.write(name, bytes));
    QVERIFY(disk.fill());
    MessageLog caught;
    A a(MainWindowEnvironment{DataFolders(disk.path()), RegionalSettings::hungarian(), {}, caught.sink()});
    typeInto(box(a, "Text11"), QStringLiteral("2024.01.12 13:00"));
    typeInto(box(a, "Text12"), QStringLiteral("2024.01.15 18:00"));
    press(a, qPrintable(button));
    QCOMPARE(caught.messages, (QList<Message>{Message{MessageIcon::Error, message}}));
    for (const auto& [name, bytes] : files)
        QCOMPARE(disk.read(name), bytes);
    QCOMPARE(disk.entries(), (QStringList{"szamitott.txt", kUjhold, kUtolso}));
}

QTEST_MAIN(MainWindowRecordsTest)
#include "tst_mainwindowrecords.moc"
