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

// The degrees shown: at least 40 of azimuth and 25 of altitude around the
// Sun and the Moon, on whole multiples of 5.
struct Frame {
    double azFrom, azTo, altFrom, altTo;
    QRectF area;
    QPointF at(double az, double alt) const
    {
        return {area.left() + (az - azFrom) / (azTo - azFrom) * area.width(),
                area.bottom() - (alt - altFrom) / (altTo - altFrom) * area.height()};
    }
};

// The Moon's azimuth unwrapped to lie within 180 degrees of the Sun's.
double nearSun(double az, double sunAz)
{
    return sunAz + almanac::normalizeDegrees180(az - sunAz);
}

Frame frameFor(const SkyScene& s, const QRectF& area)
{
    const double moonAz = nearSun(s.moon.azimuth, s.sun.azimuth);
    const double midAz = (moonAz + s.sun.azimuth) / 2;
    const double halfWidth = std::max(20.0, std::abs(moonAz - s.sun.azimuth) / 2 + 8);
    const double low = std::min({-10.0, s.sun.apparentAltitude - 4, s.moon.apparentAltitude - 4});
    const double high = std::max({15.0, s.sun.apparentAltitude + 6, s.moon.apparentAltitude + 6});
    Frame f{std::floor((midAz - halfWidth) / 5) * 5, std::ceil((midAz + halfWidth) / 5) * 5,
            std::floor(low / 5) * 5, std::ceil(high / 5) * 5, area};
    return f;
}

void drawGrid(QPainter& p, const Frame& f)
{
    p.setFont(ui::font(QStringLiteral("Arial"), 8));
    p.setPen(QPen(kGridLine, 0.6, Qt::DotLine));
    for (double az = f.azFrom; az <= f.azTo + 0.01; az += 5) {
        const QPointF top = f.at(az, f.altTo);
        p.drawLine(top, f.at(az, f.altFrom));
        if (std::fmod(az, 10.0) == 0)
            p.drawText(QPointF(top.x() + 2, f.area.bottom() - 3),
                       QStringLiteral("%1°").arg(int(std::fmod(az + 720.0, 360.0))));
    }
    for (double alt = f.altFrom; alt <= f.altTo + 0.01; alt += 5) {
        p.drawLine(f.at(f.azFrom, alt), f.at(f.azTo, alt));
        if (alt < f.altTo)   // the top line stays clear of the caption
            p.drawText(f.at(f.azFrom, alt) + QPointF(3, -2), QStringLiteral("%1°").arg(int(alt)));
    }
}

// The crescent in a frame whose x axis points at the Sun: the lit limb on
// the right, the terminator a half ellipse.
QPainterPath litPart(double r, double fraction)
{
    const double e = r * std::abs(1.0 - 2.0 * fraction);
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
    setAccessibleName(QStringLiteral("Az égbolt a Nap felé"));
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
        const Frame f = frameFor(m_scene, QRectF(area).adjusted(4, 22, -4, -4));
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
        // crescent's shape and tilt can be read.
        drawMoon(p, f.at(moonAz, m_scene.moon.apparentAltitude), std::max(18.0, area.height() / 9.0), m_scene);
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
