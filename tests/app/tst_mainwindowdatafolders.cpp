// The main window and its companions on an installed program's folders: the
// package's files are read, every write lands in the user's folder.
#include "appfixture.h"
#include "notewindow.h"
#include "reflist.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QPlainTextEdit>

using namespace tavik;
using namespace tavik::testing;

namespace {

// <root>/share/tavik/Pic as the package installs it, <root>/user/tavik/Pic not yet made.
struct Installed {
    QTemporaryDir root;
    QString shipped() const { return root.filePath(QStringLiteral("share/tavik/Pic")); }
    QString user() const { return root.filePath(QStringLiteral("user/tavik/Pic")); }
    DataFolders folders() const { return DataFolders(user(), shipped()); }

    Installed()
    {
        QDir().mkpath(shipped());
        put(QStringLiteral("ujholdak.txt"), "2024.01.11 12:57\r\n2024.02.09 23:59\r\n");
        put(QStringLiteral("holdsarlok.txt"), "sor 1\r\nsor 2\r\n");
    }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile f(shipped() + u'/' + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray userFile(const QString& name) const
    {
        QFile f(user() + u'/' + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    QStringList shippedFiles() const
    {
        QStringList out;
        QDirIterator it(shipped(), QDir::Files | QDir::Hidden);
        while (it.hasNext())
            out.append(it.next());
        out.sort();
        return out;
    }
};

std::unique_ptr<A> windowOn(const Installed& at, MessageLog& log)
{
    MainWindowEnvironment env{at.folders(), RegionalSettings::hungarian(),
                              [] { return QDateTime(QDate(2024, 1, 14), QTime(7, 37, 0)); },
                              log.sink()};
    return std::make_unique<A>(std::move(env));
}

void trigger(const A& a, const char* action)
{
    QAction* item = a.findChild<QAction*>(QLatin1String(action));
    QVERIFY2(item, action);
    item->trigger();
}

}  // namespace

class MainWindowDataFoldersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calculatorReadsThePackageAndWritesTheUsersFolder();
    void companionsReadThePackageAndWriteTheUsersFolder();
    void aListTooLargeIsNamedNotRead();
};

void MainWindowDataFoldersTest::calculatorReadsThePackageAndWritesTheUsersFolder()
{
    Installed at;
    const QStringList shipped = at.shippedFiles();
    MessageLog caught;
    auto a = windowOn(at, caught);
    QCOMPARE(newMoonList(*a)->count(), 2);
    QCOMPARE(newMoonList(*a)->itemText(1), QStringLiteral("2024.02.09 23:59"));
    QVERIFY(!QFileInfo::exists(at.user()));

    newMoonList(*a)->setCurrentIndex(0);
    press(*a, "Command6");
    QCOMPARE(at.userFile(QStringLiteral("ujhold.txt")), QByteArray("2024.01.11 12:57\r\n"));
    box(*a, "Text12")->setText(QStringLiteral("2024.01.12 18:00"));
    press(*a, "Command14");
    QCOMPARE(at.userFile(QStringLiteral("utolso.txt")), QByteArray("2024.01.12 18:00\r\n"));
    press(*a, "Command1");
    const QByteArray log = at.userFile(QStringLiteral("szamitott.txt"));
    QVERIFY(log.contains("2024. 01. 12. 18:00:00"));
    press(*a, "Command2");
    QVERIFY(at.userFile(QStringLiteral("szamitott.txt")).size() > log.size());

    QCOMPARE(caught.messages, QList<Message>{});
    QCOMPARE(at.shippedFiles(), shipped);
    QCOMPARE(QDir(at.user()).entryList(QDir::Files),
             (QStringList{"szamitott.txt", "ujhold.txt", "utolso.txt"}));

    // The user's own list now wins over the package's.
    QFile own(at.user() + QStringLiteral("/ujholdak.txt"));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.write("2030.01.01 00:00\r\n");
    own.close();
    a->LoadNewMoonList();
    QCOMPARE(newMoonList(*a)->count(), 1);
}

void MainWindowDataFoldersTest::companionsReadThePackageAndWriteTheUsersFolder()
{
    Installed at;
    const QStringList shipped = at.shippedFiles();
    MessageLog caught;
    auto a = windowOn(at, caught);

    trigger(*a, "holdsarlolista");
    auto* list = qobject_cast<ReferenceListWindow*>(openWindow("Form5"));
    QVERIFY(list);
    QCOMPARE(list->rows(), (QStringList{"sor 1", "sor 2"}));
    list->close();

    trigger(*a, "jegyzetek");
    auto* notes = qobject_cast<NoteWindow*>(openWindow("Form8"));
    QVERIFY(notes);
    QCOMPARE(caught.messages.size(), 1);   // no notes yet
    notes->textBox()->setPlainText(QStringLiteral("Első jegyzet"));
    QVERIFY(notes->save());
    closeCompanions();
    QCOMPARE(at.userFile(QStringLiteral("jegyzetek.txt")), QByteArray("Els\xf5 jegyzet\r\n"));
    QCOMPARE(at.shippedFiles(), shipped);
}

// A list of 100 GB (sparse, it takes no room) would have ended every start.
void MainWindowDataFoldersTest::aListTooLargeIsNamedNotRead()
{
    Installed at;
    QVERIFY(QFile::resize(at.shipped() + QStringLiteral("/ujholdak.txt"), qint64(100) << 30));
    MessageLog caught;
    auto a = windowOn(at, caught);
    QCOMPARE(newMoonList(*a)->count(), 0);
    QCOMPARE(caught.count(), 1);
    QCOMPARE(caught.lastText(),
             QStringLiteral("Az 'ujholdak.txt' fájl NEM olvasható!\nA fájl túl nagy: legfeljebb 32 MB lehet."));
}

QTEST_MAIN(MainWindowDataFoldersTest)
#include "tst_mainwindowdatafolders.moc"
