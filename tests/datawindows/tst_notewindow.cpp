// The notes and the observation log on real files: loading, the bytes that
// saving writes, blank texts, failed saves and the single-instance opening.
#include "companionslot.h"
#include "datafolder.h"
#include "messagelog.h"
#include "notewindow.h"

#include "smalldisk.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>

using namespace tavik;
using tavik::testing::CompanionSlot;
using tavik::testing::DataFolder;
using tavik::testing::Message;
using tavik::testing::MessageLog;
using tavik::testing::failOnMessages;
using tavik::testing::flushDeletions;

Q_DECLARE_METATYPE(tavik::NoteKind)
Q_DECLARE_METATYPE(tavik::Answer)

namespace {

const QString kNotes = QStringLiteral("jegyzetek.txt");
const QString kLog = QStringLiteral("naplo-tavik.txt");

QString fileOf(NoteKind kind) { return kind == NoteKind::Notes ? kNotes : kLog; }

void addBothKinds()
{
    QTest::addColumn<NoteKind>("kind");
    QTest::newRow("Form8") << NoteKind::Notes;
    QTest::newRow("Form10") << NoteKind::ObservationLog;
}

// A window of the kind on a scratch data folder whose file holds `bytes`,
// its messages caught.
struct NoteOnFile {
    NoteOnFile(NoteKind kind, const QByteArray& bytes)
        : written(data.write(fileOf(kind), bytes))
        , w(kind, data.folders(), log.sink())
    {
    }
    DataFolder data;
    bool written;
    MessageLog log;
    NoteWindow w;
};

// The window of the kind as the menu opens it, on the folder, its messages
// going to the log.
CompanionSlot<NoteWindow> companion(NoteKind kind, const DataFolders& folders, MessageLog& log)
{
    return CompanionSlot<NoteWindow>([kind, folders, &log] { return new NoteWindow(kind, folders, log.sink()); });
}

// "OK" or "Mentés" on a text that is not saved: the window stays open with
// the text. The caller returns when this failed.
void saveIsRefused(CompanionSlot<NoteWindow>& note, const QString& text, bool byOk)
{
    note->textBox()->setPlainText(text);
    (byOk ? note->okAction() : note->saveAction())->trigger();
    flushDeletions();
    QVERIFY(!note.isNull());
    QVERIFY(note->isVisible());
    QCOMPARE(note->textBox()->toPlainText(), text);
}

}  // namespace

class TestNoteWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void commandsSitOnTheMenuBar_data() { addBothKinds(); }
    void commandsSitOnTheMenuBar();
    void missingFile_data();
    void missingFile();
    void loading_data();
    void loading();
    void saveBytes_data();
    void saveBytes();
    void typedLineBreaks();
    void windows1250LookingLikeUtf8ComesBackWhole();
    void blankIsRefused_data();
    void blankIsRefused();
    void eachReopenAddsOneLineEnd_data() { addBothKinds(); }
    void eachReopenAddsOneLineEnd();
    void savingInitialTextCreatesTheFile_data() { addBothKinds(); }
    void savingInitialTextCreatesTheFile();
    void okClosesOnlyAfterWriting_data() { addBothKinds(); }
    void okClosesOnlyAfterWriting();
    void clicksOnTheMenuBarAct_data() { addBothKinds(); }
    void clicksOnTheMenuBarAct();
    void closingAnEditedNote_data();
    void closingAnEditedNote();
    void theQuestionBox();
    void failedSave_data();
    void failedSave();
    void longLinesAreShownInPiecesAndSavedWhole_data();
    void longLinesAreShownInPiecesAndSavedWhole();
    void editingInsideALongLine();
    void aFullDiskKeepsTheNote_data();
    void aFullDiskKeepsTheNote();
    void openingAgainKeepsUnsavedText_data() { addBothKinds(); }
    void openingAgainKeepsUnsavedText();
};

void TestNoteWindows::layout_data()
{
    QTest::addColumn<NoteKind>("kind");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QRect>("boxRect");
    QTest::addColumn<double>("points");
    QTest::newRow("Form8") << NoteKind::Notes << "Form8" << "Jegyzetek" << "Text81" << QSize(437, 446)
                           << QColor(0x000080) << QRect(16, 16, 409, 417) << 15.0;
    QTest::newRow("Form10") << NoteKind::ObservationLog << "Form10" << QStringLiteral("Megfigyelési napló")
                            << "Text10" << QSize(1047, 522) << QColor(0x004000)
                            << QRect(16, 40, 1025, 441) << 14.25;
}

