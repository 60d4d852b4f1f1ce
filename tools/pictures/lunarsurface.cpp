#include "lunarsurface.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace tavik::pictures {

Vec3 normalized(const Vec3& v)
{
    const double len = std::sqrt(dot(v, v));
    if (len <= 0)
        return {0, 0, 1};
    return {v.x / len, v.y / len, v.z / len};
}

double toLinear(double srgb01)
{
    return std::pow(std::clamp(srgb01, 0.0, 1.0), 2.2);
}

double toDisplay(double linear)
{
    return std::pow(std::clamp(linear, 0.0, 1.0), 1.0 / 2.2);
}

template <typename Fetch>
auto LunarSurface::sample(const Grid& grid, double latDeg, double lonDeg, Fetch fetch)
{
    // Pixel centres sit half a pixel in from the edges; longitude wraps,
    // latitude stops at the poles.
    const double fx = (lonDeg + 180.0) / 360.0 * grid.width - 0.5;
    const double fy = (90.0 - latDeg) / 180.0 * grid.height - 0.5;
    const double x0f = std::floor(fx);
    const double y0f = std::floor(fy);
    const double tx = fx - x0f;
    const double ty = fy - y0f;
    auto wrapX = [&](int x) { return ((x % grid.width) + grid.width) % grid.width; };
    auto clampY = [&](int y) { return std::clamp(y, 0, grid.height - 1); };
    const int x0 = wrapX(int(x0f));
    const int x1 = wrapX(int(x0f) + 1);
    const int y0 = clampY(int(y0f));
    const int y1 = clampY(int(y0f) + 1);
    auto top = fetch(x0, y0) * (1 - tx) + fetch(x1, y0) * tx;
    auto bottom = fetch(x0, y1) * (1 - tx) + fetch(x1, y1) * tx;
    return top * (1 - ty) + bottom * ty;
}

namespace {

struct Normal {
    Vec3 v;
};
Normal operator*(const Normal& n, double k) { return {{n.v.x * k, n.v.y * k, n.v.z * k}}; }
Normal operator+(const Normal& a, const Normal& b)
{
    return {{a.v.x + b.v.x, a.v.y + b.v.y, a.v.z + b.v.z}};
}

double percentile(std::vector<float> values, double share)
{
    if (values.empty())
        return 1.0;
    const auto k = std::size_t(share * double(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(k), values.end());
    return values[k];
}

} // namespace

std::optional<LunarSurface> LunarSurface::fromImages(const QImage& albedo, const QImage& normals)
{
    if (albedo.isNull() || albedo.width() < 2 || albedo.height() < 2)
        return std::nullopt;
    LunarSurface surface;
    const QImage grey = albedo.convertToFormat(QImage::Format_RGB32);
    surface.m_albedoGrid = {grey.width(), grey.height()};
    surface.m_albedo.reserve(std::size_t(grey.width()) * std::size_t(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(grey.constScanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const double luma = 0.299 * qRed(line[x]) + 0.587 * qGreen(line[x]) + 0.114 * qBlue(line[x]);
            surface.m_albedo.push_back(float(toLinear(luma / 255.0)));
        }
    }
    surface.m_bright = std::max(1e-3, percentile(surface.m_albedo, 0.99));
    if (!normals.isNull() && normals.width() >= 2 && normals.height() >= 2) {
        const QImage rgb = normals.convertToFormat(QImage::Format_RGB32);
        surface.m_normalGrid = {rgb.width(), rgb.height()};
        surface.m_normals.reserve(std::size_t(rgb.width()) * std::size_t(rgb.height()));
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x) {
                // Red grows eastwards and green southwards, down the map.
                const QRgb p = line[x];
                surface.m_normals.push_back(normalized(
                    {qRed(p) / 127.5 - 1.0, 1.0 - qGreen(p) / 127.5, qBlue(p) / 127.5 - 1.0}));
            }
        }
    }
    return surface;
}

std::optional<LunarSurface> LunarSurface::load(const QString& albedoPath, const QString& normalsPath,
                                               QString* error)
{
    QImageReader albedoReader(albedoPath);
    albedoReader.setAllocationLimit(512);
    const QImage albedo = albedoReader.read();
    if (albedo.isNull()) {
        if (error)
            *error = QStringLiteral("cannot read the lunar map %1: %2").arg(albedoPath, albedoReader.errorString());
        return std::nullopt;
    }
    QImage normals;
    if (!normalsPath.isEmpty())
        normals = QImageReader(normalsPath).read();
    auto surface = fromImages(albedo, normals);
    if (!surface && error)
        *error = QStringLiteral("the lunar map %1 is too small").arg(albedoPath);
    return surface;
}

double LunarSurface::albedo(double latDeg, double lonDeg) const
{
    return sample(m_albedoGrid, latDeg, lonDeg, [this](int x, int y) {
        return double(m_albedo[std::size_t(y) * std::size_t(m_albedoGrid.width) + std::size_t(x)]);
    });
}

Vec3 LunarSurface::tangentNormal(double latDeg, double lonDeg) const
{
    if (m_normals.empty())
        return {0, 0, 1};
    const Normal n = sample(m_normalGrid, latDeg, lonDeg, [this](int x, int y) {
        return Normal{m_normals[std::size_t(y) * std::size_t(m_normalGrid.width) + std::size_t(x)]};
    });
    return normalized(n.v);
}

} // namespace tavik::pictures
