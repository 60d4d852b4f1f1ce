// The reference list windows on real files: rows, layout, failures and the
// single-instance opening.
#include "grab.h"
#include "companionslot.h"
#include "datafolder.h"
#include "messagelog.h"
#include "reflist.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>
#include <QWheelEvent>

using namespace tavik;
using tavik::testing::CompanionSlot;
using tavik::testing::DataFolder;
using tavik::testing::MessageLog;
using tavik::testing::failOnMessages;

Q_DECLARE_METATYPE(tavik::ReferenceList)

namespace {

QString fileOf(ReferenceList list)
{
    switch (list) {
    case ReferenceList::EarlyCrescents: return QStringLiteral("holdsarlok.txt");
    case ReferenceList::SolarEclipses: return QStringLiteral("napfogyik.txt");
    case ReferenceList::VenusCrescents: return QStringLiteral("venusz.txt");
    case ReferenceList::LunarEclipses: return QStringLiteral("holdfogyik.txt");
    }
    return {};
}

void addEveryList()
{
    QTest::newRow("Form5") << ReferenceList::EarlyCrescents;
    QTest::newRow("Form7") << ReferenceList::SolarEclipses;
    QTest::newRow("Form9") << ReferenceList::VenusCrescents;
    QTest::newRow("Form12") << ReferenceList::LunarEclipses;
}

// What the list widget itself holds, row by row.
QStringList shownRows(const ReferenceListWindow& w)
{
    QStringList rows;
    const QAbstractItemModel* model = w.list()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        rows << model->index(r, 0).data(Qt::DisplayRole).toString();
    return rows;
}

}  // namespace

class TestReferenceLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rows_data();
    void rows();
    void everyListReadsItsFile_data() { QTest::addColumn<ReferenceList>("list"); addEveryList(); }
    void everyListReadsItsFile();
    void lineFeedInsideARowIsDrawnAsSpace();
    void anEndlessRowIsShownCut();
    void layout_data();
    void layout();
    void earlyCrescentLabels();
    void okButtonIsLightGreen_data() { QTest::addColumn<ReferenceList>("list"); addEveryList(); }
    void okButtonIsLightGreen();
    void firstRowAtTopNothingSelected();
    void noRowLooksChosenUntilTheUserMoves();
    void scrollsVerticallyOnly();
    void missingFile_data();
    void missingFile();
    void missingDataFolder();
    void okAndTitleBarCloseDiscardTheWindow_data();
    void okAndTitleBarCloseDiscardTheWindow();
    void openingAgainOnlyRaises_data() { QTest::addColumn<ReferenceList>("list"); addEveryList(); }
    void openingAgainOnlyRaises();
};

void TestReferenceLists::rows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("CR LF") << QByteArray("first\r\nsecond\r\n") << QStringList{"first", "second"};
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF belongs to the line")
        << QByteArray("a\nb\r\nc") << QStringList{"a\nb", "c"};
    QTest::newRow("last line without line end")
        << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
    QTest::newRow("blank lines kept in place")
        << QByteArray("a\r\n\r\n\r\nb\r\n\r\n") << QStringList{"a", "", "", "b", ""};
    QTest::newRow("spaces kept") << QByteArray("  1999.01.02  18:00   \r\n\t x \r\n")
                                 << QStringList{"  1999.01.02  18:00   ", "\t x "};
    QTest::newRow("file order, unsorted")
        << QByteArray("2003\r\n1999\r\n2001\r\n") << QStringList{"2003", "1999", "2001"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("Windows-1250 letters")
        << QByteArray("\xD5rs\xE9g \xE1rv\xEDzt\xFBr\xF5\r\n\xDA\xDB\r\n")
        << QStringList{QStringLiteral("Őrség árvíztűrő"), QStringLiteral("ÚŰ")};
    QTest::newRow("UTF-8 letters") << QStringLiteral("Őrség árvíztűrő\r\nÚŰ\r\n").toUtf8()
                                   << QStringList{QStringLiteral("Őrség árvíztűrő"),
                                                  QStringLiteral("ÚŰ")};
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBFN\xC3\xA9v\r\n") << QStringList{QStringLiteral("Név")};
}

