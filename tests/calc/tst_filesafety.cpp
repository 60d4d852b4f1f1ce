// Data files under races, odd owners and odd files in their place: links,
// FIFOs and devices, a FIFO swapped in between a look and an open, a second copy waiting on the lock, a
// file of another user, a link loop, a sparse file of 100 GB.
#include "datafiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
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

// Runs work in a child process: its exit code, or -1 when it still hangs
// after two seconds (it is killed then).
int exitCodeWithin2s(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    for (int waited = 0; waited < 200; ++waited) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
        ::usleep(10'000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
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
    void anotherUsersFileKeepsOwnerAndMode();
    void aLinkLoopIsRefused_data();
    void aLinkLoopIsRefused();
    void aHugeFileIsRefusedUnread();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestFileSafety::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// A data file that is a link to a FIFO or a device is neither replaced by a
// regular file nor written into: it stays what it is, and reading it says so.
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
    const QStringList names{"cso", "ujhold.txt", "utolso.txt"};

    for (const QString& name : {QStringLiteral("ujhold.txt"), QStringLiteral("cso"), QStringLiteral("utolso.txt")}) {
        const FileStatus status = replace ? replaceWholeFile(path(name), QStringLiteral("x\r\n"))
                                          : appendToFile(path(name), QStringLiteral("x\r\n"));
        QCOMPARE(status.error, FileError::NotWritable);
        QCOMPARE(status.reason, FileReason::NotRegularFile);
        QCOMPARE(status.fileName, name);
        const FileStatus read = readWholeFile(path(name)).status;
        QCOMPARE(read.error, FileError::NotReadable);
        QCOMPARE(read.reason, FileReason::NotRegularFile);
    }
    QCOMPARE(QFileInfo(viaLink).symLinkTarget(), fifo);
    QCOMPARE(QFileInfo(path("utolso.txt")).symLinkTarget(), QStringLiteral("/dev/null"));
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
    const int code = exitCodeWithin2s([&] {
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

// A shared data folder or an administrator saving for a user: the saved file
// stays the user's, with its mode.
void TestFileSafety::anotherUsersFileKeepsOwnerAndMode()
{
    if (::geteuid() != 0)
        QSKIP("only root can make a file of another user");
    const QString file = path("jegyzetek.txt");
    QVERIFY(writeBytes(file, "old\r\n"));
    const QByteArray native = QFile::encodeName(file);
    QCOMPARE(::chown(native.constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(native.constData(), 0640), 0);
    QVERIFY(replaceWholeFile(file, QStringLiteral("új\r\n")).ok());
    QCOMPARE(bytesOf(file), QByteArray("\xfaj\r\n"));
    struct stat st {};
    QCOMPARE(::stat(native.constData(), &st), 0);
    QCOMPARE(st.st_uid, uid_t(65534));
    QCOMPARE(st.st_gid, gid_t(65534));
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void TestFileSafety::aLinkLoopIsRefused_data()
{
    QTest::addColumn<int>("operation");   // 0 replace, 1 append, 2 read
    QTest::newRow("replace") << 0;
    QTest::newRow("append") << 1;
    QTest::newRow("read") << 2;
}

void TestFileSafety::aLinkLoopIsRefused()
{
    QFETCH(int, operation);
    const QString file = path("utolso.txt");
    QVERIFY(QFile::link(path("masik"), file));
    QVERIFY(QFile::link(file, path("masik")));
    const FileStatus status = operation == 0 ? replaceWholeFile(file, QStringLiteral("x\r\n"))
                              : operation == 1 ? appendToFile(file, QStringLiteral("x\r\n"))
                                               : readWholeFile(file, kMaxRecordBytes).status;
    QCOMPARE(status.error, operation == 2 ? FileError::NotReadable : FileError::NotWritable);
    QCOMPARE(status.reason, FileReason::LinkLoop);
    QCOMPARE(status.fileName, QStringLiteral("utolso.txt"));
    QCOMPARE(QFileInfo(file).symLinkTarget(), path("masik"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::System | QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"masik", "utolso.txt"}));
}

// Reading a list of 100 GB whole would end the program; it takes no room on
// the disk as a sparse file.
void TestFileSafety::aHugeFileIsRefusedUnread()
{
    const QString list = path("ujholdak.txt");
    QVERIFY(writeBytes(list, "2024.01.11 12:57\r\n"));
    QVERIFY(QFile::resize(list, qint64(100) << 30));
    const FileRead<QStringList> read = readLines(list);
    QCOMPARE(read.status.error, FileError::NotReadable);
    QCOMPARE(read.status.reason, FileReason::TooLarge);
    QCOMPARE(read.status.fileName, QStringLiteral("ujholdak.txt"));
    QCOMPARE(read.status.detail, QString::number(kMaxListBytes));
    QVERIFY(read.value.isEmpty());
    // Just at the limit a file is read.
    QVERIFY(QFile::resize(list, kMaxListBytes));
    QCOMPARE(readLines(list).value.first(), QStringLiteral("2024.01.11 12:57"));
}

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
