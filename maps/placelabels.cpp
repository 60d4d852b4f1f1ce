#include "placelabels.h"

#include <siteplaces.h>

#include <QCoreApplication>
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

struct Capital {
    const char* name;   // Hungarian
    double latitude, longitude;
};

constexpr Capital kCapitals[] = {
    {QT_TRANSLATE_NOOP("PlaceLabels", "Budapest"), 47.50, 19.04},
    {QT_TRANSLATE_NOOP("PlaceLabels", "London"), 51.51, -0.13},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Párizs"), 48.86, 2.35},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Berlin"), 52.52, 13.40},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Moszkva"), 55.76, 37.62},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Róma"), 41.90, 12.50},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Madrid"), 40.42, -3.70},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Bécs"), 48.21, 16.37},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Varsó"), 52.23, 21.01},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Kijev"), 50.45, 30.52},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Bukarest"), 44.43, 26.10},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Belgrád"), 44.79, 20.45},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Prága"), 50.08, 14.44},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Pozsony"), 48.15, 17.11},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Zágráb"), 45.81, 15.98},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Ljubljana"), 46.06, 14.51},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Athén"), 37.98, 23.73},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Isztambul"), 41.01, 28.98},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Stockholm"), 59.33, 18.07},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Oslo"), 59.91, 10.75},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Helsinki"), 60.17, 24.94},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Reykjavík"), 64.15, -21.94},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Lisszabon"), 38.72, -9.14},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Kairó"), 30.04, 31.24},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Mekka"), 21.42, 39.83},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Teherán"), 35.69, 51.39},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Új-Delhi"), 28.61, 77.21},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Peking"), 39.90, 116.41},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Tokió"), 35.68, 139.69},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Dzsakarta"), -6.21, 106.85},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Canberra"), -35.28, 149.13},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Washington"), 38.91, -77.04},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Ottawa"), 45.42, -75.70},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Mexikóváros"), 19.43, -99.13},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Brazíliaváros"), -15.79, -47.88},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Buenos Aires"), -34.60, -58.38},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Lima"), -12.05, -77.04},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Pretoria"), -25.75, 28.19},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Nairobi"), -1.29, 36.82},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Abuja"), 9.08, 7.40},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Rabat"), 34.02, -6.83},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Wellington"), -41.29, 174.78},
};

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

const QList<PlaceLabel>& capitals()
{
    static const QList<PlaceLabel> list = [] {
        QList<PlaceLabel> l;
        for (const Capital& c : kCapitals)
            l.append({QCoreApplication::translate("PlaceLabels", c.name), c.latitude, c.longitude});
        return l;
    }();
    return list;
}

const QList<PlaceLabel>& hungarianPlaces()
{
    static const QList<PlaceLabel> list = [] {
        QList<PlaceLabel> l;
        for (const ObservingSite& s : hungarianSites())
            l.append({s.name, s.latitude, s.longitude});
        return l;
    }();
    return list;
}

void paintPlaceLabels(QPainter& p, const QRectF& target, const QTransform& t, double regionWidth)
{
    p.save();
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    QList<QRectF> taken;
    for (const PlaceLabel& c : capitals())
        label(p, target, t, c, taken);
    if (regionWidth <= kTownsWidth) {
        for (const PlaceLabel& town : hungarianPlaces())
            label(p, target, t, town, taken);
    }
    p.restore();
}

}  // namespace tavik::maps