void TestNoteWindows::layout()
{
    QFETCH(NoteKind, kind);
    QFETCH(QString, box);
    QFETCH(QSize, client);
    QFETCH(QRect, boxRect);
    QFETCH(QColor, background);
    DataFolder data;
    QVERIFY(data.write(fileOf(kind), "x"));
    NoteWindow w(kind, data.folders(), failOnMessages());
    QTEST(w.objectName(), "window");
    QTEST(w.windowTitle(), "caption");
    QCOMPARE(w.palette().color(QPalette::Window), background);
    auto* bar = w.findChild<QMenuBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->geometry().topLeft(), QPoint(0, 0));
    // The layout's client area lies below the menu bar.
    QCOMPARE(w.size(), client + QSize(0, bar->height()));
    auto* text = w.findChild<QPlainTextEdit*>(box);
    QVERIFY(text);
    QCOMPARE(text->geometry(), boxRect.translated(0, bar->height()));
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // Both bars show even for a text that fits the box.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(text->horizontalScrollBar()->isVisible());
    QVERIFY(text->verticalScrollBar()->isVisible());
    QCOMPARE(text->font().family(), QStringLiteral("Liberation Serif"));
    QTEST(text->font().pointSizeF(), "points");
    QCOMPARE(text->palette().color(QPalette::Text), QColor(0xFFFFFF));
    QCOMPARE(text->palette().color(QPalette::Base), background);
}

void TestNoteWindows::commandsSitOnTheMenuBar()
{
    QFETCH(NoteKind, kind);
    DataFolder data;
    QVERIFY(data.write(fileOf(kind), "x"));
    NoteWindow w(kind, data.folders(), failOnMessages());
    const bool notes = kind == NoteKind::Notes;
    auto* save = w.findChild<QAction*>(notes ? "mentes81" : "naplo1");
    auto* ok = w.findChild<QAction*>(notes ? "ok81" : "naplo2");
    QVERIFY(save && ok);
    QCOMPARE(save->text(), QStringLiteral("Mentés"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(!save->menu() && !ok->menu());
    QCOMPARE(w.findChild<QMenuBar*>()->actions(), (QList<QAction*>{save, ok}));
    // The commands stay in the window even where the desktop has a global menu bar.
    QVERIFY(!w.findChild<QMenuBar*>()->isNativeMenuBar());
}

void TestNoteWindows::missingFile_data()
{
    QTest::addColumn<NoteKind>("kind");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("initialText");
    QTest::newRow("Form8") << NoteKind::Notes << "Form8"
                           << QStringLiteral("Az 'jegyzetek.txt' fájl NEM található!")
                           << QStringLiteral("Jegyzetek:  ");
    QTest::newRow("Form10") << NoteKind::ObservationLog << "Form10"
                            << QStringLiteral("A 'naplo-tavik.txt' fájl NEM található!")
                            << QStringLiteral("Megfigyelési napló:");
}

void TestNoteWindows::missingFile()
{
    QFETCH(NoteKind, kind);
    QFETCH(QString, window);
    QFETCH(QString, initialText);
    QFETCH(QString, message);
    DataFolder data;
    MessageLog log(window);
    auto note = companion(kind, data.folders(), log);
    note.open();
    // Given before the window shows.
    QCOMPARE(log.messages, (QList<Message>{{MessageIcon::Error, message, false}}));
    QVERIFY(note->isVisible());
    QCOMPARE(note->textBox()->toPlainText(), initialText);
    QVERIFY(!data.exists(fileOf(kind)));
}

void TestNoteWindows::loading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF pairs are line breaks") << QByteArray("a\r\nb\r\n") << "a\nb\n";
    QTest::newRow("no line end at the end") << QByteArray("a\r\nb") << "a\nb";
    // A lone CR or LF cannot stand in the box as a character: it is a line
    // break too, and goes back to the file as CR LF.
    QTest::newRow("lone CR") << QByteArray("a\rb") << "a\nb";
    QTest::newRow("lone LF") << QByteArray("a\nb") << "a\nb";
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << "a\n\nb";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("spaces and tabs kept") << QByteArray("  \t x  ") << "  \t x  ";
    QTest::newRow("Windows-1250") << QByteArray("\xF5r\xFCl\xE9s") << QStringLiteral("őrülés");
    QTest::newRow("UTF-8") << QStringLiteral("őrülés").toUtf8() << QStringLiteral("őrülés");
    QTest::newRow("Windows-1250 looking like UTF-8")
        << QByteArray("FOT\xd3\x85 HOLD\xc9\x94") << QStringLiteral("FOTÓ… HOLDÉ”");
}

void TestNoteWindows::loading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    NoteOnFile note(NoteKind::Notes, bytes);
    QVERIFY(note.written);
    QCOMPARE(note.log.count(), 0);
    QCOMPARE(note.w.textBox()->toPlainText(), shown);
}

