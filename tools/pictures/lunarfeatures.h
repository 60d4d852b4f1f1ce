// The named features that the pictures label: the chief maria, mountain
// ranges and craters of the near side, with their Hungarian names.
#pragma once

#include <QString>
#include <span>
#include <vector>

namespace tavik::pictures {

enum class FeatureKind { Sea, Mountains, Crater };

struct LunarFeature {
    const char16_t* name;   // Hungarian
    double latitude;        // degrees, north positive
    double longitude;       // degrees, east (towards Mare Crisium) positive
    FeatureKind kind;
    int rank;               // 1 for the best known; lower ranks win crowded places
    double sizeKm;          // diameter, or the length of a range
};

std::span<const LunarFeature> lunarFeatures();

// The features near the terminator for that elongation, best known first:
// what an observer looks for that night. litBandDeg is the reach in longitude
// of a feature's centre into the sunlit side, darkBandDeg that of its sunlit
// edge into the night side, where only peaks catch the light.
std::vector<LunarFeature> featuresNearTerminator(double elongationDeg, double litBandDeg,
                                                 double darkBandDeg);
// Every feature, best known first.
std::vector<LunarFeature> featuresByRank();

} // namespace tavik::pictures
