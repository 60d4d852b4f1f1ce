#include "description.h"

namespace tavik {

DescriptionWindow::DescriptionWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
}

}  // namespace tavik
