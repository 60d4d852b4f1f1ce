#include "about.h"

namespace tavik {

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
}

}  // namespace tavik
