#include "skyview.h"

#include "palette.h"
#include "ui.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tavik {

using almanac::SkyScene;
using almanac::YallopClass;

namespace {

constexpr QColor kSkyTop(0x10, 0x1C, 0x3C);
constexpr QColor kSkyLow(0x3C, 0x50, 0x80);
constexpr QColor kGround(0x20, 0x24, 0x20);
constexpr QColor kGridLine(0x80, 0x90, 0xB0);
constexpr QColor kSun(0xFF, 0xB0, 0x30);
constexpr QColor kDarkMoon(0x2A, 0x2E, 0x3A);   // the unlit disc, faintly in earthshine

constexpr double kGridStep = 5.0;            // degrees between grid lines
constexpr double kThinnestCrescent = 2.5;    // pixels: a thin crescent stays visible

// The Moon's azimuth unwrapped to lie within 180 degrees of the Sun's.
double nearSun(double az, double sunAz)
{
    return sunAz + almanac::normalizeDegrees180(az - sunAz);
}

// Every how many degrees a label fits in `room` pixels: 5, 10, 20, 30, 45, 90.
double labelStep(double pixelsPerDegree, double room)
{
    for (double step : {5.0, 10.0, 20.0, 30.0, 45.0})
        if (step * pixelsPerDegree >= room)
            return step;
    return 90.0;
}

bool onStep(double degrees, double step)
{
    return std::abs(std::remainder(degrees, step)) < 0.01;
}

void drawGrid(QPainter& p, const SkyFrame& f)
{
    p.setFont(ui::font(QStringLiteral("Arial"), 8));
    const QFontMetricsF metrics(p.font());
    const double azLabels = labelStep(f.pixelsPerDegree(), metrics.horizontalAdvance(QStringLiteral("360°")) + 6);
    const double altLabels = labelStep(f.pixelsPerDegree(), metrics.height() + 2);
    const double firstAz = std::ceil(f.azFrom / kGridStep) * kGridStep;
    const double firstAlt = std::ceil(f.altFrom / kGridStep) * kGridStep;
    const double labelRight = f.area.right() - metrics.horizontalAdvance(QStringLiteral("360°")) - 2;
    for (double az = firstAz; az <= f.azTo + 0.01; az += kGridStep) {
        const QPointF top = f.at(az, f.altTo);
        p.setPen(QPen(kGridLine, 0.6, Qt::DotLine));
        p.drawLine(top, f.at(az, f.altFrom));
        if (onStep(az, azLabels) && top.x() + 2 <= labelRight)
            p.drawText(QPointF(top.x() + 2, f.area.bottom() - 3),
                       QStringLiteral("%1°").arg(int(std::fmod(az + 720.0, 360.0))));
    }
    // The altitudes' labels keep above the azimuths' row and below the note
    // at the top.
    const double lowest = f.area.bottom() - metrics.height() - 2;
    const double highest = f.area.top() + 2 * metrics.height();
    for (double alt = firstAlt; alt <= f.altTo + 0.01; alt += kGridStep) {
        p.drawLine(f.at(f.azFrom, alt), f.at(f.azTo, alt));
        const QPointF at = f.at(f.azFrom, alt) + QPointF(3, -2);
        if (onStep(alt, altLabels) && at.y() - metrics.ascent() >= highest && at.y() <= lowest)
            p.drawText(at, QStringLiteral("%1°").arg(int(alt)));
    }
}

// The crescent in a frame whose x axis points at the Sun: the lit limb on
// the right, the terminator a half ellipse, never thinner than a few pixels.
QPainterPath litPart(double r, double fraction)
{
    double e = r * std::abs(1.0 - 2.0 * fraction);
    if (fraction > 0 && fraction < 0.5)
        e = std::min(e, r - kThinnestCrescent);
    QPainterPath path(QPointF(0, -r));
    path.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, -180);
    if (fraction < 0.5)
        path.arcTo(QRectF(-e, -r, 2 * e, 2 * r), -90, 180);
    else
        path.arcTo(QRectF(-e, -r, 2 * e, 2 * r), 270, -180);
    path.closeSubpath();
    return path;
}

