// Angles in degrees and in artillery mils, the unit that divides the full
// circle into 6000 parts.
#pragma once

namespace tavik {

// Mils per degree. Deliberately this decimal and not 6000/360: the results
// users know (2000° = 33333,34 mils) come from it.
inline constexpr double kMilsPerDegree = 16.66667;

constexpr double degreesToMils(double degrees) noexcept { return degrees * kMilsPerDegree; }
constexpr double milsToDegrees(double mils) noexcept { return mils / kMilsPerDegree; }

}  // namespace tavik
