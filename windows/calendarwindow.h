#pragma once

#include <QWidget>

namespace tavik {

class CalendarWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalendarWindow(QWidget* parent = nullptr);
};

}  // namespace tavik
