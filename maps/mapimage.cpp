#include "mapimage.h"

#include "coastlines.h"
#include "maplegend.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTimeZone>

#include <cmath>

namespace tavik::maps {

namespace {

constexpr double kGraticule = 30.0;   // degrees
constexpr int kMargin = 12;           // pixels round the picture's parts

QPainterPath pathOf(const QList<QPolygonF>& lines)
{
    QPainterPath path;
    for (const QPolygonF& line : lines)
        path.addPolygon(line);
    return path;
}

// Longitude and latitude to the target's pixels.
QTransform projection(const QRectF& target, const GeoRect& r)
{
    const double sx = target.width() / r.width(), sy = target.height() / r.height();
    return QTransform(sx, 0, 0, -sy, target.left() - r.west * sx, target.top() + r.north * sy);
}

QString degreeText(double deg, bool latitude)
{
    if (deg == 0)
        return QStringLiteral("0°");
    const QString side = latitude ? (deg > 0 ? QStringLiteral("É") : QStringLiteral("D"))
                                  : (deg > 0 ? QStringLiteral("K") : QStringLiteral("Ny"));
    return QString::number(std::abs(deg)) + u'°' + side;
}

void paintGraticule(QPainter& p, const QRectF& target, const GeoRect& r, const QTransform& t)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    for (double lon = std::floor(r.west / kGraticule + 1) * kGraticule; lon < r.east; lon += kGraticule) {
        const double x = t.map(QPointF(lon, 0)).x();
        p.setPen(QPen(QColor(0, 0, 0, 70), 1, Qt::DashLine));
        p.drawLine(QPointF(x, target.top()), QPointF(x, target.bottom()));
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QPointF(x + 3, target.bottom() - 4), degreeText(lon, false));
    }
    for (double lat = std::floor(r.south / kGraticule + 1) * kGraticule; lat < r.north; lat += kGraticule) {
        const double y = t.map(QPointF(0, lat)).y();
        p.setPen(QPen(QColor(0, 0, 0, 70), 1, Qt::DashLine));
        p.drawLine(QPointF(target.left(), y), QPointF(target.right(), y));
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QPointF(target.left() + 3, y - 3), degreeText(lat, true));
    }
}

void paintSite(QPainter& p, const QPointF& at)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(at, 6, 6);
    p.setPen(QPen(QColor(0xD0, 0x00, 0x00), 2));
    p.drawEllipse(at, 6, 6);
    p.drawLine(at - QPointF(10, 0), at - QPointF(3, 0));
    p.drawLine(at + QPointF(3, 0), at + QPointF(10, 0));
    p.drawLine(at - QPointF(0, 10), at - QPointF(0, 3));
    p.drawLine(at + QPointF(0, 3), at + QPointF(0, 10));
}

}  // namespace

QImage cellImage(const VisibilityMap& map)
{
    QImage image(map.columns, map.rows, QImage::Format_RGB32);
    for (int r = 0; r < map.rows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int c = 0; c < map.columns; ++c)
            line[c] = pointColour(map.request.criterion, map.at(r, c)).rgb();
    }
    return image;
}

void paintMap(QPainter& p, const QRectF& target, const QImage& cells, const GeoRect& region,
              const std::optional<Site>& site)
{
    static const QPainterPath coast = pathOf(coastlines());
    static const QPainterPath border = pathOf(borders());
    p.save();
    p.setClipRect(target);
    const QRectF source((region.west + 180.0) / 360.0 * cells.width(), (90.0 - region.north) / 180.0 * cells.height(),
                        region.width() / 360.0 * cells.width(), region.height() / 180.0 * cells.height());
    p.drawImage(target, cells, source);
    const QTransform t = projection(target, region);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.8, Qt::DotLine));
    p.drawPath(t.map(border));
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.9));
    p.drawPath(t.map(coast));
    paintGraticule(p, target, region, t);
    if (site && site->longitude >= region.west && site->longitude <= region.east && site->latitude >= region.south
        && site->latitude <= region.north)
        paintSite(p, t.map(QPointF(site->longitude, site->latitude)));
    p.restore();
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::NoBrush);
    p.drawRect(target);
}

QString mapTitle(const VisibilityMap& map)
{
    return QStringLiteral("Holdsarló láthatósága %1 %2 – %3 – együttállás: %4 UT")
        .arg(map.request.date.toString(QStringLiteral("yyyy.MM.dd.")),
             map.request.morning ? QStringLiteral("hajnalban") : QStringLiteral("este"),
             criterionName(map.request.criterion),
             tavik::almanac::formatLocalMinute(map.newMoon, QTimeZone::utc()));
}

QImage mapPicture(const VisibilityMap& map, const std::optional<Site>& site, int mapWidth)
{
    QFont titleFont(QStringLiteral("Liberation Sans"));
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    const qreal titleHeight = QFontMetricsF(titleFont).height() + kMargin;
    const QRectF mapRect(kMargin, kMargin + titleHeight, mapWidth, mapWidth / 2.0);
    const QRectF legendArea(kMargin, mapRect.bottom() + kMargin, mapWidth, 0);
    const qreal legendHeight = layoutLegend(nullptr, legendArea, map.request.criterion, map.request.morning);
    QImage image(mapWidth + 2 * kMargin, int(std::ceil(legendArea.top() + legendHeight + kMargin)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(QRectF(kMargin, kMargin, mapWidth, titleHeight), Qt::AlignLeft | Qt::AlignTop, mapTitle(map));
    paintMap(p, mapRect, cellImage(map), kWorld, site);
    layoutLegend(&p, legendArea, map.request.criterion, map.request.morning);
    p.end();
    return image;
}

QByteArray pngBytes(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return {};
    return bytes;
}

}  // namespace tavik::maps
