// The picture tool's half of Tavik: the lunar surface maps, the renderer, the
// table of named features, the labels, the GIF writer and the set of pictures
// that the program reads from Pic/ and resources/.
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace tavik::pictures {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalized(const Vec3& v);

// A cylindrical (equirectangular) map of the whole Moon: longitude 0 at the
// map's horizontal centre, east to the right, north at the top. Holds the
// albedo as linear light, and optionally a tangent-space normal map that puts
// the relief back near the terminator.
class LunarSurface {
public:
    // Empty or null images give no surface.
    static std::optional<LunarSurface> fromImages(const QImage& albedo, const QImage& normals = {});
    // An empty normalsPath, or a normal map that cannot be read, leaves the
    // surface smooth; an unreadable albedo map is an error.
    static std::optional<LunarSurface> load(const QString& albedoPath, const QString& normalsPath,
                                            QString* error);

    double albedo(double latDeg, double lonDeg) const;          // linear, [0, 1]
    bool hasRelief() const { return !m_normals.empty(); }
    // (east, north, up) components of the local surface normal.
    Vec3 tangentNormal(double latDeg, double lonDeg) const;
    double brightAlbedo() const { return m_bright; }             // 99th percentile, linear

private:
    struct Grid {
        int width = 0;
        int height = 0;
    };
    template <typename Fetch>
    static auto sample(const Grid& grid, double latDeg, double lonDeg, Fetch fetch);

    Grid m_albedoGrid;
    Grid m_normalGrid;
    std::vector<float> m_albedo;
    std::vector<Vec3> m_normals;
    double m_bright = 1.0;
};

// sRGB byte value <-> linear light.
double toLinear(double srgb01);
double toDisplay(double linear);

} // namespace tavik::pictures