void TestNoteWindows::saveBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("abc") << "abc" << QByteArray("abc\r\n");
    QTest::newRow("spaces around kept") << "  abc  " << QByteArray("  abc  \r\n");
    QTest::newRow("line breaks") << "a\nb\n\nc" << QByteArray("a\r\nb\r\n\r\nc\r\n");
    QTest::newRow("only a line break") << "\n" << QByteArray("\r\n\r\n");
    QTest::newRow("only a tab") << "\t" << QByteArray("\t\r\n");
    QTest::newRow("Hungarian letters") << QStringLiteral("Ő ű é") << QByteArray("\xD5 \xFB \xE9\r\n");
    QTest::newRow("no-break space kept") << QStringLiteral("a\u00A0b") << QByteArray("a\xA0" "b\r\n");
    QTest::newRow("euro sign") << QStringLiteral("5 €") << QByteArray("5 \x80\r\n");
}

void TestNoteWindows::saveBytes()
{
    QFETCH(QString, text);
    NoteOnFile note(NoteKind::ObservationLog, "old");
    QVERIFY(note.written);
    note.w.textBox()->setPlainText(text);
    note.w.saveAction()->trigger();
    QCOMPARE(note.log.count(), 0);
    QTEST(note.data.read(kLog), "bytes");
    // Saving twice without reopening writes the same file.
    note.w.saveAction()->trigger();
    QTEST(note.data.read(kLog), "bytes");
}

// Windows-1250 letters whose bytes form valid UTF-8 are read as what they
// are, so saving writes them back unchanged.
void TestNoteWindows::windows1250LookingLikeUtf8ComesBackWhole()
{
    const QByteArray bytes("FOT\xd3\x85 a HOLD\xc9\x94\r\n\xc1rv\xedz");
    NoteOnFile note(NoteKind::Notes, bytes);
    QVERIFY(note.written);
    QCOMPARE(note.w.textBox()->toPlainText(), QStringLiteral("FOTÓ… a HOLDÉ”\nÁrvíz"));
    note.w.saveAction()->trigger();
    QCOMPARE(note.log.count(), 0);
    QCOMPARE(note.data.read(kNotes), bytes + "\r\n");
}

void TestNoteWindows::typedLineBreaks()
{
    DataFolder data;
    QVERIFY(data.write(kNotes, ""));
    NoteWindow w(NoteKind::Notes, data.folders(), failOnMessages());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClicks(w.textBox(), QStringLiteral("a"));
    QTest::keyClick(w.textBox(), Qt::Key_Return);
    QTest::keyClicks(w.textBox(), QStringLiteral("b"));
    QTest::keyClick(w.textBox(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(w.textBox(), QStringLiteral("\tc"));
    w.saveAction()->trigger();
    QCOMPARE(data.read(kNotes), QByteArray("a\r\nb\r\n\tc\r\n"));
}

void TestNoteWindows::blankIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byOk");
    QTest::newRow("empty, Mentés") << "" << false;
    QTest::newRow("spaces, Mentés") << "     " << false;
    QTest::newRow("spaces, OK") << "   " << true;
}

void TestNoteWindows::blankIsRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, byOk);
    DataFolder data;
    QVERIFY(data.write(kNotes, "kept\r\n"));
    MessageLog log;
    auto note = companion(NoteKind::Notes, data.folders(), log);
    note.open();
    saveIsRefused(note, text, byOk);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(log.messages, (QList<Message>{{MessageIcon::Warning, QStringLiteral("Üreset NEM mentek!")}}));
    QCOMPARE(data.read(kNotes), QByteArray("kept\r\n"));
}

