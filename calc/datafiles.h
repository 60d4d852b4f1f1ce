// The data folder "Pic" and its text files: Windows-1250 (or UTF-8 when a file
// is plainly UTF-8), CR LF line ends, replaced whole or appended to.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavik {

enum class FileError {
    None,
    Missing,        // no such file (hidden files count as missing)
    NotReadable,
    NotWritable,    // cannot create, write or commit
    Unencodable,    // the text holds characters that Windows-1250 cannot store
};

struct FileStatus {
    FileError error = FileError::None;
    QString fileName;   // the file's own name, for messages: "ujhold.txt"
    QString detail;     // the system's reason, or the characters that did not fit

    bool ok() const noexcept { return error == FileError::None; }
};

template <class T>
struct FileRead {
    T value{};
    FileStatus status;
    bool ok() const noexcept { return status.ok(); }
};

// The data folder's path for a file name ("ujhold.txt"). An existing file whose
// name differs only in letter case is found; otherwise the name as given.
QString dataFilePath(const QString& dataDir, const QString& fileName);

// A visible regular file at that path (hidden ones count as missing).
bool dataFileExists(const QString& path);

// Bytes to text: UTF-8 when the bytes start with a UTF-8 byte-order mark, or are
// valid UTF-8 holding non-ASCII characters; Windows-1250 otherwise.
QString decodeDataText(QByteArrayView bytes);

// Text to Windows-1250; no value when a character does not fit, with those
// characters (each once, in order of appearance) in *unencodable.
std::optional<QByteArray> encodeWindows1250(const QString& text, QString* unencodable = nullptr);

// Lines: a line ends at CR with or without LF after it; a lone LF belongs to the
// line; a final line end adds no empty entry; a last line without a line end is
// an entry; empty lines stay in place.
QStringList splitDataLines(const QString& text);

// The lines of a file's bytes: the same as splitDataLines(decodeDataText(bytes)),
// in one pass that decodes each line on its own.
QStringList decodeDataLines(QByteArrayView bytes);

FileRead<QStringList> readLines(const QString& path);
FileRead<QString> readWholeFile(const QString& path);

// Replaces the file with the text exactly (no line end added) in one step: an
// interrupted write leaves the old file.
FileStatus replaceWholeFile(const QString& path, const QString& text);
// Appends the text exactly; creates the file when missing.
FileStatus appendToFile(const QString& path, const QString& text);

// A Hungarian sentence about a failed file operation, for a message box:
// "Az 'ujhold.txt' fájl NEM menthető!" and the like, with the reason after it.
QString describeFileFault(const FileStatus& status);

// "a" or "az" before a word, by its first sound (capitalised on request).
QString hungarianArticle(const QString& word, bool capital = true);

}  // namespace tavik
