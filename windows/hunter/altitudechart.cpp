#include "altitudechart.h"

#include "juliantime.h"
#include "palette.h"
#include "ui.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tavik {

using almanac::AltitudeSample;

namespace {

constexpr QColor kBackground(0xF8, 0xF8, 0xF0);
constexpr QColor kSunLine(0xE0, 0x80, 0x00);
constexpr QColor kMoonLine(0x30, 0x50, 0xA0);
constexpr QColor kBestLine(0x20, 0x90, 0x40);

struct Axes {
    double t0, t1, lo, hi;
    QRectF area;
    QPointF at(double t, double alt) const
    {
        return {area.left() + (t - t0) / (t1 - t0) * area.width(),
                area.bottom() - (alt - lo) / (hi - lo) * area.height()};
    }
};

Axes axesFor(const QList<AltitudeSample>& s, const QRectF& area)
{
    double lo = 0, hi = 5;
    for (const AltitudeSample& a : s) {
        lo = std::min({lo, a.sun, a.moon});
        hi = std::max({hi, a.sun, a.moon});
    }
    return {s.first().jd, s.last().jd, std::floor(lo / 5) * 5, std::ceil(hi / 5) * 5, area};
}

void drawCurve(QPainter& p, const Axes& a, const QList<AltitudeSample>& s, double AltitudeSample::*which,
               const QColor& colour)
{
    QPainterPath path(a.at(s.first().jd, s.first().*which));
    for (const AltitudeSample& x : s)
        path.lineTo(a.at(x.jd, x.*which));
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// The first of the steps whose labels fit in `room` pixels, else the last.
double fittingStep(std::initializer_list<double> steps, double pixelsPerUnit, double room)
{
    for (double step : steps)
        if (step * pixelsPerUnit >= room)
            return step;
    return *(steps.end() - 1);
}

void drawAxes(QPainter& p, const Axes& a, const QTimeZone& zone)
{
    p.setFont(ui::font(QStringLiteral("Arial"), 8));
    const QFontMetricsF metrics(p.font());
    const double labelHeight = metrics.height();
    const double step = fittingStep({5, 10, 20, 30, 45}, a.area.height() / (a.hi - a.lo), labelHeight + 2);
    for (double alt = std::ceil(a.lo / step) * step; alt <= a.hi + 0.01; alt += step) {
        p.setPen(QPen(alt == 0 ? ui::kBlack : ui::kSilver, alt == 0 ? 1.5 : 0.6));
        p.drawLine(a.at(a.t0, alt), a.at(a.t1, alt));
        p.setPen(ui::kBlack);
        p.drawText(QRectF(0, a.at(a.t0, alt).y() - labelHeight / 2, a.area.left() - 4, labelHeight),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(int(alt)));
    }
    // A tick every quarter hour of local time, labelled every half hour or
    // less often, as the labels fit; none reaches past the plot's sides.
    const double quarter = 1.0 / 96.0;   // days
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("00:00")) + 8;
    const int everyMinutes = int(fittingStep({30, 60, 120, 180, 360}, a.area.width() / ((a.t1 - a.t0) * 1440), labelWidth));
    for (double t = std::ceil(a.t0 / quarter) * quarter; t <= a.t1; t += quarter) {
        const QDateTime local = localMinute(instantOfJulianDay(t), zone);
        const QPointF foot = a.at(t, a.lo);
        p.setPen(QPen(ui::kSilver, 0.6));
        p.drawLine(foot, a.at(t, a.hi));
        const QRectF label(foot.x() - labelWidth / 2, foot.y() + 2, labelWidth, labelHeight);
        const int minutes = local.time().hour() * 60 + local.time().minute();
        if (minutes % everyMinutes == 0 && label.left() >= a.area.left() - 4 && label.right() <= a.area.right() + 8) {
            p.setPen(ui::kBlack);
            p.drawText(label, Qt::AlignCenter, local.time().toString(QStringLiteral("HH:mm")));
        }
    }
}

}  // namespace

AltitudeChart::AltitudeChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("altitudeChart"));
    setMinimumSize(320, 160);
    setAccessibleName(tr("A Nap és a Hold magassága"));
}

void AltitudeChart::setSeries(const QList<AltitudeSample>& series, std::optional<double> best, const QTimeZone& zone)
{
    m_series = series;
    m_best = best;
    m_zone = zone;
    update();
}

void AltitudeChart::render(QPainter& p, const QRect& area) const
{
    p.save();
    p.fillRect(area, kBackground);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_series.size() >= 2) {
        const Axes a = axesFor(m_series, QRectF(area).adjusted(36, 28, -10, -20));
        drawAxes(p, a, m_zone);
        drawCurve(p, a, m_series, &AltitudeSample::sun, kSunLine);
        drawCurve(p, a, m_series, &AltitudeSample::moon, kMoonLine);
        if (m_best) {
            p.setPen(QPen(kBestLine, 1.5, Qt::DashLine));
            p.drawLine(a.at(*m_best, a.lo), a.at(*m_best, a.hi));
            p.drawText(a.at(*m_best, a.hi) + QPointF(3, 10), tr("legjobb", "the best time"));
        }
    }
    p.setFont(ui::font(QStringLiteral("Arial"), 9, true));
    p.setPen(kSunLine);
    p.drawText(QPointF(area.left() + 8, area.top() + 15), tr("Nap", "the Sun"));
    p.setPen(kMoonLine);
    p.drawText(QPointF(area.left() + 48, area.top() + 15), tr("Hold", "the Moon"));
    p.setPen(ui::kBlack);
    p.drawText(QPointF(area.left() + 96, area.top() + 15), tr("látszó magasság, helyi idő"));
    p.restore();
}

void AltitudeChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    render(p, rect());
}

}  // namespace tavik
