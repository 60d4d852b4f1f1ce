#include "visibilitymapsurface.h"

#include "juliantime.h"
#include "maplegend.h"
#include "mapwords.h"
#include "ui.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimeZone>

#include <algorithm>

namespace tavik {

namespace {

constexpr int kMargin = 8;            // pixels
constexpr int kLeastMapWidth = 320;   // below this a map says too little

QString eveningText(const almanac::VisibilityMap& map)
{
    return words::eveningCaption(words::Language::installed(), map.request.date, map.request.morning);
}

QString headerText(const almanac::VisibilityMap& map)
{
    return QCoreApplication::translate("tavik::VisibilityMapSurface", "Holdsarló láthatósága – %1 – együttállás: %2 UT")
        .arg(words::criterionName(map.request.criterion),
             formatLocalMinute(instantOfJulianDay(map.newMoon), QTimeZone::utc()));
}

QRectF legendArea(const QRect& area)
{
    return QRectF(area.left() + kMargin, 0, area.width() - 2 * kMargin, 0);
}

}  // namespace

VisibilityMapSurface::VisibilityMapSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mapSurface"));
    setAccessibleName(tr("Holdsarló-láthatósági térkép"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(false);
}

void VisibilityMapSurface::setMaps(const QList<almanac::VisibilityMap>& maps, const almanac::Site& site)
{
    m_maps = maps;
    m_cells.clear();
    for (const almanac::VisibilityMap& m : maps)
        m_cells.append(maps::cellImage(m));
    m_site = site;
    m_waiting.clear();
    update();
}

void VisibilityMapSurface::setRegion(const maps::GeoRect& region)
{
    m_region = region;
    update();
}

void VisibilityMapSurface::setWaiting(const QString& text)
{
    m_waiting = text;
    update();
}

int VisibilityMapSurface::fitting(int width) const
{
    const int fit = std::max(1, (width - kMargin) / (kLeastMapWidth + kMargin));
    return std::clamp(int(m_maps.size()), 1, fit);
}

QList<QRectF> VisibilityMapSurface::mapRects(const QRect& area) const
{
    QList<QRectF> rects;
    if (m_maps.isEmpty())
        return rects;
    const almanac::VisibilityMap& first = m_maps.first();
    const qreal line = QFontMetricsF(ui::font(QStringLiteral("Arial"), 10, true)).height() + 4;
    const qreal legend = maps::layoutLegend(nullptr, legendArea(area), words::legendEntries(first.request.criterion, first.request.morning));
    const int n = fitting(area.width());
    const qreal width = (area.width() - (n + 1) * kMargin) / qreal(n);
    const qreal height = area.height() - 2 * line - legend - 3 * kMargin;
    const qreal aspect = m_region.width() / m_region.height();
    const qreal w = std::max<qreal>(1, std::min(width, height * aspect));
    const qreal h = w / aspect;
    for (int i = 0; i < n; ++i) {
        const qreal left = area.left() + kMargin + i * (width + kMargin) + (width - w) / 2;
        rects.append(QRectF(left, area.top() + kMargin + 2 * line, w, h));
    }
    return rects;
}

void VisibilityMapSurface::paintMaps(QPainter& p, const QRect& area) const
{
    p.fillRect(area, Qt::white);
    const QFont font = ui::font(QStringLiteral("Arial"), 10, true);
    p.setFont(font);
    p.setPen(Qt::black);
    if (m_maps.isEmpty()) {
        p.drawText(area, Qt::AlignCenter, m_waiting);
        return;
    }
    const almanac::VisibilityMap& first = m_maps.first();
    const qreal line = QFontMetricsF(font).height() + 4;
    p.drawText(QRectF(area.left() + kMargin, area.top() + kMargin, area.width() - 2 * kMargin, line),
               Qt::AlignLeft | Qt::AlignVCenter, headerText(first));
    const QList<QRectF> rects = mapRects(area);
    const maps::MapLabels labels = words::mapLabels();
    for (int i = 0; i < rects.size(); ++i) {
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(rects[i].left(), rects[i].top() - line, rects[i].width(), line),
                   Qt::AlignLeft | Qt::AlignVCenter, eveningText(m_maps[i]));
        maps::paintMap(p, rects[i], m_cells[i], m_region, m_site, labels);
    }
    QRectF legend = legendArea(area);
    legend.moveTop(rects.first().bottom() + kMargin);
    maps::layoutLegend(&p, legend, words::legendEntries(first.request.criterion, first.request.morning));
    if (!m_waiting.isEmpty()) {
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.drawText(QRectF(area).adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignRight | Qt::AlignTop, m_waiting);
    }
}

void VisibilityMapSurface::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintMaps(p, rect());
}

}  // namespace tavik
