// The whole set of pictures, written into the program's folders.
#pragma once

#include "lunarsurface.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tavik::pictures {

struct Folders {
    QString pictures;    // the program's Pic folder
    QString resources;   // the banner and the icons
};

// Renders and writes every picture; progress gets each file name as it is
// written, with a note (the names left off a labelled picture, if any). Stops at the first file that cannot be written and returns the
// reason; an empty string means everything was written.
QString writeAllPictures(const LunarSurface& surface, const Folders& folders,
                         const std::function<void(const QString& path, const QString& note)>& progress);

} // namespace tavik::pictures
