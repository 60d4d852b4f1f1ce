#include "notewindow.h"

namespace tavik {

NoteWindow::NoteWindow(NoteKind kind, const QString& dataDir, QWidget* parent)
    : QWidget(parent)
{
    Q_UNUSED(kind);
    Q_UNUSED(dataDir);
}

}  // namespace tavik
