#include "shapes.h"

#include <QPainter>
#include <algorithm>

namespace tavik {

ShapeWidget::ShapeWidget(const QLine& line, const QColor& color, QWidget* parent)
    : QWidget(parent)
    , m_kind(Kind::Line)
    , m_color(color)
{
    const QPoint origin(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2()));
    m_line = line.translated(-origin);
    setGeometry(QRect(origin, QSize(std::abs(line.dx()) + 1, std::abs(line.dy()) + 1)));
    makePassive();
}

ShapeWidget::ShapeWidget(Kind kind, const QRect& rect, const QColor& color, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_color(color)
{
    setGeometry(rect);
    makePassive();
}

void ShapeWidget::makePassive()
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    switch (m_kind) {
    case Kind::Line:
        painter.drawLine(m_line);
        break;
    case Kind::RoundedRectangle: {
        // The corner radius follows the shorter side, as the frame grows.
        const qreal radius = std::min(width(), height()) / 10.0;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        break;
    }
    }
}

}  // namespace tavik
