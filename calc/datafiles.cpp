#include "datafiles.h"

#include "codepage.h"
#include "fileaccess.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavik {

// The shared helpers of reading and writing, by their own names.
using namespace detail;

namespace {

FileStatus tooLarge(const QString& path, qint64 maxBytes)
{
    return failure(FileError::NotReadable, path, FileReason::TooLarge, QString::number(maxBytes));
}

// The file opened for reading, or why not. Nothing there, a hidden file and a
// folder count as missing; a FIFO or a device is not a data file.
FileStatus openForReading(const QString& path, const FileSystemCalls& calls, Descriptor& fd, struct stat& st)
{
    const QFileInfo info(path);
    if (info.fileName().startsWith(u'.') || info.isHidden() || info.isDir())
        return failure(FileError::Missing, path);
    fd.reset(openRegularFile(calls, nativePath(path), O_RDONLY, &st));
    if (fd.valid())
        return failure(FileError::None, path);
    if (errno == ENOENT || errno == ENOTDIR || errno == EISDIR)
        return failure(FileError::Missing, path);
    return systemFailure(FileError::NotReadable, path, errno);
}

}  // namespace

FileRead<QByteArray> readFileBytes(const QString& path, qint64 maxBytes, const FileSystemCalls& calls)
{
    FileRead<QByteArray> out;
    Descriptor fd;
    struct stat st {};
    out.status = openForReading(path, calls, fd, st);
    if (!out.ok())
        return out;
    if (st.st_size > maxBytes) {
        out.status = tooLarge(path, maxBytes);
        return out;
    }
    out.value.reserve(static_cast<qsizetype>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || out.value.size() + n > maxBytes) {   // or it grew while being read
            out.status = n < 0 ? systemFailure(FileError::NotReadable, path, errno) : tooLarge(path, maxBytes);
            out.value = QByteArray();
            return out;
        }
        out.value.append(buffer, n);
    }
    return out;
}

namespace {

// The whole file as decode makes it into text, or why not.
template <class Decode>
auto readDecoded(const QString& path, qint64 maxBytes, const FileSystemCalls& calls, Decode decode)
{
    FileRead<decltype(decode(QByteArrayView()))> out;
    const FileRead<QByteArray> bytes = readFileBytes(path, maxBytes, calls);
    out.status = bytes.status;
    if (bytes.ok())
        out.value = decode(bytes.value);
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

FileRead<QStringList> readLines(const QString& path, qint64 maxBytes, const FileSystemCalls& calls)
{
    return readDecoded(path, maxBytes, calls, decodeDataLines);
}

FileRead<QString> readWholeFile(const QString& path, qint64 maxBytes, const FileSystemCalls& calls)
{
    return readDecoded(path, maxBytes, calls, decodeDataText);
}

}  // namespace tavik
