// Reading, replacing and appending real files in a temporary data folder.
#include "datafiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class TestFileStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readLinesFromBytes_data();
    void readLinesFromBytes();
    void readWholeFileKeepsEveryByte();
    void missingAndHiddenFiles();
    void aFolderIsNotAFile();
    void caseInsensitiveLookup();
    void replaceWritesWindows1250();
    void replaceKeepsTheOldFileWhenTextDoesNotFit();
    void appendCreatesAndGrows();
    void writesIntoAnUnwritableFolderFail_data();
    void writesIntoAnUnwritableFolderFail();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestFileStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileStore::readLinesFromBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("CR LF") << QByteArray("2024.01.11 12:57\r\n2024.02.09 23:59\r\n")
                           << QStringList{"2024.01.11 12:57", "2024.02.09 23:59"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone CR and LF") << QByteArray("a\rb\nc\r\n") << QStringList{"a", "b\nc"};
    QTest::newRow("empty lines in place") << QByteArray("\r\na\r\n\r\n")
                                          << QStringList{"", "a", ""};
    QTest::newRow("Windows-1250") << QByteArray("\xc1rv\xedz\r\nt\xfbr\xf5\r\n")
                                  << QStringList{"Árvíz", "tűrő"};
    QTest::newRow("UTF-8") << QByteArray("\xc3\x81rv\xc3\xadz\r\nt\xc5\xb1r\xc5\x91")
                           << QStringList{"Árvíz", "tűrő"};
    QTest::newRow("UTF-8 BOM") << QByteArray("\xef\xbb\xbf" "a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("blanks kept") << QByteArray(" 1  Hold \r\n") << QStringList{" 1  Hold "};
}

void TestFileStore::readLinesFromBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    writeBytes(path("lista.txt"), bytes);
    const FileRead<QStringList> read = readLines(path("lista.txt"));
    QVERIFY(read.ok());
    QCOMPARE(read.status.fileName, QStringLiteral("lista.txt"));
    QCOMPARE(read.value, lines);
}

void TestFileStore::readWholeFileKeepsEveryByte()
{
    writeBytes(path("utolso.txt"), "2024.01.11 2:57\r\r\n");
    const FileRead<QString> read = readWholeFile(path("utolso.txt"));
    QVERIFY(read.ok());
    QCOMPARE(read.value, QStringLiteral("2024.01.11 2:57\r\r\n"));
}

void TestFileStore::missingAndHiddenFiles()
{
    FileRead<QString> read = readWholeFile(path("ujhold.txt"));
    QCOMPARE(read.status.error, FileError::Missing);
    QCOMPARE(read.status.fileName, QStringLiteral("ujhold.txt"));
    QCOMPARE(describeFileFault(read.status), QStringLiteral("Az 'ujhold.txt' fájl NEM található!"));
    writeBytes(path(".ujhold.txt"), "x\r\n");
    QVERIFY(!dataFileExists(path(".ujhold.txt")));
    QCOMPARE(readLines(path(".ujhold.txt")).status.error, FileError::Missing);
    writeBytes(path("ujhold.txt"), "x\r\n");
    QVERIFY(dataFileExists(path("ujhold.txt")));
}

void TestFileStore::aFolderIsNotAFile()
{
    QVERIFY(QDir(m_dir->path()).mkdir("ujhold.txt"));
    QVERIFY(!dataFileExists(path("ujhold.txt")));
    QCOMPARE(readWholeFile(path("ujhold.txt")).status.error, FileError::Missing);
    const FileStatus status = replaceWholeFile(path("ujhold.txt"), "x");
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.detail, QStringLiteral("Ezen a néven mappa van."));
    QCOMPARE(appendToFile(path("ujhold.txt"), "x").error, FileError::NotWritable);
}

void TestFileStore::caseInsensitiveLookup()
{
    const QString dir = m_dir->path();
    QCOMPARE(dataFilePath(dir, "ujhold.txt"), path("ujhold.txt"));
    writeBytes(path("UJHOLD.TXT"), "a\r\n");
    QCOMPARE(dataFilePath(dir, "ujhold.txt"), path("UJHOLD.TXT"));
    writeBytes(path("ujhold.txt"), "b\r\n");
    QCOMPARE(dataFilePath(dir, "ujhold.txt"), path("ujhold.txt"));
    QCOMPARE(dataFilePath(dir, "Ujhold.Txt"), path("UJHOLD.TXT"));
    QCOMPARE(readLines(dataFilePath(dir, "UJHOLD.txt")).value, QStringList{"a"});
}

void TestFileStore::replaceWritesWindows1250()
{
    const QString file = path("jegyzetek.txt");
    writeBytes(file, "a much longer text than the new one\r\n");
    QVERIFY(replaceWholeFile(file, QStringLiteral("Holdsarló őszi\r\nűr")).ok());
    QCOMPARE(bytesOf(file), QByteArray("Holdsarl\xf3 \xf5szi\r\n\xfbr"));
    QVERIFY(replaceWholeFile(file, QString()).ok());
    QCOMPARE(bytesOf(file), QByteArray());
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"jegyzetek.txt"});
}

void TestFileStore::replaceKeepsTheOldFileWhenTextDoesNotFit()
{
    const QString file = path("naplo-tavik.txt");
    writeBytes(file, "old\r\n");
    const FileStatus status = replaceWholeFile(file, QStringLiteral("new ✓ text 月"));
    QCOMPARE(status.error, FileError::Unencodable);
    QCOMPARE(status.detail, QStringLiteral("✓月"));
    QCOMPARE(status.fileName, QStringLiteral("naplo-tavik.txt"));
    QCOMPARE(bytesOf(file), QByteArray("old\r\n"));
    QCOMPARE(appendToFile(file, QStringLiteral("✓")).error, FileError::Unencodable);
    QCOMPARE(bytesOf(file), QByteArray("old\r\n"));
}

void TestFileStore::appendCreatesAndGrows()
{
    const QString file = path("szamitott.txt");
    QVERIFY(appendToFile(file, QStringLiteral("Holdfázis:\r\n")).ok());
    QVERIFY(appendToFile(file, QStringLiteral("Újhold\r\n")).ok());
    QCOMPARE(bytesOf(file), QByteArray("Holdf\xe1zis:\r\n\xdajhold\r\n"));
}

// The tests run as root in the build container, and root writes into a folder
// whatever its mode bits say, so a chmod'ed folder proves nothing. A data
// folder that cannot take a file is made instead from a path whose parent is a
// regular file, or from a folder that does not exist: no user can write there.
void TestFileStore::writesIntoAnUnwritableFolderFail_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("parent is a file") << "blocker" << "Nem mappa: ";
    QTest::newRow("missing folder") << "nincs/Pic" << "A mappa nem létezik: ";
}

void TestFileStore::writesIntoAnUnwritableFolderFail()
{
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    writeBytes(path("blocker"), "not a folder");
    const QString file = path(folder) + QStringLiteral("/ujhold.txt");
    FileStatus status = replaceWholeFile(file, QStringLiteral("2024.01.11 12:57\r\n"));
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.fileName, QStringLiteral("ujhold.txt"));
    QCOMPARE(status.detail, reason + QDir::toNativeSeparators(path(folder)));
    QVERIFY(describeFileFault(status).startsWith(
        QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!\n")));
    status = appendToFile(file, QStringLiteral("x"));
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(readLines(file).status.error, FileError::Missing);
    QCOMPARE(bytesOf(path("blocker")), QByteArray("not a folder"));
}

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_filestore.moc"
