// Reading, replacing and appending real files in a temporary data folder.
#include "datafiles.h"

#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    void replaceOnAFullDiskKeepsTheOldFile_data();
    void replaceOnAFullDiskKeepsTheOldFile();
    void aFailedSyncKeepsTheOldFile();
    void aFailedRenameRemovesTheTemporary();
    void staleTemporariesAreCleanedUp_data();
    void staleTemporariesAreCleanedUp();
    void aKilledSaveLeavesOnlyItsTemporary();
    void aClosedFolderIsReportedNotWrittenInPlace();
    void aReadOnlyFileIsNotReplaced();
    void anAppendOnAFullDiskLeavesNoTornEntry();
    void anAppendThatCreatedTheFileRemovesIt();
    void aFailedSyncCutsTheAppendBack();
    void systemErrorsHaveReasons_data();
    void systemErrorsHaveReasons();

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
    QCOMPARE(read.status.reason, FileReason::Other);
    QCOMPARE(read.status.detail, QString());
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
    QCOMPARE(status.reason, FileReason::IsFolder);
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
    QTest::addColumn<int>("reason");
    QTest::newRow("parent is a file") << "blocker" << int(FileReason::NotAFolder);
    QTest::newRow("missing folder") << "nincs/Pic" << int(FileReason::FolderMissing);
}

void TestFileStore::writesIntoAnUnwritableFolderFail()
{
    QFETCH(QString, folder);
    QFETCH(int, reason);
    writeBytes(path("blocker"), "not a folder");
    const QString file = path(folder) + QStringLiteral("/ujhold.txt");
    FileStatus status = replaceWholeFile(file, QStringLiteral("2024.01.11 12:57\r\n"));
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.fileName, QStringLiteral("ujhold.txt"));
    QCOMPARE(status.detail, QDir::toNativeSeparators(path(folder)));
    QCOMPARE(int(status.reason), reason);
    status = appendToFile(file, QStringLiteral("x"));
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(readLines(file).status.error, FileError::Missing);
    QCOMPARE(bytesOf(path("blocker")), QByteArray("not a folder"));
}

void TestFileStore::replaceOnAFullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<qint64>("spare");
    QTest::addColumn<qsizetype>("newSize");
    // Nothing fits; the first page fits and the rest does not (the write that
    // used to leave a file cut at 4,096 bytes).
    QTest::newRow("no room") << qint64(0) << qsizetype(100);
    QTest::newRow("one page free") << qint64(4096) << qsizetype(3 * 4096 + 17);
}

void TestFileStore::replaceOnAFullDiskKeepsTheOldFile()
{
    QFETCH(qint64, spare);
    QFETCH(qsizetype, newSize);
    testing::SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    const QString file = disk.filePath(QStringLiteral("ujhold.txt"));
    writeBytes(file, "2024.01.11 12:57\r\n");
    QVERIFY(disk.fill(spare));

    const QString text(newSize, u'x');
    const FileStatus status = replaceWholeFile(file, text);
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::DiskFull);
    QCOMPARE(status.fileName, QStringLiteral("ujhold.txt"));
    QCOMPARE(bytesOf(file), QByteArray("2024.01.11 12:57\r\n"));
    QCOMPARE(disk.entries(), QStringList{"ujhold.txt"});

    disk.makeRoom();
    QVERIFY(replaceWholeFile(file, text).ok());
    QCOMPARE(bytesOf(file), text.toLatin1());
    QCOMPARE(disk.entries(), QStringList{"ujhold.txt"});
}

