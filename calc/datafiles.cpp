#include "datafiles.h"

#include "codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavik {

namespace {

FileStatus failure(FileError error, const QString& path, const QString& detail = {})
{
    return FileStatus{error, QFileInfo(path).fileName(), detail};
}

FileStatus failure(FileError error, const QString& path, FileReason reason, const QString& detail = {})
{
    FileStatus status = failure(error, path, detail);
    status.reason = reason;
    return status;
}

// A failed system call: the reason where one fits, else the system's own text.
FileStatus systemFailure(FileError error, const QString& path, int systemError)
{
    FileStatus status = failure(error, path, reasonForSystemError(systemError));
    status.systemError = systemError;
    if (status.reason == FileReason::Other)
        status.detail = QString::fromLocal8Bit(std::strerror(systemError));
    return status;
}

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

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) noexcept : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    int get() const noexcept { return m_fd; }
    bool valid() const noexcept { return m_fd >= 0; }
    // Closes now; the close's own error, which a network disk may give, or 0.
    int reset() noexcept
    {
        int error = 0;
        if (m_fd >= 0 && ::close(m_fd) != 0 && errno != EINTR)
            error = errno;
        m_fd = -1;
        return error;
    }

private:
    int m_fd;
};

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

// The whole file, or why not.
FileRead<QByteArray> readBytes(const QString& path)
{
    FileRead<QByteArray> out;
    if (!dataFileExists(path)) {
        out.status = failure(FileError::Missing, path);
        return out;
    }
    const Descriptor fd(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        out.status = systemFailure(FileError::NotReadable, path, errno);
        return out;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && st.st_size > 0)
        out.value.reserve(static_cast<qsizetype>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            out.value.clear();
            out.status = systemFailure(FileError::NotReadable, path, errno);
            return out;
        }
        out.value.append(buffer, n);
    }
    out.status.fileName = QFileInfo(path).fileName();
    return out;
}

QString decodeWith(TextEncoding encoding, QByteArrayView bytes)
{
    switch (encoding) {
    case TextEncoding::Ascii: return QString::fromLatin1(bytes);
    case TextEncoding::Utf8: {
        // The file's own byte-order mark is gone by now; QString::fromUtf8 would
        // drop one more at the start of each line, but there it is text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                      | QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    case TextEncoding::Windows1250: break;
    }
    return fromWindows1250(bytes);
}

// The bytes to write, or the status that says which characters do not fit.
std::optional<QByteArray> encodeFor(const QString& path, const QString& text, FileStatus& status)
{
    QString unencodable;
    std::optional<QByteArray> bytes = encodeWindows1250(text, &unencodable);
    if (!bytes)
        status = failure(FileError::Unencodable, path, unencodable);
    return bytes;
}

}  // namespace

QString dataFilePath(const QString& dataDir, const QString& fileName)
{
    const QDir dir(dataDir);
    const QString exact = dir.filePath(fileName);
    if (QFileInfo::exists(exact) || fileName.contains(u'/'))
        return exact;
    const QStringList entries =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    QString found;
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) != 0)
            continue;
        if (dataFileExists(dir.filePath(entry)))
            return dir.filePath(entry);
        if (found.isEmpty())
            found = dir.filePath(entry);
    }
    return found.isEmpty() ? exact : found;
}

bool dataFileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(u'.') && !info.isHidden();
}

QString decodeDataText(QByteArrayView bytes)
{
    const TextEncoding encoding = detectEncoding(bytes);
    if (hasUtf8Bom(bytes))
        bytes = bytes.sliced(3);
    return decodeWith(encoding, bytes);
}

std::optional<QByteArray> encodeWindows1250(const QString& text, QString* unencodable)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    QString bad;
    QSet<char32_t> seen;
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = windows1250Byte(p[i]);
        if (b >= 0) {
            out[i] = static_cast<char>(b);
            continue;
        }
        char32_t cp = p[i];
        QString piece{QChar(p[i])};
        if (QChar::isHighSurrogate(p[i]) && i + 1 < text.size() && QChar::isLowSurrogate(p[i + 1])) {
            cp = QChar::surrogateToUcs4(p[i], p[i + 1]);
            piece += QChar(p[++i]);
        }
        if (!seen.contains(cp)) {
            seen.insert(cp);
            bad += piece;
        }
    }
    if (unencodable)
        *unencodable = bad;
    if (!bad.isEmpty())
        return std::nullopt;
    return out;
}

QStringList splitDataLines(const QString& text)
{
    QStringList lines;
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        const qsizetype cr = all.indexOf(u'\r', start);
        if (cr < 0) {
            lines.append(all.sliced(start).toString());
            break;
        }
        lines.append(all.sliced(start, cr - start).toString());
        start = cr + 1;
        if (start < all.size() && all.at(start) == u'\n')
            ++start;
    }
    return lines;
}

QStringList decodeDataLines(QByteArrayView all)
{
    QStringList lines;
    const TextEncoding encoding = detectEncoding(all);
    if (hasUtf8Bom(all))
        all = all.sliced(3);
    // CR is the same byte in both encodings and never part of a UTF-8 sequence,
    // so the bytes can be split before they are decoded.
    const char* data = all.data();
    const qsizetype size = all.size();
    lines.reserve(all.count('\r') + 1);
    qsizetype start = 0;
    while (start < size) {
        const void* hit = std::memchr(data + start, '\r', static_cast<size_t>(size - start));
        if (!hit) {
            lines.append(decodeWith(encoding, all.sliced(start)));
            break;
        }
        const qsizetype cr = static_cast<const char*>(hit) - data;
        lines.append(decodeWith(encoding, all.sliced(start, cr - start)));
        start = cr + 1;
        if (start < size && data[start] == '\n')
            ++start;
    }
    return lines;
}

FileRead<QStringList> readLines(const QString& path)
{
    FileRead<QStringList> out;
    const FileRead<QByteArray> bytes = readBytes(path);
    out.status = bytes.status;
    if (bytes.ok())
        out.value = decodeDataLines(bytes.value);
    return out;
}

FileRead<QString> readWholeFile(const QString& path)
{
    FileRead<QString> out;
    const FileRead<QByteArray> bytes = readBytes(path);
    out.status = bytes.status;
    if (bytes.ok())
        out.value = decodeDataText(bytes.value);
    return out;
}

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
    FileStatus status{FileError::None, QFileInfo(path).fileName(), {}};
    const std::optional<QByteArray> bytes = encodeFor(path, text, status);
    if (!bytes)
        return status;
    const QString target = writeTarget(path);
    if (std::optional<FileStatus> refused = refusedTarget(path, target))
        return *refused;
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
    if (const int error = writeAll(fd.get(), *bytes, calls))
        return fail(error);
    if (const int error = syncFile(fd.get(), calls))
        return fail(error);
    if (const int error = fd.reset())
        return fail(error);
    if (calls.rename(temporary.constData(), nativePath(target).constData()) != 0)
        return fail(errno);
    syncFolder(folder);
    return status;
}

FileStatus appendToFile(const QString& path, const QString& text, const FileSystemCalls& calls)
{
    FileStatus status{FileError::None, QFileInfo(path).fileName(), {}};
    const std::optional<QByteArray> bytes = encodeFor(path, text, status);
    if (!bytes)
        return status;
    const QString target = writeTarget(path);
    if (std::optional<FileStatus> refused = refusedTarget(path, target))
        return *refused;
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
    int error = writeAll(fd.get(), *bytes, calls);
    if (!error)
        error = syncFile(fd.get(), calls);
    if (!error) {
        error = fd.reset();
        if (!error)
            return status;
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
