// Replacing and appending to data files: every byte checked and synced
// before a file takes its new text. QSaveFile is not used: in Qt 6.4 its
// commit() reports success after a failed flush (QTBUG-75077), and a full
// disk would leave a cut file under the old name.
#include "datafiles.h"

#include "fileaccess.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavik {

// The shared helpers of reading and writing, by their own names.
using namespace detail;

namespace {

// Why a file could not be opened for writing: the folder, where it tells why;
// otherwise what the system said.
FileStatus writeFailure(const QString& path, const QString& target, int systemError)
{
    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo(folder).isDir())
        return folderFailure(path, folder);
    if (QFileInfo(target).isDir())
        return failure(FileError::NotWritable, path, FileReason::IsFolder);
    return systemFailure(FileError::NotWritable, path, systemError);
}

// Writes every byte, or gives the reason why not (0 when all went).
int writeAll(int fd, QByteArrayView bytes, const FileSystemCalls& calls)
{
    const char* data = bytes.data();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const long n = calls.write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;   // nothing more fits
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

int syncFile(int fd, const FileSystemCalls& calls)
{
    while (calls.fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

// The file a write goes to: a link is followed, so that the link itself stays.
QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;   // a link to a file not yet made
}

// A target that exists but may not be written as a data file: a folder, a
// device, a FIFO. It is left as it is.
std::optional<FileStatus> refusedTarget(const QString& path, const QString& target)
{
    struct stat st {};
    if (::stat(nativePath(target).constData(), &st) != 0) {
        // Not there yet is fine; a link loop or a closed folder on the way is not.
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return systemFailure(FileError::NotWritable, path, errno);
    }
    if (S_ISDIR(st.st_mode))
        return failure(FileError::NotWritable, path, FileReason::IsFolder);
    if (!S_ISREG(st.st_mode))
        return failure(FileError::NotWritable, path, FileReason::NotRegularFile);
    return std::nullopt;
}

QString temporaryPrefix(const QString& fileName)
{
    return u'.' + fileName + QStringLiteral(".tavik-");
}

// Makes a renamed file's new name last: the folder's entry is synced as well.
// A file system that cannot sync folders has nothing more to do.
void syncFolder(const QString& folder)
{
    const Descriptor fd(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

// The umask can only be read by setting it, and while it is 0 a file that
// another thread makes is open to everyone. So it is read once, before main()
// starts any thread.
const mode_t startupUmask = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

mode_t newFileMode() { return 0666 & ~startupUmask; }

// The new file takes the old one's owner, group and mode (in that order: a
// change of owner clears the set-id bits). Only root may give a file away; an
// ordinary user's new file is theirs, as any file they make.
int keepOwnerAndMode(int fd, const struct stat* old)
{
    if (old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
        && ::fchown(fd, old->st_uid, old->st_gid) != 0 && (errno != EPERM || ::geteuid() == 0))
        return errno;
    if (::fchmod(fd, old ? (old->st_mode & 07777) : newFileMode()) != 0)
        return errno;
    return 0;
}

// What replacing and appending both begin with.
struct WriteStart {
    FileStatus status;   // a failure when the write may not even begin
    QByteArray bytes;    // the text in Windows-1250
    QString target;      // the file written: a link is followed
};

// The bytes to write and the file they go to; or the characters that do not
// fit, or a target that is no regular file.
WriteStart startWrite(const QString& path, const QString& text)
{
    WriteStart start{FileStatus{FileError::None, QFileInfo(path).fileName(), {}}, {}, {}};
    QString unencodable;
    std::optional<QByteArray> bytes = encodeWindows1250(text, &unencodable);
    if (!bytes) {
        start.status = failure(FileError::Unencodable, path, unencodable);
        return start;
    }
    start.bytes = std::move(*bytes);
    start.target = writeTarget(path);
    if (std::optional<FileStatus> refused = refusedTarget(path, start.target))
        start.status = *refused;
    return start;
}

}  // namespace

FileReason reasonForSystemError(int error) noexcept
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return FileReason::DiskFull;
    case EACCES:
    case EPERM: return FileReason::PermissionDenied;
    case EROFS: return FileReason::ReadOnlyFileSystem;
    case EISDIR: return FileReason::IsFolder;
    case EIO: return FileReason::InputOutput;
    case ENAMETOOLONG: return FileReason::NameTooLong;
    case ELOOP: return FileReason::LinkLoop;
    case ENOENT: return FileReason::NotFound;
    case ENXIO:
    case ENODEV: return FileReason::NotRegularFile;
    default: return FileReason::Other;
    }
}

FileSystemCalls FileSystemCalls::system()
{
    FileSystemCalls calls;
    calls.open = [](const char* path, int flags, unsigned mode) {
        return ::open(path, flags, static_cast<mode_t>(mode));
    };
    calls.write = [](int fd, const char* data, std::size_t size) -> long {
        return ::write(fd, data, size);
    };
    calls.fsync = [](int fd) { return ::fsync(fd); };
    calls.makeTemporary = [](char* pattern) { return ::mkostemp(pattern, O_CLOEXEC); };
    calls.rename = [](const char* from, const char* to) { return ::rename(from, to); };
    return calls;
}

QString temporaryFilePattern()
{
    return temporaryPrefix(QStringLiteral("*")) + QString::number(::getpid())
           + QStringLiteral("-??????");
}

FileStatus replaceWholeFile(const QString& path, const QString& text, const FileSystemCalls& calls)
{
    QString unencodable;
    const std::optional<QByteArray> bytes = encodeWindows1250(text, &unencodable);
    if (!bytes)
        return failure(FileError::Unencodable, path, unencodable);
    return replaceWholeFileBytes(path, *bytes, calls);
}

FileStatus replaceWholeFileBytes(const QString& path, QByteArrayView bytes, const FileSystemCalls& calls)
{
    bool given = false;
    return replaceWholeFileStreamed(
        path,
        [&]() -> QByteArrayView {
            if (given)
                return {};
            given = true;
            return bytes.isEmpty() ? QByteArrayView() : bytes;
        },
        calls);
}

FileStatus replaceWholeFileStreamed(const QString& path, const std::function<QByteArrayView()>& nextPiece,
                                    const FileSystemCalls& calls)
{
    return replaceWholeFileStreamed(path, nextPiece, {}, calls);
}

FileStatus replaceWholeFileStreamed(const QString& path, const std::function<QByteArrayView()>& nextPiece,
                                    const std::function<FileStatus()>& beforeRename, const FileSystemCalls& calls)
{
    WriteStart start{FileStatus{FileError::None, QFileInfo(path).fileName(), {}}, {}, writeTarget(path)};
    if (std::optional<FileStatus> refused = refusedTarget(path, start.target))
        return *refused;
    const QString& target = start.target;
    // A file that nobody may write is not replaced, not even by root.
    struct stat old {};
    const bool existed = ::stat(nativePath(target).constData(), &old) == 0;
    if (existed && (old.st_mode & 0222) == 0)
        return failure(FileError::NotWritable, path, FileReason::ReadOnlyFile);
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    if (QFileInfo(folder).isDir())
        removeStaleTemporaries(folder, targetInfo.fileName());

    QByteArray temporary = nativePath(folder + u'/' + temporaryPrefix(targetInfo.fileName())
                                      + QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    Descriptor fd(calls.makeTemporary(temporary.data()));
    if (!fd.valid()) {
        const int error = errno;
        // The folder takes no new file, but the file itself may be writable:
        // writing it in place could leave half a text behind, so it is not done.
        if ((error == EACCES || error == EPERM) && ::access(nativePath(target).constData(), W_OK) == 0)
            return failure(FileError::NotWritable, path, FileReason::FolderNotWritable);
        return writeFailure(path, target, error);
    }
    auto fail = [&](int error) {
        fd.reset();
        ::unlink(temporary.constData());
        FileStatus failed = systemFailure(FileError::NotWritable, path, error);
        return failed;
    };
    if (const int error = keepOwnerAndMode(fd.get(), existed ? &old : nullptr))
        return fail(error);
    for (QByteArrayView piece = nextPiece(); !piece.isEmpty(); piece = nextPiece()) {
        if (const int error = writeAll(fd.get(), piece, calls))
            return fail(error);
    }
    if (const int error = syncFile(fd.get(), calls))
        return fail(error);
    if (const int error = fd.reset())
        return fail(error);
    if (beforeRename) {
        if (FileStatus last = beforeRename(); !last.ok()) {
            ::unlink(temporary.constData());
            return last;
        }
    }
    if (calls.rename(temporary.constData(), nativePath(target).constData()) != 0)
        return fail(errno);
    syncFolder(folder);
    return start.status;
}

namespace {

// Opens the file to append to, locked against the other copies of the
// program. A copy whose append created the file and then failed removes it
// while it holds the lock; whoever waited for that lock opens the name again.
FileStatus openLocked(const QString& path, const QString& target, const FileSystemCalls& calls,
                      Descriptor& fd, struct stat& st, bool& created)
{
    const QByteArray native = nativePath(target);
    for (int attempt = 0; attempt < 8; ++attempt) {
        created = false;
        fd.reset();
        int raw = openRegularFile(calls, native, O_WRONLY | O_APPEND, &st);
        if (raw < 0 && errno == ENOENT) {
            raw = openRegularFile(calls, native, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, &st, 0666);
            created = raw >= 0;
            if (raw < 0 && errno == EEXIST)   // another copy made it just now
                continue;
        }
        if (raw < 0)
            return writeFailure(path, target, errno);
        fd.reset(raw);
        while (::flock(fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return systemFailure(FileError::NotWritable, path, errno);
        }
        if (::fstat(fd.get(), &st) != 0)
            return systemFailure(FileError::NotWritable, path, errno);
        if (st.st_nlink > 0)
            return FileStatus{FileError::None, QFileInfo(path).fileName(), {}};
    }
    return systemFailure(FileError::NotWritable, path, ENOENT);
}

// Takes a failed append back while the lock is still held: the file goes
// back to its length before, or away when it was made for this entry alone.
void takeBack(const Descriptor& fd, const struct stat& before, bool created, const QByteArray& native)
{
    if (::ftruncate(fd.get(), before.st_size) != 0 || !created || before.st_size != 0)
        return;
    struct stat now {};
    if (::stat(native.constData(), &now) == 0 && now.st_dev == before.st_dev && now.st_ino == before.st_ino)
        ::unlink(native.constData());
}

// The error a close would give (a network disk reports a failed write only
// then), from a second descriptor, so that the first one keeps the lock.
int closeError(const Descriptor& fd)
{
    Descriptor copy(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
    if (!copy.valid())
        return errno;
    return copy.reset();
}

}  // namespace

FileStatus appendToFile(const QString& path, const QString& text, const FileSystemCalls& calls)
{
    const WriteStart start = startWrite(path, text);
    if (!start.status.ok())
        return start.status;
    Descriptor fd;
    struct stat before {};
    bool created = false;
    const FileStatus opened = openLocked(path, start.target, calls, fd, before, created);
    if (!opened.ok())
        return opened;
    // Refused for root too, as a whole-file save refuses it.
    if ((before.st_mode & 0222) == 0)
        return failure(FileError::NotWritable, path, FileReason::ReadOnlyFile);
    int error = writeAll(fd.get(), start.bytes, calls);
    if (!error)
        error = syncFile(fd.get(), calls);
    if (!error)
        error = closeError(fd);
    if (!error)
        return start.status;
    takeBack(fd, before, created, nativePath(start.target));
    return systemFailure(FileError::NotWritable, path, error);
}

namespace detail {

int openRegularFile(const FileSystemCalls& calls, const QByteArray& path, int flags, struct stat* st,
                    unsigned mode)
{
    Descriptor fd(calls.open(path.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode));
    if (!fd.valid())
        return -1;
    if (::fstat(fd.get(), st) != 0)
        return -1;
    if (!S_ISREG(st->st_mode)) {
        errno = S_ISDIR(st->st_mode) ? EISDIR : ENXIO;
        return -1;
    }
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status < 0 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) != 0)
        return -1;
    return fd.release();
}

FileStatus folderFailure(const QString& path, const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return failure(FileError::NotWritable, path, FileReason::NotAFolder, QDir::toNativeSeparators(folder));
    // The nearest folder above that is there tells why this one is not: a file
    // in the way, or a folder that takes no new folder.
    QString missing = folder;
    QString above = QFileInfo(missing).absolutePath();
    while (above != missing && !QFileInfo::exists(above)) {
        missing = above;
        above = QFileInfo(missing).absolutePath();
    }
    if (!QFileInfo(above).isDir())
        return failure(FileError::NotWritable, path, FileReason::NotAFolder, QDir::toNativeSeparators(above));
    if (::access(nativePath(above).constData(), W_OK | X_OK) != 0) {
        FileStatus status = errno == EROFS ? systemFailure(FileError::NotWritable, path, EROFS)
                                           : failure(FileError::NotWritable, path, FileReason::FolderNotCreatable);
        status.detail = QDir::toNativeSeparators(missing);
        return status;
    }
    return failure(FileError::NotWritable, path, FileReason::FolderMissing, QDir::toNativeSeparators(folder));
}

}  // namespace detail

std::optional<KeptFile> keepFile(const QString& path, qint64 maxBytes, FileStatus& status)
{
    // Where no regular file stands, the write itself tells what is there.
    if (!QFileInfo(path).isFile())
        return KeptFile{path, std::nullopt};
    FileRead<QByteArray> old = readFileBytes(path, maxBytes);
    if (!old.ok()) {
        status = old.status;
        return std::nullopt;
    }
    return KeptFile{path, std::move(old.value)};
}

FileStatus KeptFile::putBack() const
{
    if (bytes)
        return replaceWholeFileBytes(path, *bytes);
    if (::unlink(nativePath(path).constData()) != 0 && errno != ENOENT)
        return detail::systemFailure(FileError::NotWritable, path, errno);
    return FileStatus{};
}

}  // namespace tavik