void TestNoteWindows::eachReopenAddsOneLineEnd()
{
    QFETCH(NoteKind, kind);
    const QString file = fileOf(kind);
    DataFolder data;
    QVERIFY(data.write(file, ""));
    MessageLog log;
    QByteArray expected("abc");
    for (int cycle = 0; cycle < 3; ++cycle) {
        NoteWindow w(kind, data.folders(), log.sink());
        if (cycle == 0)
            w.textBox()->setPlainText(QStringLiteral("abc"));
        else
            QCOMPARE(w.textBox()->toPlainText(), QStringLiteral("abc") + QString(cycle, u'\n'));
        w.saveAction()->trigger();
        expected += "\r\n";
        QCOMPARE(data.read(file), expected);
    }
    QCOMPARE(data.read(file), QByteArray("abc\r\n\r\n\r\n"));
    QCOMPARE(log.count(), 0);
}

void TestNoteWindows::savingInitialTextCreatesTheFile()
{
    QFETCH(NoteKind, kind);
    DataFolder data;
    MessageLog log;
    NoteWindow w(kind, data.folders(), log.sink());
    w.saveAction()->trigger();
    QCOMPARE(log.count(), 1);  // only the missing-file message
    const QByteArray expected = kind == NoteKind::Notes ? QByteArray("Jegyzetek:  \r\n")
                                                         : QByteArray("Megfigyel\xE9si napl\xF3:\r\n");
    QCOMPARE(data.read(fileOf(kind)), expected);
}

void TestNoteWindows::okClosesOnlyAfterWriting()
{
    QFETCH(NoteKind, kind);
    DataFolder data;
    QVERIFY(data.write(fileOf(kind), "x\r\n"));
    MessageLog log;
    auto note = companion(kind, data.folders(), log);
    note.open()->textBox()->setPlainText(QStringLiteral("megvan"));
    note->okAction()->trigger();
    flushDeletions();
    QVERIFY(note.isNull());
    QCOMPARE(data.read(fileOf(kind)), QByteArray("megvan\r\n"));
    QCOMPARE(log.count(), 0);
}

// A click on a command of the bar acts at once: "Mentés" writes and keeps the
// window, "OK" writes and closes it.
void TestNoteWindows::clicksOnTheMenuBarAct()
{
    QFETCH(NoteKind, kind);
    DataFolder data;
    QVERIFY(data.write(fileOf(kind), "x\r\n"));
    MessageLog log;
    auto note = companion(kind, data.folders(), log);
    QVERIFY(QTest::qWaitForWindowExposed(note.open()));
    auto* bar = note->findChild<QMenuBar*>();
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    const QRect saveRect = bar->actionGeometry(note->saveAction());
    const QRect okRect = bar->actionGeometry(note->okAction());
    QVERIFY(!saveRect.isEmpty() && !okRect.isEmpty());
    QVERIFY(saveRect.right() < okRect.left());

    note->textBox()->setPlainText(QStringLiteral("első"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, saveRect.center());
    QTRY_COMPARE(data.read(fileOf(kind)), QByteArray("els\xF5\r\n"));
    QVERIFY(note->isVisible());

    note->textBox()->setPlainText(QStringLiteral("második"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, okRect.center());
    flushDeletions();
    QTRY_VERIFY(note.isNull());
    QCOMPARE(data.read(fileOf(kind)), QByteArray("m\xE1sodik\r\n"));
    QCOMPARE(log.count(), 0);
}

// Closing from the title bar or with Esc asks before a typed text is lost:
// Mégse keeps the window and the text, Nem drops the text, Igen saves it or,
// when saving fails, says why and keeps the window.
void TestNoteWindows::closingAnEditedNote_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("folderGone");
    QTest::addColumn<QByteArray>("file");   // empty: the window stays open
    for (bool esc : {false, true}) {
        const char* how = esc ? "Esc" : "title bar";
        QTest::addRow("%s, typed and taken back", how) << esc << "x\b" << Answer::Cancel << false << QByteArray("saved\r\n");
        QTest::addRow("%s, Mégse", how) << esc << "x" << Answer::Cancel << false << QByteArray();
        QTest::addRow("%s, Nem", how) << esc << "x" << Answer::No << false << QByteArray("saved\r\n");
        QTest::addRow("%s, Igen", how) << esc << "x" << Answer::Yes << false << QByteArray("saved\r\nx\r\n");
    }
    QTest::newRow("Igen, saving fails") << false << "x" << Answer::Yes << true << QByteArray();
}

void TestNoteWindows::closingAnEditedNote()
{
    QFETCH(QString, typed);
    QFETCH(bool, folderGone);
    QFETCH(QByteArray, file);
    DataFolder data;
    QVERIFY(data.write(kNotes, "saved\r\n"));
    QFETCH(Answer, answer);
    MessageLog log;
    log.answers = {answer};
    auto note = companion(NoteKind::Notes, data.folders(), log);
    QVERIFY(QTest::qWaitForWindowActive(note.open()));
    note->textBox()->moveCursor(QTextCursor::End);
    QTest::keyClicks(note->textBox(), typed);
    if (folderGone)
        QVERIFY(data.removeFolder());
    QFETCH(bool, byEscape);
    if (byEscape)
        QTest::keyClick(note->textBox(), Qt::Key_Escape);
    else
        note->close();
    flushDeletions();
    const bool asked = typed == u"x";
    QCOMPARE(log.count(), asked + folderGone);
    if (asked)
        QCOMPARE(log.messages.first(), (Message{MessageIcon::Question, QStringLiteral("Menti a változásokat?")}));
    QCOMPARE(note.isNull(), !file.isEmpty());
    if (note.isNull())
        QCOMPARE(data.read(kNotes), file);
    else
        QCOMPARE(note->textBox()->toPlainText(), QStringLiteral("saved\nx"));
}

// The question as the user sees it: caption "Tavik", Igen the default, Esc Mégse.
void TestNoteWindows::theQuestionBox()
{
    DataFolder data;
    QVERIFY(data.write(kLog, "old\r\n"));
    CompanionSlot<NoteWindow> note([&] { return new NoteWindow(NoteKind::ObservationLog, data.folders(), MessageSink()); });
    note.open()->textBox()->setPlainText(QStringLiteral("new"));
    QStringList seen;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer.stop();
            seen << box->windowTitle() << box->text() << box->defaultButton()->text();
            for (QAbstractButton* b : box->buttons())
                seen << b->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    answer.start(20);
    note->close();
    flushDeletions();
    QCOMPARE(seen.mid(0, 3), (QStringList{"Tavik", QStringLiteral("Menti a változásokat?"), "Igen"}));
    QCOMPARE(QSet<QString>(seen.begin() + 3, seen.end()), (QSet<QString>{"Igen", "Nem", QStringLiteral("Mégse")}));
    QVERIFY(!note.isNull());
    QCOMPARE(data.read(kLog), QByteArray("old\r\n"));
}

void TestNoteWindows::failedSave_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("messageStart");
    const QString unsaved = QStringLiteral("A 'jegyzetek.txt' fájl NEM menthető!");
    QTest::newRow("data folder missing") << 0 << "note" << unsaved;
    QTest::newRow("data folder is a file") << 1 << "note" << unsaved;
    QTest::newRow("arrow") << 2 << QStringLiteral("a → b") << unsaved;
    QTest::newRow("Chinese") << 2 << QStringLiteral("月") << unsaved;
}

