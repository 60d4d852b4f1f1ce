#include "picturefile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tavik {

namespace {

// Past a run of GIF data sub-blocks, each a length byte and that many bytes,
// ended by a zero length; -1 when the bytes end first.
qsizetype skipSubBlocks(QByteArrayView b, qsizetype pos)
{
    while (pos < b.size()) {
        const auto length = static_cast<unsigned char>(b[pos]);
        ++pos;
        if (length == 0)
            return pos;
        pos += length;
    }
    return -1;
}

qsizetype colourTableBytes(unsigned char flags)
{
    return (flags & 0x80) ? 3 * (qsizetype(1) << ((flags & 0x07) + 1)) : 0;
}

bool gifIsComplete(QByteArrayView b)
{
    constexpr qsizetype kScreenDescriptorEnd = 13;
    if (b.size() < kScreenDescriptorEnd)
        return false;
    qsizetype pos = kScreenDescriptorEnd + colourTableBytes(static_cast<unsigned char>(b[10]));
    while (pos >= 0 && pos < b.size()) {
        const auto introducer = static_cast<unsigned char>(b[pos]);
        if (introducer == 0x21) {            // extension: label, then sub-blocks
            pos = skipSubBlocks(b, pos + 2);
        } else if (introducer == 0x2C) {     // image descriptor, 10 bytes
            if (pos + 10 > b.size())
                return false;
            pos += 10 + colourTableBytes(static_cast<unsigned char>(b[pos + 9]));
            return skipSubBlocks(b, pos + 1) >= 0;   // after the LZW code size
        } else {
            return false;                    // the trailer or a stray byte: no image
        }
    }
    return false;
}

bool jpegIsComplete(QByteArrayView b)
{
    // The compressed data holds no marker but the restart ones, so the last
    // start of scan must be followed by the end-of-image marker.
    const qsizetype scan = b.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    return scan >= 0 && b.indexOf(QByteArrayView("\xFF\xD9", 2), scan) >= 0;
}

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

bool pictureIsComplete(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView("GIF8")))
        return gifIsComplete(bytes);
    if (bytes.startsWith(QByteArrayView("\xFF\xD8", 2)))
        return jpegIsComplete(bytes);
    return true;
}

PictureRead readPicture(const QString& path)
{
    PictureRead out;
    FileRead<QByteArray> read = readFileBytes(path, kMaxPictureBytes);
    out.status = read.status;
    if (!read.ok())
        return out;
    QByteArray& bytes = read.value;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage image = reader.read();   // the first image of a multi-image GIF
    if (image.isNull() || !pictureIsComplete(bytes))
        out.status = pictureReadFault(path, QImageReader::InvalidDataError);
    else
        out.image = image;
    return out;
}

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
