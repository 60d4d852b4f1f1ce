// Start-up and the main window "A": its controls, its menu, the new-moon list
// and the calculator's button handlers.
#pragma once

#include <QMainWindow>

namespace tavik {

class A : public QMainWindow {
    Q_OBJECT
public:
    explicit A(QWidget* parent = nullptr);
};

}  // namespace tavik