void TestFileStore::aFailedSyncKeepsTheOldFile()
{
    const QString file = path("jegyzetek.txt");
    writeBytes(file, "old note\r\n");
    FileSystemCalls calls = FileSystemCalls::system();
    int syncs = 0;
    calls.fsync = [&syncs](int) {
        ++syncs;
        errno = EIO;
        return -1;
    };
    const FileStatus status = replaceWholeFile(file, QStringLiteral("new note\r\n"), calls);
    QCOMPARE(syncs, 1);
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::InputOutput);
    QCOMPARE(status.systemError, EIO);
    QCOMPARE(bytesOf(file), QByteArray("old note\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"jegyzetek.txt"});
}

void TestFileStore::aFailedRenameRemovesTheTemporary()
{
    const QString file = path("utolso.txt");
    writeBytes(file, "2024.01.11 2:57\r\n");
    FileSystemCalls calls = FileSystemCalls::system();
    calls.rename = [](const char*, const char*) {
        errno = EXDEV;
        return -1;
    };
    const FileStatus status = replaceWholeFile(file, QStringLiteral("x"), calls);
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::Other);
    QCOMPARE(status.systemError, EXDEV);
    QVERIFY(!status.detail.isEmpty());
    QCOMPARE(bytesOf(file), QByteArray("2024.01.11 2:57\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"utolso.txt"});
}

// A copy of the program killed after its text was written but before the
// rename leaves a temporary file; a later save into the folder removes it once
// no live save can own it: any of the data files', and a map's or a list's
// when that very file is written again. The user's own files that look alike stay.
void TestFileStore::staleTemporariesAreCleanedUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ageMinutes");
    QTest::addColumn<bool>("ofNobody");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("target");
    const QString note = QStringLiteral("jegyzetek.txt"), map = QStringLiteral("terkep.png");
    QTest::newRow("killed save") << ".utolso.txt.tavik-99999-AbC123" << 61 << false << true << note;
    QTest::newRow("any letter case") << ".UJHOLDAK.TXT.tavik-7-x1Y2z3" << 120 << false << true << note;
    QTest::newRow("a save still running") << ".utolso.txt.tavik-99999-AbC123" << 5 << false << false << note;
    QTest::newRow("a thesis beside a note") << ".thesis.tex.tavik-99999-draft1" << 600 << false << false << note;
    QTest::newRow("another user's") << ".ujhold.txt.tavik-99999-AbC123" << 600 << true << false << note;
    QTest::newRow("killed map, written again") << ".terkep.png.tavik-99999-AbC123" << 61 << false << true << map;
    QTest::newRow("map being written") << ".terkep.png.tavik-99999-AbC123" << 5 << false << false << map;
    QTest::newRow("killed map, other file written") << ".terkep.png.tavik-99999-AbC123" << 600 << false << false << note;
}

void TestFileStore::staleTemporariesAreCleanedUp()
{
    QFETCH(QString, name);
    QFETCH(int, ageMinutes);
    QFETCH(bool, ofNobody);
    QFETCH(bool, removed);
    QFETCH(QString, target);
    if (ofNobody && ::geteuid() != 0)
        QSKIP("only root can make a file of another user");
    writeBytes(path(name), "half");
    const QByteArray native = QFile::encodeName(path(name));
    const struct timespec times[2] = {{::time(nullptr) - ageMinutes * 60, 0}, {::time(nullptr) - ageMinutes * 60, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, native.constData(), times, 0), 0);
    if (ofNobody)
        QCOMPARE(::chown(native.constData(), 65534, 65534), 0);
    QVERIFY(replaceWholeFile(path(target), QStringLiteral("a")).ok());
    QCOMPARE(QFileInfo::exists(path(name)), !removed);
    QCOMPARE(bytesOf(path(target)), QByteArray("a"));
}

// A killed save leaves its temporary file with the name that the clean-up
// above looks for.
void TestFileStore::aKilledSaveLeavesOnlyItsTemporary()
{
    const QString file = path("ujhold.txt");
    writeBytes(file, "old\r\n");
    FileSystemCalls killed = FileSystemCalls::system();
    killed.rename = [](const char*, const char*) { return 0; };  // never reached
    QVERIFY(replaceWholeFile(file, QStringLiteral("new\r\n"), killed).ok());
    QCOMPARE(bytesOf(file), QByteArray("old\r\n"));
    const QStringList leftOver = QDir(m_dir->path()).entryList({temporaryFilePattern()}, QDir::Files | QDir::Hidden);
    QCOMPARE(leftOver.size(), 1);
    QVERIFY(leftOver.first().startsWith(QStringLiteral(".ujhold.txt.tavik-")));
}

// A file that may be written in a folder that takes no new file: writing it in
// place could leave half a text on a failure, so the save is refused with a
// reason and the file stays. Root may create files anywhere, so the closed
// folder is made through the seam.
void TestFileStore::aClosedFolderIsReportedNotWrittenInPlace()
{
    const QString file = path("ujhold.txt");
    writeBytes(file, "old\r\n");
    FileSystemCalls calls = FileSystemCalls::system();
    calls.makeTemporary = [](char*) {
        errno = EACCES;
        return -1;
    };
    FileStatus status = replaceWholeFile(file, QStringLiteral("new\r\n"), calls);
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::FolderNotWritable);
    QCOMPARE(bytesOf(file), QByteArray("old\r\n"));
    // A new file in such a folder simply has no permission.
    status = replaceWholeFile(path("uj.txt"), QStringLiteral("new\r\n"), calls);
    QCOMPARE(status.reason, FileReason::PermissionDenied);
    QVERIFY(!QFileInfo::exists(path("uj.txt")));
}

