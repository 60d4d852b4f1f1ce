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
#include <unistd.h>

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


}  // namespace tavik::detail