void TestReferenceLists::rows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    DataFolder data;
    QVERIFY(data.write(QStringLiteral("holdsarlok.txt"), bytes));
    MessageLog log;
    ReferenceListWindow w(ReferenceList::EarlyCrescents, data.folders(), log.sink());
    QCOMPARE(log.count(), 0);
    QCOMPARE(w.rows(), expected);
    QCOMPARE(w.list()->model()->rowCount(), expected.size());
}

void TestReferenceLists::everyListReadsItsFile()
{
    QFETCH(ReferenceList, list);
    DataFolder data;
    const QString name = fileOf(list);
    QVERIFY(data.write(name, name.toLatin1() + "\r\n\r\n  last"));
    ReferenceListWindow w(list, data.folders(), failOnMessages());
    QCOMPARE(w.fileName(), name);
    QCOMPARE(shownRows(w), (QStringList{name, QString(), QStringLiteral("  last")}));
}

void TestReferenceLists::lineFeedInsideARowIsDrawnAsSpace()
{
    // The row keeps its line feed; the list draws it as one column wide, so a
    // row stays one line high and its columns stay under the others.
    DataFolder data;
    QVERIFY(data.write(QStringLiteral("venusz.txt"), "ab\ncd\r\nabXcd\r\n"));
    ReferenceListWindow w(ReferenceList::VenusCrescents, data.folders(), failOnMessages());
    QCOMPARE(w.rows().first(), QStringLiteral("ab\ncd"));
    const QAbstractItemDelegate* d = w.list()->itemDelegate();
    const auto* styled = qobject_cast<const QStyledItemDelegate*>(d);
    QVERIFY(styled);
    QCOMPARE(styled->displayText(QStringLiteral("ab\ncd"), QLocale()), QStringLiteral("ab cd"));
    const QRect first = w.list()->visualRect(w.list()->model()->index(0, 0));
    const QRect second = w.list()->visualRect(w.list()->model()->index(1, 0));
    QCOMPARE(first.height(), second.height());
}

// A row of megabytes shows its first 1000 characters, more than any list
// window is wide; the window keeps the whole line.
void TestReferenceLists::anEndlessRowIsShownCut()
{
    DataFolder data;
    QByteArray endless;
    while (endless.size() < 3'000'000)
        endless += "Holdsarl\xf3 \xe1rv\xedzt\xfbr\xf5\n";
    QVERIFY(data.write(QStringLiteral("holdfogyik.txt"), "a\r\n" + endless + "\r\nb\r\n"));
    ReferenceListWindow w(ReferenceList::LunarEclipses, data.folders(), failOnMessages());
    QCOMPARE(w.rows().size(), 3);
    QCOMPARE(w.rows().at(1).size(), endless.size());
    const auto* styled = qobject_cast<const QStyledItemDelegate*>(w.list()->itemDelegate());
    QVERIFY(styled);
    const QString shown = styled->displayText(w.rows().at(1), QLocale());
    QCOMPARE(shown.size(), 1000);
    QVERIFY(w.rows().at(1).startsWith(shown.left(19)));
    QVERIFY(!shown.contains(u'\n'));
    QCOMPARE(styled->displayText(QString(999, u'x') + QStringLiteral("🌙"), QLocale()), QString(999, u'x'));
    QCOMPARE(styled->displayText(QStringLiteral("b"), QLocale()), QStringLiteral("b"));
}

