// The companion windows and what they share with the main window: twips,
// fonts, colours, message boxes and the single-instance opening.
//
// ui.h: layout helpers. Positions in the layouts are twips, 15 to a pixel.
#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class QAbstractButton;

namespace tavik::ui {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) noexcept { return twips / kTwipsPerPixel; }
constexpr QRect twipsRect(int left, int top, int width, int height) noexcept {
    return QRect(px(left), px(top), px(width), px(height));
}
// A rectangle and a size of a layout table, given in twips.
constexpr QRect twipsRect(const QRect& twips) noexcept {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}
constexpr QPoint twipsPoint(int x, int y) noexcept { return QPoint(px(x), px(y)); }
constexpr QSize twipsSize(int width, int height) noexcept { return QSize(px(width), px(height)); }
constexpr QSize twipsSize(const QSize& twips) noexcept { return twipsSize(twips.width(), twips.height()); }
constexpr QLine twipsLine(int x1, int y1, int x2, int y2) noexcept {
    return QLine(px(x1), px(y1), px(x2), px(y2));
}

// A font by its Windows family name, mapped to the metric-compatible Liberation
// family ("Times New Roman" to Liberation Serif, "Arial" to Liberation Sans,
// "Arial Narrow" to Liberation Sans Narrow, "Courier"/"Courier New" to
// Liberation Mono, "MS Sans Serif" to Liberation Sans).
QFont font(const QString& windowsFamily, double pointSize, bool bold = false,
           bool italic = false, bool underline = false);

// Background (and optionally text) colour of a widget through its palette.
void setColors(QWidget* w, const QColor& back, const QColor& text = QColor());

// A push button drawn with its face colour.
void setButtonFace(QAbstractButton* b, const QColor& face);

// The application title, "Tavik".
QString applicationTitle();

}  // namespace tavik::ui
