#include "moonrender.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tavik::pictures {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
// Earthshine on the night side at new moon, as a share of the sunlit albedo.
constexpr double kEarthshineLevel = 0.010;
// Slopes facing the Sun stay lit this far (in cos of the Sun's zenith angle)
// beyond the smooth sphere's terminator: the peaks that catch the first light.
constexpr double kTerminatorReach = 0.035;

// McEwen's phase function for the lunar-Lambert law; alpha in degrees.
double lunarLambertWeight(double alphaDeg)
{
    const double a = alphaDeg;
    return std::clamp(1.0 - 0.019 * a + 2.42e-4 * a * a - 1.46e-6 * a * a * a, 0.0, 1.0);
}

struct SunSetup {
    Vec3 sun;              // towards the Sun, in view coordinates
    double weight = 1;     // lunar-Lambert L
    double earthshine = 0; // linear share of the albedo
};

SunSetup sunSetup(const MoonLighting& lighting)
{
    const double e = lighting.elongationDeg * kDeg;
    SunSetup s;
    // x to the right, y up (north), z towards the viewer on Earth.
    s.sun = {std::sin(e), 0.0, -std::cos(e)};
    s.weight = lunarLambertWeight(std::abs(180.0 - std::fmod(lighting.elongationDeg + 360.0, 360.0)));
    // The Earth's own phase seen from the Moon, cubed: bright on a young
    // crescent, gone by the quarter.
    const double earthPhase = (1.0 + std::cos(e)) / 2.0;
    s.earthshine = lighting.earthshine * kEarthshineLevel * earthPhase * earthPhase * earthPhase;
    return s;
}

struct Sample {
    double sunlit = 0;     // linear, before exposure
    double earthlit = 0;   // linear
    bool inDisc = false;
};

// The surface normal tilted by the normal map's slopes; up is the smooth
// sphere's normal in view coordinates.
Vec3 reliefNormal(const LunarSurface& surface, double relief, const Vec3& up, double latDeg, double lonDeg)
{
    const double cl = std::cos(lonDeg * kDeg);
    const double sl = std::sin(lonDeg * kDeg);
    const double v = up.y;
    const Vec3 east{cl, 0.0, -sl};
    const Vec3 north{-v * sl, std::sqrt(std::max(0.0, 1.0 - v * v)), -v * cl};
    const Vec3 t = surface.tangentNormal(latDeg, lonDeg);
    const double e = relief * t.x;
    const double n = relief * t.y;
    return normalized({e * east.x + n * north.x + t.z * up.x,
                       e * east.y + n * north.y + t.z * up.y,
                       e * east.z + n * north.z + t.z * up.z});
}

Sample shade(const LunarSurface& surface, const MoonLighting& lighting, const SunSetup& sun,
             double u, double v)
{
    const double rr = u * u + v * v;
    if (rr >= 1.0)
        return {};
    const double w = std::sqrt(1.0 - rr);
    const double latDeg = std::asin(v) / kDeg;
    const double lonDeg = std::atan2(u, w) / kDeg;
    const double albedo = surface.albedo(latDeg, lonDeg);
    Sample s{0, albedo * sun.earthshine, true};
    if (lighting.even) {
        s.sunlit = albedo;
        return s;
    }
    const Vec3 up{u, v, w};
    const double sphereMu0 = dot(up, sun.sun);
    if (sphereMu0 <= -kTerminatorReach)
        return s;
    const Vec3 n = surface.hasRelief() ? reliefNormal(surface, lighting.relief, up, latDeg, lonDeg) : up;
    const double mu0 = dot(n, sun.sun);
    const double mu = std::max(1e-3, n.z);
    if (mu0 <= 0)
        return s;
    const double fade = std::clamp((sphereMu0 + kTerminatorReach) / kTerminatorReach, 0.0, 1.0);
    const double l = sun.weight;
    s.sunlit = fade * albedo * (2.0 * l * mu0 / (mu0 + mu) + (1.0 - l) * mu0);
    return s;
}

