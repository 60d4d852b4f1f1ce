// Replacing and appending to data files: every byte checked and synced
// before a file takes its new text.
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
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.exists())
        return failure(FileError::NotWritable, path, FileReason::FolderMissing,
                       QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return failure(FileError::NotWritable, path, FileReason::NotAFolder,
                       QDir::toNativeSeparators(folder.filePath()));
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
    if (::stat(nativePath(target).constData(), &st) != 0)
        return std::nullopt;
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

// A temporary file left by a copy of the program that was killed while it
// saved: its process is gone (or it is this one, which has no save running).
bool isStaleTemporary(const QString& name)
{
    static const QString marker = QStringLiteral(".tavik-");
    const qsizetype at = name.lastIndexOf(marker);
    if (!name.startsWith(u'.') || at <= 1)
        return false;
    const QStringView rest = QStringView(name).sliced(at + marker.size());
    const qsizetype dash = rest.indexOf(u'-');
    if (dash <= 0 || rest.size() - dash - 1 != 6)
        return false;
    bool number = false;
    const qint64 pid = rest.left(dash).toLongLong(&number);
    if (!number || pid <= 0)
        return false;
    if (pid == ::getpid())
        return true;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void removeStaleTemporaries(const QString& folder)
{
    QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*.tavik-*-??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (isStaleTemporary(name))
            dir.remove(name);
    }
}

// Makes a renamed file's new name last: the folder's entry is synced as well.
// A file system that cannot sync folders has nothing more to do.
void syncFolder(const QString& folder)
{
    const Descriptor fd(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

mode_t newFileMode()
{
    // The umask can only be read by setting it; nothing else creates files at
    // this moment.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
    case ENOENT: return FileReason::NotFound;
    case ENXIO:
    case ENODEV: return FileReason::NotRegularFile;
    default: return FileReason::Other;
    }
}

FileSystemCalls FileSystemCalls::system()
{
    FileSystemCalls calls;
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
    WriteStart start{FileStatus{FileError::None, QFileInfo(path).fileName(), {}}, {}, writeTarget(path)};
    if (std::optional<FileStatus> refused = refusedTarget(path, start.target))
        return *refused;
    const QString& target = start.target;
    // The new file keeps the old one's permissions; a new file gets the usual
    // ones. A file that nobody may write is not replaced, not even by root.
    struct stat old {};
    const bool existed = ::stat(nativePath(target).constData(), &old) == 0;
    if (existed && (old.st_mode & 0222) == 0)
        return failure(FileError::NotWritable, path, FileReason::ReadOnlyFile);
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    if (QFileInfo(folder).isDir())
        removeStaleTemporaries(folder);

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
    ::fchmod(fd.get(), existed ? (old.st_mode & 07777) : newFileMode());
    if (const int error = writeAll(fd.get(), bytes, calls))
        return fail(error);
    if (const int error = syncFile(fd.get(), calls))
        return fail(error);
    if (const int error = fd.reset())
        return fail(error);
    if (calls.rename(temporary.constData(), nativePath(target).constData()) != 0)
        return fail(errno);
    syncFolder(folder);
    return start.status;
}

FileStatus appendToFile(const QString& path, const QString& text, const FileSystemCalls& calls)
{
    const WriteStart start = startWrite(path, text);
    if (!start.status.ok())
        return start.status;
    const QString& target = start.target;
    const QByteArray native = nativePath(target);
    bool created = false;
    int raw = ::open(native.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (raw < 0 && errno == ENOENT) {
        raw = ::open(native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = raw >= 0;
        if (raw < 0 && errno == EEXIST)   // another copy made it just now
            raw = ::open(native.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    if (raw < 0)
        return writeFailure(path, target, errno);
    Descriptor fd(raw);
    // Two copies of the program append one after the other, so the length
    // taken here is the one to go back to.
    ::flock(fd.get(), LOCK_EX);
    struct stat before {};
    if (::fstat(fd.get(), &before) != 0)
        return systemFailure(FileError::NotWritable, path, errno);
    int error = writeAll(fd.get(), start.bytes, calls);
    if (!error)
        error = syncFile(fd.get(), calls);
    if (!error) {
        error = fd.reset();
        if (!error)
            return start.status;
    }
    if (created)
        ::unlink(native.constData());
    else if (fd.valid())
        ::ftruncate(fd.get(), before.st_size);
    else
        ::truncate(native.constData(), before.st_size);
    return systemFailure(FileError::NotWritable, path, error);
}

}  // namespace tavik
