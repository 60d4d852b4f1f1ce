#include "datafiles.h"

#include "codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <cstring>

namespace tavik {

namespace {

FileStatus failure(FileError error, const QString& path, const QString& detail = {})
{
    return FileStatus{error, QFileInfo(path).fileName(), detail};
}

// Why a file could not be written, in the user's words where the folder tells
// it; otherwise the system's own reason.
QString writeFailureReason(const QString& path, const QString& systemReason)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QStringLiteral("A mappa nem létezik: ") + QDir::toNativeSeparators(folder.filePath());
    if (!folder.isDir())
        return QStringLiteral("Nem mappa: ") + QDir::toNativeSeparators(folder.filePath());
    if (QFileInfo(path).isDir())
        return QStringLiteral("Ezen a néven mappa van.");
    return systemReason;
}

FileStatus notWritable(const QString& path, const QFileDevice& file)
{
    return failure(FileError::NotWritable, path, writeFailureReason(path, file.errorString()));
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

// The whole file, or why not.
FileRead<QByteArray> readBytes(const QString& path)
{
    FileRead<QByteArray> out;
    if (!dataFileExists(path)) {
        out.status = failure(FileError::Missing, path);
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.status = failure(FileError::NotReadable, path, file.errorString());
        return out;
    }
    out.value = file.readAll();
    if (file.error() != QFileDevice::NoError)
        out.status = failure(FileError::NotReadable, path, file.errorString());
    else
        out.status.fileName = QFileInfo(path).fileName();
    return out;
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

// How a number written in digits is read aloud begins: "egy" (1), "öt" (5),
// "ezer" (1000) with a vowel, most others with a consonant.
bool digitsStartWithVowel(QStringView digits)
{
    qsizetype n = 0;
    while (n < digits.size() && digits.at(n).isDigit())
        ++n;
    digits = digits.left(n);
    if (digits.isEmpty() || digits.at(0) == u'0')
        return false;   // "nulla"
    const qsizetype lead = (digits.size() - 1) % 3 + 1;
    const int group = digits.left(lead).toInt();
    if (group == 1 && digits.size() >= 4 && digits.size() <= 6)
        return lead == 1;   // "ezer" for 1xxx, "tízezer"/"százezer" otherwise
    return group == 1 || group == 5 || (group >= 50 && group <= 59)
           || (group >= 500 && group <= 599);
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

FileStatus replaceWholeFile(const QString& path, const QString& text)
{
    FileStatus status{FileError::None, QFileInfo(path).fileName(), {}};
    const std::optional<QByteArray> bytes = encodeFor(path, text, status);
    if (!bytes)
        return status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return notWritable(path, file);
    if (file.write(*bytes) != bytes->size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(FileError::NotWritable, path, reason);
    }
    if (!file.commit())
        return notWritable(path, file);
    return status;
}

FileStatus appendToFile(const QString& path, const QString& text)
{
    FileStatus status{FileError::None, QFileInfo(path).fileName(), {}};
    const std::optional<QByteArray> bytes = encodeFor(path, text, status);
    if (!bytes)
        return status;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return notWritable(path, file);
    if (file.write(*bytes) != bytes->size() || !file.flush())
        return notWritable(path, file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return notWritable(path, file);
    return status;
}

QString describeFileFault(const FileStatus& status)
{
    QString what;
    switch (status.error) {
    case FileError::None: return {};
    case FileError::Missing: what = QStringLiteral("NEM található!"); break;
    case FileError::NotReadable: what = QStringLiteral("NEM olvasható!"); break;
    case FileError::NotWritable: what = QStringLiteral("NEM menthető!"); break;
    case FileError::Unencodable:
        what = QStringLiteral("NEM menthető! Ezeket a karaktereket nem lehet benne tárolni: ")
               + status.detail;
        break;
    }
    QString text = hungarianArticle(status.fileName) + QStringLiteral(" '") + status.fileName + QStringLiteral("' fájl ") + what;
    if (status.error != FileError::Unencodable && !status.detail.isEmpty())
        text += u'\n' + status.detail;
    return text;
}

QString hungarianArticle(const QString& word, bool capital)
{
    static const QString vowels = QStringLiteral("aeiouáéíóöőúüű");
    bool vowel = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c.isDigit()) {
            vowel = digitsStartWithVowel(QStringView(word).sliced(i));
            break;
        }
        if (c.isLetter()) {
            vowel = vowels.contains(c.toLower());
            break;
        }
    }
    if (vowel)
        return capital ? QStringLiteral("Az") : QStringLiteral("az");
    return capital ? QStringLiteral("A") : QStringLiteral("a");
}

}  // namespace tavik
