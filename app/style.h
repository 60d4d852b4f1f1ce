// The program's style: the platform's own, without the menu bar's overflow
// arrow icon. A menu bar looks that icon up in the icon themes as it is built,
// which costs a good part of the start-up, and Tavik's menu bar never
// overflows.
#pragma once

#include <QProxyStyle>

namespace tavik {

class TavikStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tavik
