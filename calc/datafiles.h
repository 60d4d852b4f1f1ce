// The data folder "Pic" and its text files: Windows-1250 (or UTF-8 when a file
// is plainly UTF-8), CR LF line ends, replaced whole or appended to.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <optional>

namespace tavik {

enum class FileError {
    None,
    Missing,        // no such file (hidden files count as missing)
    NotReadable,
    NotWritable,    // cannot create, write or commit
    Unencodable,    // the text holds characters that Windows-1250 cannot store
};

// Why a file operation failed, as far as the program can tell.
enum class FileReason {
    Other,              // the system's own text (if any) is in the detail
    FolderMissing,      // detail: the folder that does not exist
    NotAFolder,         // detail: the path that should be a folder but is a file
    IsFolder,           // a folder has the file's name
    NotRegularFile,     // a device, a FIFO or a socket, reached directly or through a link
    DiskFull,           // no room left on the disk (or the user's quota is used up)
    PermissionDenied,
    ReadOnlyFileSystem,
    ReadOnlyFile,       // nobody may write the file (no write bit in its mode)
    FolderNotWritable,  // the file may be written but not replaced: its folder is closed
    InputOutput,        // the disk itself failed
    NameTooLong,
    NotFound,           // vanished between looking and opening
    DamagedPicture,     // a picture that is cut short, corrupt or of an unknown format
    TooLarge,           // larger than any file of its kind; detail: the limit in bytes
    LinkLoop,           // a link that leads back to itself
    FolderNotCreatable, // detail: the folder that could not be made here
    DanglingLink,       // a link to nothing
};

struct FileStatus {
    FileError error = FileError::None;
    QString fileName;   // the file's own name, for messages: "ujhold.txt"
    QString detail;     // the system's reason, a folder, or the characters that did not fit
    FileReason reason = FileReason::Other;
    int systemError = 0;  // errno, when the system gave one

    bool ok() const noexcept { return error == FileError::None; }
};

// The reason for a system error number; Other when none fits.
FileReason reasonForSystemError(int error) noexcept;

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
// valid UTF-8 holding non-ASCII characters that Windows-1250 can all hold too;
// Windows-1250 otherwise.
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

// The system calls through which files are read and written. Tests pass their
// own to make faults that cannot be made for real: a failing fsync, a folder
// closed to new files, a process killed just before the rename, a FIFO put in
// place of a file between the look at its name and the open.
struct FileSystemCalls {
    std::function<int(const char* path, int flags, unsigned mode)> open;
    std::function<long(int fd, const char* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(char* pattern)> makeTemporary;  // mkstemp: opens a new file
    std::function<int(const char* from, const char* to)> rename;

    static FileSystemCalls system();
};

// The largest file of each kind that is read. A larger one cannot be one the
// program wrote, and reading it whole could take all the memory: it is refused
// with FileReason::TooLarge.
inline constexpr qint64 kMaxListBytes = qint64(32) << 20;     // the lists, ujholdak.txt
inline constexpr qint64 kMaxNoteBytes = qint64(32) << 20;     // jegyzetek.txt, naplo-tavik.txt
inline constexpr qint64 kMaxRecordBytes = qint64(16) << 20;   // ujhold.txt, utolso.txt
inline constexpr qint64 kMaxPictureBytes = qint64(64) << 20;  // the Moon pictures, the map

// A file's bytes as they are. Nothing there, a hidden file or a folder is
// Missing; a FIFO or a device is NotReadable with FileReason::NotRegularFile.
FileRead<QByteArray> readFileBytes(const QString& path, qint64 maxBytes,
                                   const FileSystemCalls& calls = FileSystemCalls::system());

FileRead<QStringList> readLines(const QString& path, qint64 maxBytes = kMaxListBytes,
                                const FileSystemCalls& calls = FileSystemCalls::system());
FileRead<QString> readWholeFile(const QString& path, qint64 maxBytes = kMaxNoteBytes,
                                const FileSystemCalls& calls = FileSystemCalls::system());

// Replaces the file with the text exactly (no line end added) in one step: the
// text goes to a temporary file beside it, is synced, and only then takes the
// file's name, so any failure or interruption leaves the old file whole. A link
// is followed and stays a link; a target that is not a regular file (a device,
// a FIFO) is left alone. The new file keeps the old one's mode, owner and group.
// Leftover temporary files of killed copies are removed (see isStaleTemporary).
FileStatus replaceWholeFile(const QString& path, const QString& text,
                            const FileSystemCalls& calls = FileSystemCalls::system());
// The same for bytes written as they are: pictures, tables, UTF-8 settings.
FileStatus replaceWholeFileBytes(const QString& path, QByteArrayView bytes,
                                 const FileSystemCalls& calls = FileSystemCalls::system());
// The same for a file too large to hold in memory: nextPiece() gives the
// bytes piece by piece, and an empty piece ends the file.
FileStatus replaceWholeFileStreamed(const QString& path, const std::function<QByteArrayView()>& nextPiece,
                                    const FileSystemCalls& calls = FileSystemCalls::system());
// The same with a last step once the new bytes are safely on the disk and
// before they take the file's name: where it fails, the file stays as it was
// and its failure is returned. For a change of several files, whose others are
// written then, when this one is known to be whole.
FileStatus replaceWholeFileStreamed(const QString& path, const std::function<QByteArrayView()>& nextPiece,
                                    const std::function<FileStatus()>& beforeRename,
                                    const FileSystemCalls& calls = FileSystemCalls::system());
// Appends the text exactly, in one piece, under a lock that other copies of the
// program respect: on failure the file is cut back to its former length (or
// removed, when this call created it). A file that nobody may write is refused.
FileStatus appendToFile(const QString& path, const QString& text,
                        const FileSystemCalls& calls = FileSystemCalls::system());

// A file as it was before a change of several files, to be put back when a
// later file of the change cannot be written; bytes none where no regular
// file stood, so that putting back removes what the change made.
struct KeptFile {
    QString path;
    std::optional<QByteArray> bytes;
    FileStatus putBack() const;
};
// The file as it is now; none, with the status saying why, when it stands
// but cannot be read (it could not be put back).
std::optional<KeptFile> keepFile(const QString& path, qint64 maxBytes, FileStatus& status);

// The name of the temporary file a save in progress writes, as a pattern for
// QDir::entryList: ".ujhold.txt.tavik-<process id>-XXXXXX".
QString temporaryFilePattern();

}  // namespace tavik