void TestNoteWindows::failedSave()
{
    QFETCH(int, fault);
    QFETCH(QString, text);
    QFETCH(QString, messageStart);
    DataFolder data;
    QVERIFY(data.write(kNotes, "before\r\n"));
    MessageLog log;
    auto note = companion(NoteKind::Notes, data.folders(), log);
    note.open();
    if (fault == 0)
        QVERIFY(data.removeFolder());
    else if (fault == 1)
        QVERIFY(data.replaceFolderWithFile());
    saveIsRefused(note, text, true);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.messages.first().icon, MessageIcon::Error);
    QVERIFY2(log.lastText().startsWith(messageStart), qPrintable(log.lastText()));
    if (fault == 2) {
        QVERIFY2(log.lastText().contains(text.at(text.size() > 1 ? 2 : 0)), qPrintable(log.lastText()));
        QCOMPARE(data.read(kNotes), QByteArray("before\r\n"));
    } else if (fault == 1) {
        QCOMPARE(QFileInfo(data.path()).isFile(), true);
    }
    // The program goes on: a later save into a usable folder works.
    if (fault != 2) {
        QFile::remove(data.path());
        QVERIFY(QDir().mkpath(data.path()));
    }
    note->textBox()->setPlainText(QStringLiteral("after"));
    note->saveAction()->trigger();
    QCOMPARE(data.read(kNotes), QByteArray("after\r\n"));
}

QByteArray longLine(int size)
{
    const QByteArray piece("Holdsarl\xf3 \xe1rv\xedzt\xfbr\xf5 ");
    QByteArray line;
    while (line.size() < size)
        line += piece;
    return line.left(size);
}