void TestReferenceLists::layout_data()
{
    QTest::addColumn<ReferenceList>("list");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QRect>("listRect");
    QTest::addColumn<QString>("listFamily");
    QTest::addColumn<double>("listPoints");
    QTest::addColumn<QRect>("buttonRect");
    QTest::addColumn<QString>("buttonFamily");
    QTest::addColumn<double>("buttonPoints");
    QTest::addColumn<bool>("buttonBold");

    // Twips over 15: pixels.
    QTest::newRow("Form5") << ReferenceList::EarlyCrescents << "Form5" << "Korai Holdsarlók" << "List1"
                           << "Command51" << QSize(857, 549) << QColor(0xC0FFFF)
                           << QRect(24, 72, 825, 422) << "Liberation Mono" << 15.0
                           << QRect(400, 512, 57, 25) << "Liberation Sans" << 12.0 << true;
    QTest::newRow("Form7") << ReferenceList::SolarEclipses << "Form7" << "Napfogyatkozások" << "List2"
                           << "Command71" << QSize(1096, 524) << QColor(0xFFE0C0)
                           << QRect(16, 16, 1073, 443) << "Liberation Mono" << 14.25
                           << QRect(512, 480, 65, 33) << "Liberation Sans" << 9.75 << true;
    QTest::newRow("Form9") << ReferenceList::VenusCrescents << "Form9" << "Vénusz sarlók láthatósága"
                           << "List9" << "Command1" << QSize(971, 371) << QColor(0xFFC0FF)
                           << QRect(8, 16, 953, 275) << "Liberation Mono" << 14.25
                           << QRect(456, 328, 57, 33) << "Liberation Sans" << 12.0 << false;
    QTest::newRow("Form12") << ReferenceList::LunarEclipses << "Form12" << "Holdfogyatkozások"
                            << "List12" << "Command12" << QSize(1126, 425) << QColor(0xC0FFFF)
                            << QRect(8, 16, 1105, 342) << "Liberation Mono" << 12.75
                            << QRect(536, 384, 57, 25) << "Liberation Sans Narrow" << 12.0 << false;
}

void TestReferenceLists::layout()
{
    QFETCH(ReferenceList, list);
    QFETCH(QString, window);
    QFETCH(QString, listName);
    QFETCH(QString, button);
    DataFolder data;
    QVERIFY(data.write(fileOf(list), "x\r\n"));
    ReferenceListWindow w(list, data.folders(), failOnMessages());
    QCOMPARE(w.objectName(), window);
    QTEST(w.windowTitle(), "caption");
    QTEST(w.size(), "client");
    QTEST(w.palette().color(QPalette::Window), "background");
    QVERIFY(w.parentWidget() == nullptr);

    auto* view = w.findChild<QListView*>(listName);
    QVERIFY(view);
    QTEST(view->geometry(), "listRect");
    QTEST(view->font().family(), "listFamily");
    QTEST(view->font().pointSizeF(), "listPoints");
    QTEST(view->palette().color(QPalette::Base), "background");
    QVERIFY(view->uniformItemSizes());

    auto* ok = w.findChild<QPushButton*>(button);
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QTEST(ok->geometry(), "buttonRect");
    QTEST(ok->font().family(), "buttonFamily");
    QTEST(ok->font().pointSizeF(), "buttonPoints");
    QTEST(ok->font().bold(), "buttonBold");
    QCOMPARE(w.findChildren<QLabel*>().size(), list == ReferenceList::EarlyCrescents ? 4 : 0);
}

