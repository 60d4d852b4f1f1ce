#pragma once

#include <QWidget>

namespace tavik {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace tavik