// A line too long to be drawn quickly stands in pieces of 1000 characters;
// the file keeps every byte of it, and gets only the final line end that
// saving always adds.
void TestNoteWindows::longLinesAreShownInPiecesAndSavedWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("pieces");
    QTest::newRow("short lines") << QByteArray("a\r\nb") << QList<int>{1, 1};
    QTest::newRow("exactly the limit") << longLine(1000) << QList<int>{1000};
    QTest::newRow("one more") << longLine(1001) << QList<int>{1000, 1};
    QTest::newRow("between short lines") << "a\r\n" + longLine(2500) + "\r\n\r\nb"
                                         << QList<int>{1, 1000, 1000, 500, 0, 1};
    QTest::newRow("two long lines") << longLine(1500) + "\r\n" + longLine(2000)
                                    << QList<int>{1000, 500, 1000, 1000};
    // A character of two UTF-16 halves is never cut between them.
    QTest::newRow("four-byte character at the cut")
        << "\xef\xbb\xbf" + QByteArray(999, 'x') + "\xf0\x9f\x8c\x99" + QByteArray(10, 'y') << QList<int>{999, 12};
}

void TestNoteWindows::longLinesAreShownInPiecesAndSavedWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, pieces);
    NoteOnFile note(NoteKind::Notes, bytes);
    QVERIFY(note.written);
    QList<int> shown;
    for (QTextBlock b = note.w.textBox()->document()->firstBlock(); b.isValid(); b = b.next())
        shown.append(b.text().size());
    QCOMPARE(shown, pieces);
    if (bytes.contains('\xf0'))
        return;   // a character Windows-1250 cannot hold is not saved
    note.w.saveAction()->trigger();
    QCOMPARE(note.log.count(), 0);
    QCOMPARE(note.data.read(kNotes), bytes + "\r\n");
}

void TestNoteWindows::editingInsideALongLine()
{
    const QByteArray line = longLine(2500);
    NoteOnFile note(NoteKind::Notes, line);
    QVERIFY(note.written);
    QPlainTextEdit* box = note.w.textBox();
    // A letter typed into the second piece, then an Enter in it.
    QTextCursor c(box->document());
    c.setPosition(1001 + 200);   // 1000 letters and the piece's break
    box->setTextCursor(c);
    QTest::keyClicks(box, QStringLiteral("Q"));
    c = box->textCursor();
    c.setPosition(1001 + 500);
    box->setTextCursor(c);
    QTest::keyClick(box, Qt::Key_Return);
    note.w.saveAction()->trigger();
    QCOMPARE(note.log.count(), 0);
    const QByteArray typed = line.left(1200) + 'Q' + line.mid(1200);
    QCOMPARE(note.data.read(kNotes), typed.left(1500) + "\r\n" + typed.mid(1500) + "\r\n");
}

void TestNoteWindows::aFullDiskKeepsTheNote_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("Mentés") << false;
    QTest::newRow("OK") << true;
}

// On a full disk neither command loses the old file or the new text: the
// window stays open with the text, and the message says why.
void TestNoteWindows::aFullDiskKeepsTheNote()
{
    QFETCH(bool, ok);
    tavik::testing::SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    const QByteArray before = QByteArray(5000, 'j') + "\r\n";
    QVERIFY(disk.write(kNotes, before));
    QVERIFY(disk.fill());
    MessageLog log;
    auto note = companion(NoteKind::Notes, DataFolders(disk.path()), log);
    note.open();
    saveIsRefused(note, QString(9000, u'ú'), ok);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(log.messages, (QList<Message>{{MessageIcon::Error,
        QStringLiteral("A 'jegyzetek.txt' fájl NEM menthető!\nMegtelt a lemez.")}}));
    QCOMPARE(disk.read(kNotes), before);
    QCOMPARE(disk.entries(), QStringList{kNotes});
}

void TestNoteWindows::openingAgainKeepsUnsavedText()
{
    QFETCH(NoteKind, kind);
    DataFolder data;
    QVERIFY(data.write(fileOf(kind), "disk\r\n"));
    CompanionSlot<NoteWindow> note([&] { return new NoteWindow(kind, data.folders(), failOnMessages()); });
    NoteWindow* first = note.open();
    first->textBox()->setPlainText(QStringLiteral("unsaved"));
    QVERIFY(data.write(fileOf(kind), "changed on disk\r\n"));
    QCOMPARE(note.open(), first);
    QCOMPARE(note.made(), 1);
    QCOMPARE(first->textBox()->toPlainText(), QStringLiteral("unsaved"));
}

QTEST_MAIN(TestNoteWindows)
#include "tst_notewindow.moc"
