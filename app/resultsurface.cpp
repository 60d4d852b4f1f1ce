#include "resultsurface.h"

#include "palette.h"
#include "ui.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace tavik {

namespace {
constexpr QColor kFrameColor = ui::kGrey;

// Frames Shape1 (input panel), Shape2 (output panel) and Shape3 (around the
// phase picture), in twips.
constexpr QRect kFrames[] = {
    ui::twipsRect(6600, 480, 4335, 5175),
    ui::twipsRect(360, 480, 6015, 5175),
    ui::twipsRect(600, 2760, 2535, 2655),
};
// Line1 under the first result line, Line2 between the two input groups.
constexpr QLine kRules[] = {
    ui::twipsLine(600, 1800, 5880, 1800),
    ui::twipsLine(6840, 3360, 10560, 3360),
};
}  // namespace

ResultSurface::ResultSurface(QWidget* parent)
    : DrawingSurface(parent)
{
    setObjectName(QStringLiteral("ResultSurface"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The window's font and foreground colour.
    setFont(ui::font(QStringLiteral("Times New Roman"), 14.25));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ui::kGreen);
    setPalette(p);
}

void ResultSurface::drawText(int xTwips, int yTwips, const QString& text)
{
    DrawingSurface::drawText(ui::twipsPoint(xTwips, yTwips), text);
}

void ResultSurface::drawTextBeside(int xTwips, int yTwips, const QString& text)
{
    QPoint at = ui::twipsPoint(xTwips, yTwips);
    if (!pieces().isEmpty()) {
        const Piece& last = pieces().constLast();
        const QFontMetrics fm(font());
        const int end = last.topLeft.x() + fm.horizontalAdvance(last.text);
        at.setX(std::max(at.x(), end + fm.horizontalAdvance(QLatin1Char(' '))));
    }
    DrawingSurface::drawText(at, text);
}

void ResultSurface::showObservationLines(const std::array<QString, 5>& lines)
{
    clearText();
    for (std::size_t i = 0; i < lines.size(); ++i)
        drawText(kLineLeft, kLineTops[i], lines[i]);
}

void ResultSurface::showNowLines(const std::array<QString, 6>& pieces)
{
    clearText();
    drawText(kLineLeft, kLineTops[0], pieces[0]);
    drawTextBeside(kTimeLeft, kLineTops[0], pieces[1]);
    for (std::size_t i = 1; i < kLineTops.size(); ++i)
        drawText(kLineLeft, kLineTops[i], pieces[i + 1]);
}

QStringList ResultSurface::texts() const
{
    QStringList out;
    out.reserve(pieces().size());
    for (const Piece& p : pieces())
        out.append(p.text);
    return out;
}

void ResultSurface::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(QPen(kFrameColor, 1));
        for (const QRect& r : kFrames)
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        for (const QLine& l : kRules)
            painter.drawLine(l);
    }
    // The text on top, in the surface's font and colour.
    DrawingSurface::paintEvent(event);
}

}  // namespace tavik
