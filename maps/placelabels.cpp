#include "placelabels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace tavik::maps {

namespace {

// Degrees of longitude shown below which a map is close enough for the
// Hungarian towns.
constexpr double kTownsWidth = 40.0;
constexpr double kDot = 2.5;   // pixels

void label(QPainter& p, const QRectF& target, const QTransform& t, const PlaceLabel& place, QList<QRectF>& taken)
{
    const QPointF at = t.map(QPointF(place.longitude, place.latitude));
    if (!target.contains(at))
        return;
    const QFontMetricsF metrics(p.font());
    QRectF text(at + QPointF(kDot + 2, -metrics.height() / 2), QSizeF(metrics.horizontalAdvance(place.name), metrics.height()));
    if (text.right() > target.right())
        text.moveRight(at.x() - kDot - 2);
    const QRectF room = text.united(QRectF(at - QPointF(kDot, kDot), at + QPointF(kDot, kDot)));
    for (const QRectF& r : std::as_const(taken)) {
        if (r.intersects(room))
            return;
    }
    taken.append(room);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(at, kDot, kDot);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    QPainterPath path;
    path.addText(text.left(), text.top() + metrics.ascent(), p.font(), place.name);
    p.drawPath(path);
    p.fillPath(path, Qt::black);
}

}  // namespace

void paintPlaceLabels(QPainter& p, const QRectF& target, const QTransform& t, double regionWidth, const MapLabels& labels)
{
    p.save();
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    QList<QRectF> taken;
    for (const PlaceLabel& c : labels.capitals)
        label(p, target, t, c, taken);
    if (regionWidth <= kTownsWidth) {
        for (const PlaceLabel& town : labels.towns)
            label(p, target, t, town, taken);
    }
    p.restore();
}

}  // namespace tavik::maps
