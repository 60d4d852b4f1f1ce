// What a failed picture read means for the user: the image reader's error
// turned into the data files' fault kinds, so that the message is Hungarian.
#pragma once

#include "datafiles.h"

#include <QImageReader>
#include <QString>

namespace tavik {

// The fault for a picture at `path` that the reader could not read. The
// reader says "File not found" also for a file that is there but may not be
// opened; that gets the system's reason. A cut-short, corrupt or unknown
// picture is a damaged picture.
FileStatus pictureReadFault(const QString& path, QImageReader::ImageReaderError error);

}  // namespace tavik
