// The data-folder rule: "Pic" beside the executable, or the user's folder in
// front of the installed one; reads fall through, writes never do.
#include "datafiles.h"
#include "datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

using namespace tavik;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// An installed program: <root>/usr/bin/tavik, its files in
// <root>/usr/share/tavik/Pic, the user's data home in <root>/home/.local/share.
struct Installed {
    QTemporaryDir root;
    QString bin() const { return root.filePath(QStringLiteral("usr/bin")); }
    QString shipped() const { return root.filePath(QStringLiteral("usr/share/tavik/Pic")); }
    QString home() const { return root.filePath(QStringLiteral("home/.local/share")); }
    QString user() const { return home() + QStringLiteral("/tavik/Pic"); }
    Installed()
    {
        QDir().mkpath(bin());
        QDir().mkpath(shipped());
        writeFile(shipped() + QStringLiteral("/ujholdak.txt"), "2024.01.11 12:57\r\n");
        writeFile(shipped() + QStringLiteral("/Venusz.TXT"), "V\r\n");
    }
    DataFolders folders() const { return DataFolders::forProgram(bin(), home()); }
};

// Every file below a folder with its bytes, to see that nothing changed.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        files.insert(it.filePath(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return files;
}

}  // namespace

class TestDataFolders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picBesideTheProgramIsTheOnlyFolder();
    void portableFolderIsNeverMade();
    void installedLayoutPlaces();
    void readsFallThroughToTheShippedFolder_data();
    void readsFallThroughToTheShippedFolder();
    void usersCopyWins();
    void writesGoToTheUsersFolderOnly();
    void systemFollowsXdgDataHome();
    void dataHomeFromTheEnvironment_data();
    void dataHomeFromTheEnvironment();
};

void TestDataFolders::picBesideTheProgramIsTheOnlyFolder()
{
    QTemporaryDir root;
    const QString pic = root.filePath(QStringLiteral("Pic"));
    QVERIFY(QDir().mkpath(pic));
    QVERIFY(writeFile(pic + QStringLiteral("/UJHOLDAK.TXT"), "x"));
    // An installed folder next to it plays no part.
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("../share/tavik/Pic"))));

    const DataFolders d = DataFolders::forProgram(root.path(), root.filePath(QStringLiteral("home")));
    QVERIFY(d.portable());
    QCOMPARE(d.userFolder(), pic);
    QVERIFY(d.shippedFolder().isEmpty());
    QCOMPARE(d.readPath(QStringLiteral("ujholdak.txt")), pic + QStringLiteral("/UJHOLDAK.TXT"));
    QCOMPARE(d.writePath(QStringLiteral("ujholdak.txt")), pic + QStringLiteral("/UJHOLDAK.TXT"));
    QCOMPARE(d.readPath(QStringLiteral("ujhold.txt")), pic + QStringLiteral("/ujhold.txt"));
    QCOMPARE(d.writePath(QStringLiteral("ujhold.txt")), pic + QStringLiteral("/ujhold.txt"));
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("home"))));
}

void TestDataFolders::portableFolderIsNeverMade()
{
    // A portable folder that has gone stays gone: writing then fails and says so.
    QTemporaryDir root;
    const QString pic = root.filePath(QStringLiteral("Pic"));
    const DataFolders d(pic);
    QCOMPARE(d.writePath(QStringLiteral("utolso.txt")), pic + QStringLiteral("/utolso.txt"));
    QVERIFY(!QFileInfo::exists(pic));
}

void TestDataFolders::installedLayoutPlaces()
{
    Installed at;
    const DataFolders d = at.folders();
    QVERIFY(!d.portable());
    QCOMPARE(d.userFolder(), at.user());
    QCOMPARE(d.shippedFolder(), at.shipped());
    // Reading makes nothing.
    d.readPath(QStringLiteral("ujholdak.txt"));
    QVERIFY(!QFileInfo::exists(at.root.filePath(QStringLiteral("home"))));
}

void TestDataFolders::readsFallThroughToTheShippedFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");   // relative to the root
    QTest::newRow("shipped list") << "ujholdak.txt" << "usr/share/tavik/Pic/ujholdak.txt";
    QTest::newRow("any letter case") << "venusz.txt" << "usr/share/tavik/Pic/Venusz.TXT";
    QTest::newRow("nowhere: the user's path")
        << "jegyzetek.txt" << "home/.local/share/tavik/Pic/jegyzetek.txt";
}

