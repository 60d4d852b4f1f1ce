// What the reading and the writing of data files share: the statuses they
// give and a descriptor that closes itself. Not for use outside calc/.
#pragma once

#include "datafiles.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tavik::detail {

inline FileStatus failure(FileError error, const QString& path, const QString& detail = {})
{
    return FileStatus{error, QFileInfo(path).fileName(), detail};
}

inline FileStatus failure(FileError error, const QString& path, FileReason reason, const QString& detail = {})
{
    FileStatus status = failure(error, path, detail);
    status.reason = reason;
    return status;
}

// A failed system call: the reason where one fits, else the system's own text.
inline FileStatus systemFailure(FileError error, const QString& path, int systemError)
{
    FileStatus status = failure(error, path, reasonForSystemError(systemError));
    status.systemError = systemError;
    if (status.reason == FileReason::Other)
        status.detail = QString::fromLocal8Bit(std::strerror(systemError));
    return status;
}

inline QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) noexcept : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    int get() const noexcept { return m_fd; }
    bool valid() const noexcept { return m_fd >= 0; }
    // Closes now (and holds fd from then on); the close's own error, which a
    // network disk may give, or 0.
    int reset(int fd = -1) noexcept
    {
        int error = 0;
        if (m_fd >= 0 && ::close(m_fd) != 0 && errno != EINTR)
            error = errno;
        m_fd = fd;
        return error;
    }
    // Gives the descriptor up without closing it.
    int release() noexcept { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};


// Opens a data file without waiting on a FIFO or a device and keeps it only when
// what was opened is a regular file (its status in *st): the check is made on
// the descriptor, so a name changed after a look at it cannot lead elsewhere.
// The descriptor blocks again as usual. On failure -1 with errno: EISDIR for a
// folder, ENXIO for anything else that is not a regular file.
int openRegularFile(const FileSystemCalls& calls, const QByteArray& path, int flags,
                    struct stat* st, unsigned mode = 0);

// Why a file cannot be written for a reason in the folder meant to hold it:
// a file in the way of the folder, or a folder that may not be made.
FileStatus folderFailure(const QString& path, const QString& folder);

// Removes the temporary files that killed saves of the data files, or of the
// target (a file name in the folder), left in the folder.
void removeStaleTemporaries(const QString& folder, const QString& target = {});

}  // namespace tavik::detail