void drawMoon(QPainter& p, const QPointF& at, double r, const SkyScene& s)
{
    p.save();
    p.translate(at);
    p.rotate(-s.limbAngle);   // counterclockwise on the screen, whose y axis points down
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkMoon);
    p.drawEllipse(QPointF(0, 0), r, r);
    p.setBrush(visibilityColour(s.visibility));
    p.drawPath(litPart(r, std::clamp(s.litFraction, 0.0, 1.0)));
    p.restore();
}

}  // namespace

QPointF SkyFrame::at(double az, double alt) const
{
    return {area.left() + (az - azFrom) / (azTo - azFrom) * area.width(),
            area.bottom() - (alt - altFrom) / (altTo - altFrom) * area.height()};
}

SkyFrame skyFrame(const SkyScene& s, const QRectF& area)
{
    const double moonAz = nearSun(s.moon.azimuth, s.sun.azimuth);
    const double midAz = (moonAz + s.sun.azimuth) / 2;
    const double width = std::max(40.0, std::abs(moonAz - s.sun.azimuth) + 16);   // degrees
    const double low = std::min({-10.0, s.sun.apparentAltitude - 4, s.moon.apparentAltitude - 4});
    const double high = std::max({15.0, s.sun.apparentAltitude + 6, s.moon.apparentAltitude + 6});
    const double scale = std::min(area.width() / width, area.height() / (high - low));   // pixels a degree
    const double azSpan = area.width() / scale;
    const double altSpan = area.height() / scale;
    // Room to spare goes mostly to the sky, a quarter of it to the ground.
    const double altFrom = low - (altSpan - (high - low)) / 4;
    return SkyFrame{midAz - azSpan / 2, midAz + azSpan / 2, altFrom, altFrom + altSpan, area};
}

QColor visibilityColour(std::optional<YallopClass> c)
{
    if (!c)
        return QColor(0xB0, 0xB0, 0xB0);
    switch (*c) {
    case YallopClass::A: return QColor(0x40, 0xD0, 0x40);
    case YallopClass::B: return QColor(0xB0, 0xE0, 0x30);
    case YallopClass::C: return QColor(0xF0, 0xE0, 0x30);
    case YallopClass::D: return QColor(0xF0, 0xA0, 0x30);
    case YallopClass::E: return QColor(0xE0, 0x50, 0x40);
    case YallopClass::F: break;
    }
    return QColor(0xA0, 0x60, 0xA0);
}

SkyView::SkyView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("skyView"));
    setMinimumSize(320, 200);
    setAccessibleName(tr("Az égbolt a Nap felé"));
}

void SkyView::setScene(const SkyScene& scene, const QString& caption)
{
    m_scene = scene;
    m_caption = caption;
    m_hasScene = true;
    setAccessibleDescription(caption);
    update();
}

void SkyView::render(QPainter& p, const QRect& area) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(1, kSkyLow);
    p.fillRect(area, sky);
    if (m_hasScene) {
        const SkyFrame f = skyFrame(m_scene, QRectF(area).adjusted(4, 22, -4, -4));
        const QPointF horizonLeft = f.at(f.azFrom, 0);
        p.fillRect(QRectF(horizonLeft, f.area.bottomRight()), kGround);
        drawGrid(p, f);
        p.setPen(QPen(ui::kWhite, 1.5));
        p.drawLine(horizonLeft, f.at(f.azTo, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(kSun);
        p.drawEllipse(f.at(m_scene.sun.azimuth, m_scene.sun.apparentAltitude), 9, 9);
        const double moonAz = nearSun(m_scene.moon.azimuth, m_scene.sun.azimuth);
        // Far larger than the Moon would be at this scale, so that the
        // crescent's shape and tilt can be read; the picture says so.
        drawMoon(p, f.at(moonAz, m_scene.moon.apparentAltitude), std::max(18.0, area.height() / 9.0), m_scene);
        QFont note = ui::font(QStringLiteral("Arial"), 8);
        note.setItalic(true);
        p.setFont(note);
        p.setPen(ui::kWhite);
        p.drawText(f.area.adjusted(0, 2, -4, 0), Qt::AlignRight | Qt::AlignTop,
                   tr("A Hold nagyítva, a szögek méretarányosak"));
    }
    p.setPen(ui::kWhite);
    p.setFont(ui::font(QStringLiteral("Arial"), 9, true));
    p.drawText(QRectF(area).adjusted(6, 3, -6, 0), Qt::AlignLeft | Qt::AlignTop, m_caption);
    p.restore();
}

void SkyView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    render(p, rect());
}

}  // namespace tavik
