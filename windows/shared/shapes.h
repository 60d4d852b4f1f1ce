// Lines and frames of the window layouts: passive widgets that only draw
// themselves, so that they carry their names like any other control.
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace tavik {

class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Line, RoundedRectangle };

    // A line between two points of the parent, in pixels.
    ShapeWidget(const QLine& line, const QColor& color, QWidget* parent);
    // A rounded frame filling rect (pixels of the parent).
    ShapeWidget(Kind kind, const QRect& rect, const QColor& color, QWidget* parent);

    Kind kind() const noexcept { return m_kind; }
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void makePassive();

    Kind m_kind;
    QColor m_color;
    QLine m_line;  // in own coordinates, for Kind::Line
};

}  // namespace tavik