void TestReferenceLists::earlyCrescentLabels()
{
    DataFolder data;
    QVERIFY(data.write(QStringLiteral("holdsarlok.txt"), ""));
    ReferenceListWindow w(ReferenceList::EarlyCrescents, data.folders(), failOnMessages());
    struct Expected {
        const char* name;
        QString text;
        QRect rect;
        QString family;
        double points;
        bool bold;
        QColor color;
    };
    const QColor windowText = QPalette().color(QPalette::WindowText);
    const Expected labels[] = {
        {"Label1", QStringLiteral("Korai Holdsarlók:"), {24, 8, 441, 25}, "Liberation Serif", 14.25,
         false, QColor(0x000080)},
        {"Label2", QStringLiteral("Időpont"), {24, 48, 169, 17}, "Liberation Mono", 12, true, windowText},
        {"Label3", QStringLiteral("Mikor?"), {232, 48, 73, 17}, "Liberation Mono", 12, true, windowText},
        {"Label4", QStringLiteral("Holdsarló kora (kb.)"), {312, 48, 265, 17}, "Liberation Mono", 12,
         true, windowText},
    };
    for (const Expected& e : labels) {
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(e.name));
        QVERIFY2(label, e.name);
        QCOMPARE(label->text(), e.text);
        QCOMPARE(label->geometry(), e.rect);
        QCOMPARE(label->font().family(), e.family);
        QCOMPARE(label->font().pointSizeF(), e.points);
        QCOMPARE(label->font().bold(), e.bold);
        QCOMPARE(label->palette().color(QPalette::WindowText), e.color);
    }
    // The headings stand at the list's left edge and 3120 and 4320 twips right of it.
    const int listLeft = w.list()->x();
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label2"))->x(), listLeft);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label3"))->x(), listLeft + 3120 / 15);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label4"))->x(), listLeft + 4320 / 15);
}

void TestReferenceLists::okButtonIsLightGreen()
{
    QFETCH(ReferenceList, list);
    DataFolder data;
    MessageLog log;
    ReferenceListWindow w(list, data.folders(), log.sink());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage face = grabLogical(w.okButton());
    // Beside the caption, inside the border.
    QCOMPARE(face.pixelColor(6, face.height() / 2), QColor(0xC0FFC0));
}

void TestReferenceLists::firstRowAtTopNothingSelected()
{
    DataFolder data;
    QByteArray bytes;
    for (int i = 0; i < 500; ++i)
        bytes += "row " + QByteArray::number(i) + "\r\n";
    QVERIFY(data.write(QStringLiteral("napfogyik.txt"), bytes));
    ReferenceListWindow w(ReferenceList::SolarEclipses, data.folders(), failOnMessages());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QListView* view = w.list();
    QCOMPARE(view->indexAt(QPoint(4, 4)).row(), 0);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QVERIFY(view->verticalScrollBar()->isVisible());
    QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
}

void TestReferenceLists::noRowLooksChosenUntilTheUserMoves()
{
    DataFolder data;
    QVERIFY(data.write(QStringLiteral("venusz.txt"), "a\r\nb\r\nc\r\n"));
    ReferenceListWindow w(ReferenceList::VenusCrescents, data.folders(), failOnMessages());
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    RowListView* view = w.list();
    view->setFocus(Qt::TabFocusReason);
    // Back to the list with the keyboard, when styles draw the focus frame.
    QTest::keyClick(&w, Qt::Key_Tab);
    QTest::keyClick(&w, Qt::Key_Tab);
    QVERIFY(view->hasFocus());
    QVERIFY(!view->currentIndex().isValid());
    QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());

    // The first row is drawn in the list's own colour, frame and all.
    const QRect row = view->visualRect(view->model()->index(0, 0));
    const QImage image = grabLogical(view->viewport());
    const QColor base = view->palette().color(QPalette::Base);
    int tinted = 0;
    for (int x = row.width() / 2; x < row.right(); ++x) {
        for (int y = row.top(); y <= row.bottom(); ++y)
            tinted += image.pixelColor(x, y) != base;
    }
    QCOMPARE(tinted, 0);

    // The user's first step picks the first row.
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->currentIndex().row(), 0);
}

void TestReferenceLists::scrollsVerticallyOnly()
{
    DataFolder data;
    const QByteArray longRow = QByteArray(400, 'x') + "END";
    QVERIFY(data.write(QStringLiteral("holdfogyik.txt"), longRow + "\r\nshort\r\n"));
    ReferenceListWindow w(ReferenceList::LunarEclipses, data.folders(), failOnMessages());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QListView* view = w.list();
    QCOMPARE(w.rows().first(), QString::fromLatin1(longRow));  // the whole row is kept
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(view->textElideMode(), Qt::ElideNone);

    const QPoint at = view->viewport()->rect().center();
    QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(-240, 0), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &wheel);
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(view->horizontalScrollBar()->value(), 0);
}

