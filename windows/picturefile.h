// Pictures of the data folder, read whole and checked: a GIF or JPEG file cut
// short decodes without complaint into half a picture, so its structure is
// walked before it is trusted.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace tavik {

struct PictureRead {
    QImage image;     // null when the file was missing, unreadable or damaged
    QString reason;   // why not, in Hungarian; empty when the picture is whole

    bool ok() const noexcept { return !image.isNull(); }
};

// The first image of the file at path.
PictureRead readPicture(const QString& path);

// False for a GIF whose first image, or a JPEG whose scan, the bytes end
// inside of; true for anything else.
bool pictureIsComplete(QByteArrayView bytes);

}  // namespace tavik
