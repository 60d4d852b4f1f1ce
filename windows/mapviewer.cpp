#include "mapviewer.h"

namespace tavik {

MapViewerWindow::MapViewerWindow(const QString& dataDir, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    Q_UNUSED(dataDir);
}

void MapViewerWindow::showPicture(const QString&) {}
}  // namespace tavik