void TestDataFolders::readsFallThroughToTheShippedFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    Installed at;
    QCOMPARE(at.folders().readPath(name), at.root.filePath(expected));
}

void TestDataFolders::usersCopyWins()
{
    Installed at;
    const DataFolders d = at.folders();
    QVERIFY(QDir().mkpath(at.user()));
    QVERIFY(writeFile(at.user() + QStringLiteral("/UjHoldak.txt"), "own\r\n"));
    QCOMPARE(d.readPath(QStringLiteral("ujholdak.txt")), at.user() + QStringLiteral("/UjHoldak.txt"));
    const FileRead<QStringList> lines = readLines(d.readPath(QStringLiteral("ujholdak.txt")));
    QCOMPARE(lines.value, QStringList{QStringLiteral("own")});
    // The other files still come from the package.
    QCOMPARE(d.readPath(QStringLiteral("venusz.txt")), at.shipped() + QStringLiteral("/Venusz.TXT"));
}

void TestDataFolders::writesGoToTheUsersFolderOnly()
{
    Installed at;
    const auto before = snapshot(at.shipped());
    const DataFolders d = at.folders();
    for (const QString& name : {QStringLiteral("ujhold.txt"), QStringLiteral("ujholdak.txt"),
                               QStringLiteral("venusz.txt")}) {
        const QString path = d.writePath(name);
        QCOMPARE(path, at.user() + u'/' + name);
        QVERIFY2(replaceWholeFile(path, QStringLiteral("új\r\n")).ok(), qPrintable(name));
        QCOMPARE(appendToFile(d.writePath(name), QStringLiteral("x")).ok(), true);
        QCOMPARE(d.readPath(name), path);
    }
    QCOMPARE(snapshot(at.shipped()), before);
    QCOMPARE(snapshot(at.user()).size(), 3);
}

void TestDataFolders::systemFollowsXdgDataHome()
{
    // The test program has no "Pic" beside it.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    const DataFolders d = DataFolders::system();
    qunsetenv("XDG_DATA_HOME");
    QVERIFY(!d.portable());
    QCOMPARE(d.userFolder(), home.filePath(QStringLiteral("tavik/Pic")));
    QCOMPARE(d.shippedFolder(),
             QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tavik/Pic")));
}

// XDG_DATA_HOME and HOME as the environment gives them; "<tmp>" stands for a
// temporary folder, "-" for a variable that is not set.
void TestDataFolders::dataHomeFromTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("xdgDataHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("expected");   // "~" for the account's home folder
    QTest::newRow("unset") << QByteArray("-") << QByteArray("<tmp>") << "<tmp>/.local/share";
    QTest::newRow("relative is ignored") << QByteArray("adat") << QByteArray("<tmp>") << "<tmp>/.local/share";
    QTest::newRow("not UTF-8 is ignored")
        << QByteArray("<tmp>/\xe1rv\xedz") << QByteArray("<tmp>") << "<tmp>/.local/share";
    QTest::newRow("UTF-8 kept") << QByteArray("<tmp>/\xc3\xa1rv\xc3\xadz") << QByteArray("<tmp>")
                                << QStringLiteral("<tmp>/árvíz");
    QTest::newRow("no HOME") << QByteArray("-") << QByteArray("-") << "~/.local/share";
    QTest::newRow("relative HOME") << QByteArray("-") << QByteArray("haza") << "~/.local/share";
}

void TestDataFolders::dataHomeFromTheEnvironment()
{
    QFETCH(QByteArray, xdgDataHome);
    QFETCH(QByteArray, home);
    QFETCH(QString, expected);
    QTemporaryDir tmp;
    const QByteArray savedHome = qgetenv("HOME");
    const auto set = [&tmp](const char* name, QByteArray value) {
        if (value == "-")
            qunsetenv(name);
        else
            qputenv(name, value.replace("<tmp>", QFile::encodeName(tmp.path())));
    };
    set("XDG_DATA_HOME", xdgDataHome);
    set("HOME", home);
    const QString dataHome = DataFolders::userDataHome();
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", savedHome);
    const struct passwd* account = ::getpwuid(::geteuid());
    QVERIFY(account);
    expected.replace(QStringLiteral("<tmp>"), tmp.path()).replace(u'~', QFile::decodeName(account->pw_dir));
    QCOMPARE(dataHome, expected);
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
