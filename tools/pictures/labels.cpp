#include "labels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tavik::pictures {

QColor seaColour() { return QColor(0xB8, 0xDC, 0xFF); }
QColor mountainColour() { return QColor(0xC8, 0xF0, 0xA8); }
QColor craterColour() { return QColor(0xFF, 0xF0, 0xB0); }
QColor markerColour() { return QColor(0xFF, 0xA8, 0x30); }

namespace {

constexpr double kMarkerRadius = 3.0;    // pixels
constexpr double kOutline = 3.0;         // pixels, width of the dark rim of a letter

QFont labelFont(FeatureKind kind, int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kind == FeatureKind::Crater ? pixelSize : pixelSize + 1);
    font.setItalic(kind == FeatureKind::Sea);
    font.setBold(kind != FeatureKind::Sea);
    return font;
}

QColor textColour(FeatureKind kind)
{
    switch (kind) {
    case FeatureKind::Sea: return seaColour();
    case FeatureKind::Mountains: return mountainColour();
    case FeatureKind::Crater: return craterColour();
    }
    return craterColour();
}

void drawOutlinedText(QPainter& p, const QString& text, const QFont& font, QPointF baseline,
                      const QColor& colour)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    p.setPen(QPen(QColor(0, 0, 0), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void drawMarker(QPainter& p, QPointF at, FeatureKind kind)
{
    p.setPen(QPen(QColor(0, 0, 0), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    p.setPen(QPen(markerColour(), 1.4));
    if (kind == FeatureKind::Crater) {
        p.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    } else {
        p.setBrush(markerColour());
        p.drawEllipse(at, kMarkerRadius - 0.5, kMarkerRadius - 0.5);
    }
}

bool isFree(const QRectF& rect, const std::vector<QRectF>& taken, const QRectF& bounds)
{
    if (!bounds.contains(rect))
        return false;
    for (const QRectF& t : taken)
        if (t.intersects(rect))
            return false;
    return true;
}

QPointF nearestEdgePoint(const QRectF& r, QPointF p)
{
    return {std::clamp(p.x(), r.left(), r.right()), std::clamp(p.y(), r.top(), r.bottom())};
}

// A line from a marker to a name set further off must not cross other names.
bool leaderIsClear(QPointF marker, const QRectF& text, const std::vector<QRectF>& taken)
{
    const QPointF end = nearestEdgePoint(text, marker);
    const double length = std::hypot(end.x() - marker.x(), end.y() - marker.y());
    const int steps = int(length / 2.0);
    for (int s = 4; s < steps; ++s) {   // from beyond the marker's own box
        const QPointF p = marker + (end - marker) * (double(s) / steps);
        for (const QRectF& t : taken)
            if (t.contains(p))
                return false;
    }
    return true;
}

// Places a w × h box around the marker: beside it first, then further off.
std::optional<QRectF> findPlace(QPointF m, QSizeF size, const std::vector<QRectF>& taken,
                                const QRectF& bounds, bool leaderLines)
{
    const double w = size.width();
    const double h = size.height();
    const std::array<double, 4> gaps{5.0, 16.0, 30.0, 46.0};
    const int tries = leaderLines ? int(gaps.size()) : 1;
    for (int i = 0; i < tries; ++i) {
        const double g = gaps[std::size_t(i)];
        const std::array<QPointF, 8> corners{
            QPointF(m.x() + g, m.y() - h / 2), QPointF(m.x() - g - w, m.y() - h / 2),
            QPointF(m.x() - w / 2, m.y() - g - h), QPointF(m.x() - w / 2, m.y() + g),
            QPointF(m.x() + g * 0.7, m.y() - g * 0.7 - h), QPointF(m.x() - g * 0.7 - w, m.y() - g * 0.7 - h),
            QPointF(m.x() + g * 0.7, m.y() + g * 0.7), QPointF(m.x() - g * 0.7 - w, m.y() + g * 0.7)};
        for (const QPointF& c : corners) {
            const QRectF rect(c, size);
            if (isFree(rect, taken, bounds) && (i == 0 || leaderIsClear(m, rect, taken)))
                return rect;
        }
    }
    return std::nullopt;
}

} // namespace

namespace {

struct Placement {
    const LunarFeature* feature;
    PlacedLabel label;
};

QRectF markerBox(QPointF at)
{
    const double box = kMarkerRadius + 1;
    return {at.x() - box, at.y() - box, 2 * box, 2 * box};
}

QSizeF textSize(const LunarFeature& f, const QString& name, const LabelStyle& style)
{
    const QFontMetricsF metrics(labelFont(f.kind, style.pixelSize));
    return {metrics.horizontalAdvance(name) + 2 * kOutline, metrics.height() + kOutline};
}

std::vector<Placement> placeLabels(const std::vector<LunarFeature>& features, const DiscGeometry& disc,
                                   const LabelStyle& style, const QRectF& bounds)
{
    // Every marker claims its place first, so that no name covers another
    // feature's marker.
    std::vector<std::pair<const LunarFeature*, QPointF>> markers;
    std::vector<QRectF> taken;
    for (const LunarFeature& f : features) {
        const auto at = projectToImage(f.latitude, f.longitude, disc);
        if (at && isFree(markerBox(*at), taken, bounds)) {
            markers.emplace_back(&f, *at);
            taken.push_back(markerBox(*at));
        }
    }
    std::vector<Placement> placed;
    for (const auto& [feature, at] : markers) {
        const QString name = QString::fromUtf16(feature->name);
        std::vector<QRectF> others;
        for (const QRectF& t : taken)
            if (t != markerBox(at))
                others.push_back(t);
        const auto rect = findPlace(at, textSize(*feature, name, style), others, bounds, style.leaderLines);
        if (!rect)
            continue;
        taken.push_back(*rect);
        placed.push_back({feature, {name, at, *rect}});
    }
    return placed;
}

void paintLabel(QPainter& p, const Placement& placement, const LabelStyle& style)
{
    const PlacedLabel& label = placement.label;
    const FeatureKind kind = placement.feature->kind;
    const QPointF edge = nearestEdgePoint(label.text, label.marker);
    if (std::hypot(edge.x() - label.marker.x(), edge.y() - label.marker.y()) > 8) {
        p.setPen(QPen(markerColour(), 1.0));
        p.drawLine(label.marker, edge);
    }
    drawMarker(p, label.marker, kind);
    const QFont font = labelFont(kind, style.pixelSize);
    const QPointF baseline(label.text.left() + kOutline,
                           label.text.top() + kOutline / 2 + QFontMetricsF(font).ascent());
    drawOutlinedText(p, label.name, font, baseline, textColour(kind));
}

} // namespace

std::vector<PlacedLabel> drawLabels(QImage& image, const std::vector<LunarFeature>& features,
                                    const DiscGeometry& disc, const LabelStyle& style)
{
    const QRectF bounds = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    const std::vector<Placement> placements = placeLabels(features, disc, style, bounds);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    std::vector<PlacedLabel> placed;
    for (const Placement& placement : placements) {
        paintLabel(p, placement, style);
        placed.push_back(placement.label);
    }
    return placed;
}

void drawCaption(QImage& image, const QString& text, QPointF topLeft, int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawOutlinedText(p, text, font, QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), craterColour());
}

} // namespace tavik::pictures
