#include "lunarfeatures.h"

#include "moonrender.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tavik::pictures {

namespace {

using enum FeatureKind;

constexpr double kMoonRadius = 1737.4;     // km
constexpr double kMaxHalfWidth = 12;       // degrees; the middle of a larger sea is too far off

// Half the feature's extent in longitude; a large feature shows its sunlit
// edge while its middle is still in the dark.
double halfWidthDeg(const LunarFeature& f)
{
    const double perDegree = kMoonRadius * std::numbers::pi / 180.0 * std::cos(f.latitude * std::numbers::pi / 180.0);
    return std::min(kMaxHalfWidth, f.sizeKm / 2.0 / perDegree);
}

// Selenographic coordinates of the feature's centre and its diameter (or a
// range's length), after the IAU gazetteer of planetary nomenclature.
constexpr std::array kFeatures = std::to_array<LunarFeature>({
    {u"Viharok óceánja", 18.4, -57.4, Sea, 1, 2568},
    {u"Esők tengere", 32.8, -15.6, Sea, 1, 1123},
    {u"Derültség tengere", 28.0, 17.5, Sea, 1, 707},
    {u"Nyugalom tengere", 8.5, 31.4, Sea, 1, 873},
    {u"Válságok tengere", 17.0, 59.1, Sea, 1, 418},
    {u"Termékenység tengere", -7.8, 51.3, Sea, 1, 909},
    {u"Nektár tengere", -15.2, 35.5, Sea, 1, 333},
    {u"Gőzök tengere", 13.3, 3.6, Sea, 1, 245},
    {u"Felhők tengere", -21.3, -16.6, Sea, 1, 715},
    {u"Nedvesség tengere", -24.4, -38.6, Sea, 1, 389},
    {u"Hidegség tengere", 56.0, 1.4, Sea, 1, 1596},
    {u"Megismert tenger", -10.0, -23.1, Sea, 2, 376},
    {u"Szigetek tengere", 7.5, -30.9, Sea, 2, 513},
    {u"Habzó tenger", 1.1, 65.1, Sea, 3, 139},
    {u"Hullámok tengere", 6.8, 68.4, Sea, 3, 243},
    {u"Szivárvány-öböl", 44.1, -31.5, Sea, 2, 236},
    {u"Középső-öböl", 2.4, 1.7, Sea, 3, 335},
    {u"Álmok tava", 38.0, 29.2, Sea, 3, 384},
    {u"Humboldt-tenger", 56.8, 81.5, Sea, 3, 273},
    {u"Apenninek", 18.9, -3.7, Mountains, 2, 600},
    {u"Alpok", 46.4, -0.8, Mountains, 2, 280},
    {u"Kaukázus", 38.4, 10.0, Mountains, 2, 445},
    {u"Kárpátok", 14.5, -24.4, Mountains, 3, 361},
    {u"Jura", 47.1, -34.0, Mountains, 3, 422},
    {u"Egyenes fal", -22.1, -7.8, Mountains, 2, 110},
    {u"Kopernikusz", 9.6, -20.1, Crater, 1, 93},
    {u"Kepler", 8.1, -38.0, Crater, 1, 31},
    {u"Tycho", -43.3, -11.4, Crater, 1, 85},
    {u"Platón", 51.6, -9.4, Crater, 1, 101},
    {u"Arisztarkhosz", 23.7, -47.4, Crater, 1, 40},
    {u"Ptolemaiosz", -9.3, -1.9, Crater, 1, 154},
    {u"Theophilus", -11.4, 26.4, Crater, 1, 100},
    {u"Klavius", -58.4, -14.4, Crater, 1, 231},
    {u"Grimaldi", -5.5, -68.3, Crater, 1, 173},
    {u"Langrenus", -8.9, 61.0, Crater, 1, 132},
    {u"Petavius", -25.1, 60.4, Crater, 1, 177},
    {u"Archimédesz", 29.7, -4.0, Crater, 1, 81},
    {u"Arisztotelész", 50.2, 17.4, Crater, 2, 88},
    {u"Eudoxosz", 44.3, 16.3, Crater, 2, 67},
    {u"Poszeidóniosz", 31.8, 29.9, Crater, 2, 95},
    {u"Atlasz", 46.7, 44.4, Crater, 2, 87},
    {u"Herkules", 46.7, 39.1, Crater, 3, 69},
    {u"Kleomédész", 27.7, 55.5, Crater, 2, 125},
    {u"Endymion", 53.6, 57.0, Crater, 3, 123},
    {u"Gassendi", -17.6, -40.1, Crater, 2, 110},
    {u"Schickard", -44.4, -54.6, Crater, 2, 206},
    {u"Eratoszthenész", 14.5, -11.3, Crater, 2, 58},
    {u"Alphonsus", -13.4, -2.8, Crater, 2, 108},
    {u"Arzachel", -18.2, -1.9, Crater, 2, 96},
    {u"Albategnius", -11.2, 4.0, Crater, 2, 129},
    {u"Hipparkhosz", -5.5, 4.8, Crater, 2, 138},
    {u"Manilius", 14.5, 9.1, Crater, 3, 38},
    {u"Menelaosz", 16.3, 16.0, Crater, 3, 26},
    {u"Cyrillus", -13.2, 24.0, Crater, 3, 98},
    {u"Catharina", -18.1, 23.6, Crater, 3, 99},
    {u"Fracastorius", -21.5, 33.2, Crater, 3, 124},
    {u"Piccolomini", -29.7, 32.2, Crater, 3, 88},
    {u"Maurolycus", -41.8, 14.0, Crater, 3, 114},
    {u"Walter", -33.0, 0.7, Crater, 3, 128},
    {u"Proklosz", 16.1, 46.8, Crater, 3, 28},
    {u"Messier", -1.9, 47.6, Crater, 3, 11},
    {u"Vendelinus", -16.4, 61.6, Crater, 3, 131},
    {u"Furnerius", -36.0, 60.6, Crater, 3, 125},
    {u"Bullialdus", -20.7, -22.2, Crater, 3, 61},
    {u"Pitatus", -29.9, -13.5, Crater, 3, 97},
    {u"Longomontanus", -49.6, -21.7, Crater, 3, 157},
    {u"Schiller", -51.8, -40.0, Crater, 3, 180},
    {u"Letronne", -10.8, -42.5, Crater, 3, 116},
    {u"Reiner", 7.0, -54.9, Crater, 3, 29},
    {u"Hérodotosz", 23.2, -49.7, Crater, 3, 34},
    {u"Timokharisz", 26.7, -13.1, Crater, 3, 33},
    {u"Arisztillosz", 33.9, 1.2, Crater, 3, 54},
    {u"Autolükosz", 30.7, 1.5, Crater, 3, 39},
    {u"Cassini", 40.2, 4.6, Crater, 3, 57},
    {u"Gauss", 35.7, 79.0, Crater, 3, 177},
    {u"Humboldt", -27.2, 80.9, Crater, 3, 189},
    {u"Macrobius", 21.3, 46.0, Crater, 3, 63},
    {u"Maginus", -50.0, -6.2, Crater, 3, 194},
    {u"Hevelius", 2.2, -67.6, Crater, 3, 115},
    {u"Mersenius", -21.5, -49.2, Crater, 3, 84},
    {u"Janssen", -45.4, 40.3, Crater, 3, 190},
    {u"Geminus", 34.5, 56.7, Crater, 3, 86},
    {u"Püthagorasz", 63.7, -63.0, Crater, 3, 142},
    {u"Anaxagorasz", 73.4, -10.1, Crater, 3, 51},
});

std::vector<LunarFeature> sortedByRank(std::vector<LunarFeature> features)
{
    std::stable_sort(features.begin(), features.end(),
                     [](const LunarFeature& a, const LunarFeature& b) { return a.rank < b.rank; });
    return features;
}

} // namespace

std::span<const LunarFeature> lunarFeatures()
{
    return kFeatures;
}

std::vector<LunarFeature> featuresByRank()
{
    return sortedByRank({kFeatures.begin(), kFeatures.end()});
}

std::vector<LunarFeature> featuresNearTerminator(double elongationDeg, double litBandDeg,
                                                 double darkBandDeg)
{
    const double terminator = terminatorLongitude(elongationDeg);
    // While the Moon waxes the Sun lights the side east of the terminator.
    const bool waxing = std::fmod(std::fmod(elongationDeg, 360.0) + 360.0, 360.0) <= 180.0;
    std::vector<LunarFeature> near;
    for (const LunarFeature& f : kFeatures) {
        const double intoLight = waxing ? f.longitude - terminator : terminator - f.longitude;
        if (intoLight <= litBandDeg && intoLight >= -(darkBandDeg + halfWidthDeg(f)))
            near.push_back(f);
    }
    return sortedByRank(std::move(near));
}

} // namespace tavik::pictures
