#include "converter.h"

namespace tavik {

ConverterWindow::ConverterWindow(const RegionalSettings& regional, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    Q_UNUSED(regional);
}

}  // namespace tavik
