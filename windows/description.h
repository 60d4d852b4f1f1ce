#pragma once

#include <QWidget>

namespace tavik {

class DescriptionWindow : public QWidget {
    Q_OBJECT
public:
    explicit DescriptionWindow(QWidget* parent = nullptr);
};

}  // namespace tavik