// Brings the brightest sunlit parts to the map's own bright albedo, so that
// crescents are as legible as the full Moon.
double exposureGain(const std::vector<float>& sunlit, double target)
{
    std::vector<float> lit;
    lit.reserve(sunlit.size());
    for (float value : sunlit)
        if (value > 0)
            lit.push_back(value);
    if (lit.size() < 8)
        return 1.0;
    const auto k = std::size_t(0.99 * double(lit.size() - 1));
    std::nth_element(lit.begin(), lit.begin() + std::ptrdiff_t(k), lit.end());
    return std::clamp(target / std::max(1e-6, double(lit[k])), 1.0, 4.0);
}

} // namespace

double elongationForAge(double ageDays)
{
    const double e = std::fmod(360.0 * ageDays / kSynodicDays, 360.0);
    return e < 0 ? e + 360.0 : e;
}

double litShare(double elongationDeg)
{
    return (1.0 - std::cos(elongationDeg * kDeg)) / 2.0;
}

double terminatorLongitude(double elongationDeg)
{
    const double e = std::fmod(std::fmod(elongationDeg, 360.0) + 360.0, 360.0);
    return e <= 180.0 ? 90.0 - e : 270.0 - e;   // [-90, 90]
}

std::optional<QPointF> projectToImage(double latDeg, double lonDeg, const DiscGeometry& disc)
{
    const double phi = latDeg * kDeg;
    const double lambda = lonDeg * kDeg;
    if (std::cos(phi) * std::cos(lambda) < 0)
        return std::nullopt;
    const double x = std::cos(phi) * std::sin(lambda);
    const double y = std::sin(phi);
    return QPointF(disc.centre.x() + x * disc.radius, disc.centre.y() - y * disc.radius);
}

namespace {

struct Buffers {
    std::vector<float> sunlit;     // linear, before exposure
    std::vector<float> earthlit;   // linear
};

// n × n samples a pixel, averaged.
Buffers sampleDisc(const LunarSurface& surface, const MoonLighting& lighting, QSize size,
                   const DiscGeometry& disc, int n)
{
    const SunSetup sun = sunSetup(lighting);
    const std::size_t pixels = std::size_t(size.width()) * std::size_t(size.height());
    Buffers out{std::vector<float>(pixels, 0.0f), std::vector<float>(pixels, 0.0f)};
    for (int py = 0; py < size.height(); ++py) {
        for (int px = 0; px < size.width(); ++px) {
            double lit = 0;
            double dark = 0;
            for (int j = 0; j < n; ++j) {
                for (int i = 0; i < n; ++i) {
                    const double u = (px + (i + 0.5) / n - disc.centre.x()) / disc.radius;
                    const double v = (disc.centre.y() - (py + (j + 0.5) / n)) / disc.radius;
                    const Sample s = shade(surface, lighting, sun, u, v);
                    lit += s.sunlit;
                    dark += s.earthlit;
                }
            }
            const std::size_t at = std::size_t(py) * std::size_t(size.width()) + std::size_t(px);
            out.sunlit[at] = float(lit / (n * n));
            out.earthlit[at] = float(dark / (n * n));
        }
    }
    return out;
}

} // namespace

QImage renderMoon(const LunarSurface& surface, const MoonLighting& lighting, QSize size,
                  const DiscGeometry& disc, int supersample)
{
    const Buffers light = sampleDisc(surface, lighting, size, disc, std::max(1, supersample));
    const double gain = lighting.even ? 1.0 : exposureGain(light.sunlit, surface.brightAlbedo());
    QImage image(size, QImage::Format_RGB32);
    for (int py = 0; py < size.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < size.width(); ++px) {
            const std::size_t at = std::size_t(py) * std::size_t(size.width()) + std::size_t(px);
            const int g = int(std::lround(255.0 * toDisplay(gain * light.sunlit[at] + light.earthlit[at])));
            line[px] = qRgb(g, g, g);
        }
    }
    return image;
}

} // namespace tavik::pictures
