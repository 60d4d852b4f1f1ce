#pragma once

#include "regional.h"
#include <QWidget>

namespace tavik {

class ConverterWindow : public QWidget {
    Q_OBJECT
public:
    explicit ConverterWindow(const RegionalSettings& regional, QWidget* parent = nullptr);
};

}  // namespace tavik
