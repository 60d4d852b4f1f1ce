// Data files with odd things in their place or on their way: links, link
// loops, FIFOs and devices, a FIFO swapped in between a look and the open, a
// second copy waiting on the lock, a folder that cannot be made.
#include "datafiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavik;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs work in a child process (as nobody, when root runs the tests and
// asUser is set): its exit code, or -1 when it hung and the alarm ended it.
int inChild(const std::function<int()>& work, bool asUser = false)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(2);
        if (asUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

class TestFileSafety : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void devicesAndFifosAreLeftAlone_data();
    void devicesAndFifosAreLeftAlone();
    void aLinkToAFileStaysALink();
    void aFifoSwappedInIsNeverWaitedFor_data();
    void aFifoSwappedInIsNeverWaitedFor();
    void aCopyWaitingOnTheLockKeepsItsEntry();
    void aFolderThatCannotBeMadeSaysWhy_data();
    void aFolderThatCannotBeMadeSaysWhy();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestFileSafety::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// A data file that is a link to a FIFO, a device or round in a loop is neither
// replaced by a regular file nor written into: it stays what it is, and
// reading it says why.
void TestFileSafety::devicesAndFifosAreLeftAlone_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("append") << false;
}

void TestFileSafety::devicesAndFifosAreLeftAlone()
{
    QFETCH(bool, replace);
    const QString fifo = path("cso");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString viaLink = path("ujhold.txt");
    QVERIFY(QFile::link(fifo, viaLink));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), path("utolso.txt")));
    QVERIFY(QFile::link(path("hurok"), path("jegyzetek.txt")));
    QVERIFY(QFile::link(path("jegyzetek.txt"), path("hurok")));
    const QStringList names{"cso", "hurok", "jegyzetek.txt", "ujhold.txt", "utolso.txt"};

    for (const QString& name : names) {
        const FileReason reason = name.startsWith(u'h') || name.startsWith(u'j') ? FileReason::LinkLoop
                                                                                 : FileReason::NotRegularFile;
        const FileStatus status = replace ? replaceWholeFile(path(name), QStringLiteral("x\r\n"))
                                          : appendToFile(path(name), QStringLiteral("x\r\n"));
        QCOMPARE(status.error, FileError::NotWritable);
        QCOMPARE(status.reason, reason);
        QCOMPARE(status.fileName, name);
        const FileStatus read = readWholeFile(path(name)).status;
        QCOMPARE(read.error, FileError::NotReadable);
        QCOMPARE(read.reason, reason);
    }
    QCOMPARE(QFileInfo(viaLink).symLinkTarget(), fifo);
    QCOMPARE(QFileInfo(path("utolso.txt")).symLinkTarget(), QStringLiteral("/dev/null"));
    QCOMPARE(QFileInfo(path("jegyzetek.txt")).symLinkTarget(), path("hurok"));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    QCOMPARE(::stat("/dev/null", &st), 0);
    QVERIFY(S_ISCHR(st.st_mode));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::System | QDir::Files | QDir::Hidden, QDir::Name), names);
}

// A data file kept elsewhere through a link: saving writes the file it points
// to, and the link stays.
void TestFileSafety::aLinkToAFileStaysALink()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("elsewhere")));
    const QString real = path("elsewhere/jegyzetek.txt");
    QVERIFY(writeBytes(real, "old\r\n"));
    QVERIFY(QFile::link(real, path("jegyzetek.txt")));
    QVERIFY(replaceWholeFile(path("jegyzetek.txt"), QStringLiteral("new\r\n")).ok());
    QVERIFY(appendToFile(path("jegyzetek.txt"), QStringLiteral("more\r\n")).ok());
    QCOMPARE(QFileInfo(path("jegyzetek.txt")).symLinkTarget(), real);
    QCOMPARE(bytesOf(real), QByteArray("new\r\nmore\r\n"));
    QCOMPARE(QDir(path("elsewhere")).entryList(QDir::Files | QDir::Hidden), QStringList{"jegyzetek.txt"});
}

void TestFileSafety::aFifoSwappedInIsNeverWaitedFor_data()
{
    QTest::addColumn<bool>("append");
    QTest::newRow("read") << false;
    QTest::newRow("append") << true;
}

// The file is a regular one when its name is looked at; the seam puts a FIFO
// in its place just before the open. Nobody ever opens the other end.
void TestFileSafety::aFifoSwappedInIsNeverWaitedFor()
{
    QFETCH(bool, append);
    const QString file = path("szamitott.txt");
    QVERIFY(writeBytes(file, "first\r\n"));
    FileSystemCalls calls = FileSystemCalls::system();
    calls.open = [](const char* name, int flags, unsigned mode) {
        ::unlink(name);
        ::mkfifo(name, 0600);
        return ::open(name, flags, mode);
    };
    const int code = inChild([&] {
        const FileStatus status = append ? appendToFile(file, QStringLiteral("x\r\n"), calls)
                                         : readWholeFile(file, kMaxNoteBytes, calls).status;
        return status.error == FileError::None ? 100 : int(status.reason);
    });
    QCOMPARE(code, int(FileReason::NotRegularFile));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

// The append that made the log fails and removes it again; a second copy that
// opened the log meanwhile and waits for the lock must not write its entry
// into the removed file.
void TestFileSafety::aCopyWaitingOnTheLockKeepsItsEntry()
{
    const QString log = path("szamitott.txt");
    pid_t second = -1;
    FileSystemCalls failing = FileSystemCalls::system();
    failing.fsync = [&](int fd) {
        second = ::fork();
        if (second == 0) {
            ::close(fd);   // it shares the first copy's lock
            ::_exit(appendToFile(log, QStringLiteral("second\r\n")).ok() ? 0 : 1);
        }
        ::usleep(300'000);   // until the second copy waits for the lock
        errno = EIO;
        return -1;
    };
    QCOMPARE(appendToFile(log, QStringLiteral("first\r\n"), failing).reason, FileReason::InputOutput);
    QVERIFY(second > 0);
    int status = -1;
    QCOMPARE(::waitpid(second, &status, 0), second);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(bytesOf(log), QByteArray("second\r\n"));
}

void TestFileSafety::aFolderThatCannotBeMadeSaysWhy_data()
{
    QTest::addColumn<bool>("closed");
    QTest::newRow("a file in the way") << false;
    QTest::newRow("a folder closed to new folders") << true;
}

// The user's folder "tavik/Pic" is made on the first save; when it cannot be,
// the fault names what is in the way instead of calling the folder missing.
void TestFileSafety::aFolderThatCannotBeMadeSaysWhy()
{
    QFETCH(bool, closed);
    const QString tavik = path("tavik");
    if (!closed)
        QVERIFY(writeBytes(tavik, "not a folder"));
    const QFile::Permissions open = QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), closed ? open : open | QFile::WriteOwner));
    const int reason = inChild([&] {
        QDir().mkpath(path("tavik/Pic"));
        const FileStatus status = appendToFile(path("tavik/Pic/szamitott.txt"), QStringLiteral("x"));
        return status.detail == tavik ? int(status.reason) : 100;
    }, true);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(reason, int(closed ? FileReason::FolderNotCreatable : FileReason::NotAFolder));
}

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