void TestReferenceLists::missingFile_data()
{
    QTest::addColumn<ReferenceList>("list");
    QTest::addColumn<QString>("message");
    QTest::newRow("Form5") << ReferenceList::EarlyCrescents
                           << QStringLiteral("A 'holdsarlok.txt' fájl NEM található!");
    QTest::newRow("Form7") << ReferenceList::SolarEclipses
                           << QStringLiteral("A 'napfogyik.txt' fájl NEM található!");
    QTest::newRow("Form9") << ReferenceList::VenusCrescents
                           << QStringLiteral("A 'venusz.txt' fájl NEM található!");
    QTest::newRow("Form12") << ReferenceList::LunarEclipses
                            << QStringLiteral("A 'holdfogyik.txt' fájl NEM található!");
}

void TestReferenceLists::missingFile()
{
    QFETCH(ReferenceList, list);
    QFETCH(QString, message);
    DataFolder data;
    QVERIFY(data.write(fileOf(list) + QStringLiteral(".bak"), "not this one\r\n"));
    MessageLog log;
    CompanionSlot<ReferenceListWindow> window([&] { return new ReferenceListWindow(list, data.folders(), log.sink()); });
    window.open();
    QCOMPARE(log.messages, (QList<tavik::testing::Message>{{MessageIcon::Error, message}}));
    QVERIFY(window->isVisible());
    QCOMPARE(window->list()->model()->rowCount(), 0);
}

void TestReferenceLists::missingDataFolder()
{
    DataFolder data;
    QVERIFY(data.removeFolder());
    MessageLog log;
    ReferenceListWindow w(ReferenceList::VenusCrescents, data.folders(), log.sink());
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.lastText(), QStringLiteral("A 'venusz.txt' fájl NEM található!"));
    QVERIFY(w.rows().isEmpty());
}

void TestReferenceLists::okAndTitleBarCloseDiscardTheWindow_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("OK") << true;
    QTest::newRow("title bar") << false;
}

void TestReferenceLists::okAndTitleBarCloseDiscardTheWindow()
{
    QFETCH(bool, byOk);
    DataFolder data;
    QVERIFY(data.write(QStringLiteral("holdsarlok.txt"), "old\r\n"));
    CompanionSlot<ReferenceListWindow> window(
        [&] { return new ReferenceListWindow(ReferenceList::EarlyCrescents, data.folders(), failOnMessages()); });
    QVERIFY(QTest::qWaitForWindowExposed(window.open()));
    if (byOk)
        QTest::mouseClick(window->okButton(), Qt::LeftButton);
    else
        QVERIFY(window->close());
    tavik::testing::flushDeletions();
    QVERIFY(window.isNull());

    // The next opening reads the file again.
    QVERIFY(data.write(QStringLiteral("holdsarlok.txt"), "new\r\n"));
    QCOMPARE(window.open()->rows(), QStringList{QStringLiteral("new")});
    QCOMPARE(window.made(), 2);
}

void TestReferenceLists::openingAgainOnlyRaises()
{
    QFETCH(ReferenceList, list);
    DataFolder data;
    QVERIFY(data.write(fileOf(list), "a\r\nb\r\n"));
    CompanionSlot<ReferenceListWindow> window([&] { return new ReferenceListWindow(list, data.folders(), failOnMessages()); });
    ReferenceListWindow* first = window.open();
    QVERIFY(data.write(fileOf(list), "changed\r\n"));
    QCOMPARE(window.open(), first);
    QCOMPARE(window.made(), 1);
    QVERIFY(first->isVisible());
    QCOMPARE(first->rows(), (QStringList{"a", "b"}));
    QCOMPARE(first->list()->model()->rowCount(), 2);
}

QTEST_MAIN(TestReferenceLists)
#include "tst_reflist.moc"
