#include "mainwindow.h"

namespace tavik {

A::A(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("A"));
    setWindowTitle(QStringLiteral(
        "Tavik  - Holdsarló kor és fázis számoló     -  v1.46a  (x86)   - Orvel Edition"));
}

}  // namespace tavik
