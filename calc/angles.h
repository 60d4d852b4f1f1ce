// Angles in degrees and in artillery mils, the unit that divides the full
// circle into 6000 parts.
#pragma once

#include <QStringView>

#include <optional>

namespace tavik {

// Mils per degree. Deliberately this decimal and not 6000/360: the results
// users know (2000° = 33333,34 mils) come from it.
inline constexpr double kMilsPerDegree = 16.66667;

constexpr double degreesToMils(double degrees) noexcept { return degrees * kMilsPerDegree; }
constexpr double milsToDegrees(double mils) noexcept { return mils / kMilsPerDegree; }

enum class Axis { Latitude, Longitude };

// A coordinate as an observer types it, in degrees: decimal with a comma or a
// point ("46,253", "-19.04"), or degrees, minutes and seconds with marks or
// blanks between them ("46°15'11\"", "46 15 11", "46° 15,2′"); a sign, or a
// hemisphere letter before or after (É/D or N/S for a latitude, K/Ny or E/W
// for a longitude; D and Ny are negative). Minutes and seconds below 60, a
// fraction only on the last part. No value for anything else; the range is
// the caller's to check.
std::optional<double> parseCoordinate(QStringView text, Axis axis);

}  // namespace tavik
