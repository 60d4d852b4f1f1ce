// Pictures of the data folder, read whole and checked: a GIF or JPEG file cut
// short decodes without complaint into half a picture, so its structure is
// walked before it is trusted.
#pragma once

#include "datafiles.h"

#include <QByteArrayView>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace tavik {

struct PictureRead {
    QImage image;        // null when the file was missing, unreadable or damaged
    FileStatus status;   // why not

    bool ok() const noexcept { return !image.isNull(); }
};

// The first image of the file at path.
PictureRead readPicture(const QString& path);

// The fault for a picture at `path` that the reader could not read. The
// reader says "File not found" also for a file that is there but may not be
// opened; that gets the system's reason. A cut-short, corrupt or unknown
// picture is a damaged picture.
FileStatus pictureReadFault(const QString& path, QImageReader::ImageReaderError error);

// False for a GIF whose first image, or a JPEG whose scan, the bytes end
// inside of; true for anything else.
bool pictureIsComplete(QByteArrayView bytes);

}  // namespace tavik
