#include "calendarwindow.h"

namespace tavik {

CalendarWindow::CalendarWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form6"));
}

}  // namespace tavik