// The log's entries are seven lines each: a torn one would glue the next entry
// onto it for good.
void TestFileStore::anAppendOnAFullDiskLeavesNoTornEntry()
{
    testing::SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    const QString log = disk.filePath(QStringLiteral("szamitott.txt"));
    // The entry crosses into a page that the full disk does not have, so the
    // first part of it is written and the rest is not.
    const QByteArray before = QByteArray(4000, 'a') + "\r\n";
    writeBytes(log, before);
    QVERIFY(disk.fill());
    QString entry;
    for (int line = 0; line < 7; ++line)
        entry += QStringLiteral("Holdfázis sor %1 ").arg(line) + QString(30, u'.') + QStringLiteral("\r\n");
    const FileStatus status = appendToFile(log, entry);
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::DiskFull);
    QCOMPARE(status.fileName, QStringLiteral("szamitott.txt"));
    QCOMPARE(bytesOf(log), before);

    disk.makeRoom();
    QVERIFY(appendToFile(log, entry).ok());
    QCOMPARE(bytesOf(log), before + encodeWindows1250(entry).value());
}

void TestFileStore::anAppendThatCreatedTheFileRemovesIt()
{
    testing::SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    QVERIFY(disk.fill());
    const FileStatus status = appendToFile(disk.filePath(QStringLiteral("szamitott.txt")), QStringLiteral("Újhold\r\n"));
    QCOMPARE(status.reason, FileReason::DiskFull);
    QCOMPARE(disk.entries(), QStringList{});
}

void TestFileStore::aFailedSyncCutsTheAppendBack()
{
    const QString log = path("szamitott.txt");
    writeBytes(log, "first entry\r\n");
    FileSystemCalls calls = FileSystemCalls::system();
    calls.fsync = [](int) {
        errno = EIO;
        return -1;
    };
    const FileStatus status = appendToFile(log, QStringLiteral("second entry\r\n"), calls);
    QCOMPARE(status.reason, FileReason::InputOutput);
    QCOMPARE(bytesOf(log), QByteArray("first entry\r\n"));
}

// A file whose mode lets nobody write it was made read-only on purpose; the
// rename would replace it all the same, even for a user who may not write it,
// and root could append to it.
void TestFileStore::aReadOnlyFileIsNotReplaced()
{
    const QString file = path("ujhold.txt");
    writeBytes(file, "old\r\n");
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const FileStatus status = replaceWholeFile(file, QStringLiteral("new\r\n"));
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::ReadOnlyFile);
    QCOMPARE(appendToFile(file, QStringLiteral("more\r\n")).reason, FileReason::ReadOnlyFile);
    QCOMPARE(bytesOf(file), QByteArray("old\r\n"));
    QCOMPARE(QFileInfo(file).permissions() & QFile::WriteOwner, QFileDevice::Permissions());
    // A writable one keeps its own mode through the replacement.
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(replaceWholeFile(file, QStringLiteral("new\r\n")).ok());
    QCOMPARE(bytesOf(file), QByteArray("new\r\n"));
    QCOMPARE(QFileInfo(file).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
}

void TestFileStore::systemErrorsHaveReasons_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<int>("reason");
    QTest::newRow("ENOSPC") << ENOSPC << int(FileReason::DiskFull);
    QTest::newRow("EDQUOT") << EDQUOT << int(FileReason::DiskFull);
    QTest::newRow("EACCES") << EACCES << int(FileReason::PermissionDenied);
    QTest::newRow("EPERM") << EPERM << int(FileReason::PermissionDenied);
    QTest::newRow("EROFS") << EROFS << int(FileReason::ReadOnlyFileSystem);
    QTest::newRow("EISDIR") << EISDIR << int(FileReason::IsFolder);
    QTest::newRow("EIO") << EIO << int(FileReason::InputOutput);
    QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << int(FileReason::NameTooLong);
    QTest::newRow("ENOENT") << ENOENT << int(FileReason::NotFound);
    // Without a reason of its own the system's words come with the fault.
    QTest::newRow("EXDEV") << EXDEV << int(FileReason::Other);
    QTest::newRow("unknown") << 4242 << int(FileReason::Other);
}

void TestFileStore::systemErrorsHaveReasons()
{
    QFETCH(int, systemError);
    QFETCH(int, reason);
    QCOMPARE(int(reasonForSystemError(systemError)), reason);
    FileSystemCalls calls = FileSystemCalls::system();
    calls.write = [systemError](int, const char*, std::size_t) -> long {
        errno = systemError;
        return -1;
    };
    const FileStatus status = replaceWholeFile(path("ujhold.txt"), QStringLiteral("x"), calls);
    QCOMPARE(status.error, FileError::NotWritable);
    QCOMPARE(status.fileName, QStringLiteral("ujhold.txt"));
    QCOMPARE(int(status.reason), reason);
    QCOMPARE(status.systemError, systemError);
    const QString systemText = QString::fromLocal8Bit(std::strerror(systemError));
    QCOMPARE(status.detail, reason == int(FileReason::Other) ? systemText : QString());
    QVERIFY(!QFileInfo::exists(path("ujhold.txt")));
}

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_filestore.moc"
