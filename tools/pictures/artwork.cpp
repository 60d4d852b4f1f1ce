#include "artwork.h"

#include "lunarfeatures.h"
#include "labels.h"
#include "moonrender.h"
#include "observation.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace tavik::pictures {

namespace {

DiscGeometry centredDisc(QSize size, double radius)
{
    return {QPointF(size.width() / 2.0, size.height() / 2.0), radius};
}

QImage onSky(QSize size)
{
    QImage sky(size, QImage::Format_RGB32);
    QPainter p(&sky);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0x0c, 0x12, 0x2a));
    gradient.setColorAt(1, QColor(0x02, 0x03, 0x0a));
    p.fillRect(sky.rect(), gradient);
    // A few faint stars, always in the same places.
    const std::array<QPoint, 9> stars{QPoint(8, 6), QPoint(63, 35), QPoint(97, 5), QPoint(142, 37),
                                      QPoint(177, 8), QPoint(226, 33), QPoint(249, 4), QPoint(292, 36),
                                      QPoint(120, 20)};
    for (const QPoint& s : stars)
        sky.setPixel(s, qRgb(0x70, 0x76, 0x88));
    return sky;
}

// Adds a moon rendered on black onto the picture: the sky shows through the
// night side.
void addLighter(QImage& target, const QImage& moon, QPoint at)
{
    for (int y = 0; y < moon.height(); ++y)
        for (int x = 0; x < moon.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (!target.rect().contains(p))
                continue;
            const QRgb m = moon.pixel(x, y);
            const QRgb t = target.pixel(p);
            target.setPixel(p, qRgb(std::max(qRed(m), qRed(t)), std::max(qGreen(m), qGreen(t)),
                                    std::max(qBlue(m), qBlue(t))));
        }
}

} // namespace

std::vector<PhasePicture> phasePictures()
{
    struct Span {
        QString file;
        double from;   // days
        double to;     // days
    };
    std::vector<Span> spans;
    double lower = 0;
    for (const PhaseBand& band : kPhaseBands) {
        const QString file = QString::fromUtf16(band.picture);
        if (!spans.empty() && spans.back().file == file)
            spans.back().to = band.upperBound;   // rows that share a picture
        else
            spans.push_back({file, lower, band.upperBound});
        lower = band.upperBound;
    }
    std::vector<PhasePicture> pictures;
    for (const Span& span : spans)
        pictures.push_back({span.file, (span.from + span.to) / 2});
    // The new moon is drawn at its moment, a dark disc in earthshine alone.
    pictures.front().ageDays = 0;
    return pictures;
}

QString dayPictureFile(int day)
{
    return QStringLiteral("Lunar-day%1s.gif").arg(day, 2, 10, QLatin1Char('0'));
}

QImage renderPhasePicture(const LunarSurface& surface, double ageDays)
{
    const QSize size(kPhasePictureSize, kPhasePictureSize);
    MoonLighting lighting;
    lighting.elongationDeg = elongationForAge(ageDays);
    return renderMoon(surface, lighting, size, centredDisc(size, 64.0), 4);
}

static void collectNames(const std::vector<PlacedLabel>& placed, QStringList* names)
{
    if (!names)
        return;
    for (const PlacedLabel& label : placed)
        *names << label.name;
}

QImage renderDayPicture(const LunarSurface& surface, int day, QStringList* names)
{
    MoonLighting lighting;
    lighting.elongationDeg = elongationForAge(day);
    const DiscGeometry disc = centredDisc(kDayPictureSize, kDayDiscRadius);
    QImage image = renderMoon(surface, lighting, kDayPictureSize, disc, 3);
    collectNames(drawLabels(image, featuresNearTerminator(lighting.elongationDeg, kLabelLitBand, kLabelDarkBand),
                            disc, {13, true}),
                 names);
    drawCaption(image, QStringLiteral("%1. nap").arg(day), QPointF(12, 10), 22);
    return image;
}

QImage renderMapPicture(const LunarSurface& surface, QStringList* names)
{
    MoonLighting lighting;
    lighting.even = true;
    const DiscGeometry disc = centredDisc(kDayPictureSize, kDayDiscRadius);
    QImage image = renderMoon(surface, lighting, kDayPictureSize, disc, 3);
    collectNames(drawLabels(image, featuresByRank(), disc, {12, true}), names);
    drawCaption(image, QStringLiteral("A Hold látható oldala"), QPointF(12, 10), 22);
    return image;
}

QImage renderBanner(const LunarSurface& surface)
{
    QImage banner = onSky(kBannerSize);
    const std::array<double, 7> ages{3.5, 6.5, 10.0, 14.8, 19.5, 23.0, 26.0};   // days
    constexpr int kMoon = 36;                                                  // pixels
    const QSize size(kMoon, kMoon);
    for (std::size_t i = 0; i < ages.size(); ++i) {
        MoonLighting lighting;
        lighting.elongationDeg = elongationForAge(ages[i]);
        const QImage moon = renderMoon(surface, lighting, size, centredDisc(size, 16.5), 4);
        const int centre = 22 + int(i) * 43;
        addLighter(banner, moon, QPoint(centre - kMoon / 2, (kBannerSize.height() - kMoon) / 2));
    }
    return banner;
}

QImage renderIcon(const LunarSurface& surface, int size)
{
    MoonLighting lighting;
    lighting.elongationDeg = elongationForAge(5.0);
    lighting.earthshine = 0;
    const QSize square(size, size);
    const QImage moon = renderMoon(surface, lighting, square, centredDisc(square, size * 0.48), 4);
    QImage icon(square, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            // Sunlit parts opaque in a warm moonlight, the night side clear.
            const double lum = qGray(moon.pixel(x, y)) / 255.0;
            const double alpha = std::clamp(lum / 0.25, 0.0, 1.0);
            const double shade = 0.62 + 0.38 * std::min(1.0, lum / 0.8);
            icon.setPixel(x, y, qRgba(int(255 * shade), int(236 * shade), int(170 * shade),
                                      int(std::lround(255 * alpha))));
        }
    return icon;
}

} // namespace tavik::pictures
