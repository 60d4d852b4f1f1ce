#include "picturefault.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tavik {

namespace {

// Why the file cannot be opened for reading, as a reason; PermissionDenied
// when it opens now after all (it was closed to the reader a moment ago).
FileReason openingReason(const QString& path, int* systemError)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return FileReason::PermissionDenied;
    }
    *systemError = errno;
    const FileReason reason = reasonForSystemError(errno);
    return reason == FileReason::Other ? FileReason::PermissionDenied : reason;
}

}  // namespace

FileStatus pictureReadFault(const QString& path, QImageReader::ImageReaderError error)
{
    FileStatus status{FileError::NotReadable, QFileInfo(path).fileName(), {}};
    switch (error) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        if (!dataFileExists(path)) {
            status.error = FileError::Missing;
            return status;
        }
        status.reason = openingReason(path, &status.systemError);
        if (error == QImageReader::DeviceError && status.reason == FileReason::PermissionDenied
            && status.systemError == 0)
            status.reason = FileReason::InputOutput;   // it opens, but reading it failed
        return status;
    case QImageReader::UnsupportedFormatError:
    case QImageReader::InvalidDataError:
    case QImageReader::UnknownError:
        status.reason = FileReason::DamagedPicture;
        return status;
    }
    status.reason = FileReason::DamagedPicture;
    return status;
}

}  // namespace tavik
