#include "drawingsurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace tavik {

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DrawingSurface::drawText(QPoint topLeft, const QString& text)
{
    m_pieces.append(Piece{topLeft, text});
    describeText();
    const QFontMetrics fm(font());
    update(QRect(topLeft, QSize(fm.horizontalAdvance(text) + fm.maxWidth(), fm.height())));
}

void DrawingSurface::clear()
{
    m_pieces.clear();
    describeText();
    update();
}

void DrawingSurface::describeText()
{
    QStringList lines;
    lines.reserve(m_pieces.size());
    for (const Piece& p : m_pieces)
        lines.append(p.text.trimmed());
    setAccessibleDescription(lines.join(u'\n'));
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    if (m_pieces.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = QFontMetrics(font()).ascent();
    for (const Piece& p : m_pieces)
        painter.drawText(p.topLeft + QPoint(0, ascent), p.text);
}

}  // namespace tavik
