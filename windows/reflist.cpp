#include "reflist.h"

namespace tavik {

ReferenceListWindow::ReferenceListWindow(ReferenceList list, const QString& dataDir, QWidget* parent)
    : QWidget(parent)
{
    Q_UNUSED(list);
    Q_UNUSED(dataDir);
}

}  // namespace tavik
