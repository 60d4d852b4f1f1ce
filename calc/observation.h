// The crescent calculation and the phase table.
#pragma once

#include "datetime.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace tavik {

inline constexpr double kSynodicMonth = 29.53058868;   // days
inline constexpr int kPhaseCycleDays = 30;             // the synodic month rounded
// π to 15 significant digits, the value the illumination has always been
// computed with; std::numbers::pi differs from it in the last places.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kIlluminationOffset = 0.06;    // percent
inline constexpr double kIlluminationCap = 100.0;      // percent
inline constexpr double kIlluminationCutoff = 0.2;     // percent
inline constexpr double kObservationScale = 53.0;      // "Megfigyelés"
inline constexpr double kNowScale = 54.0;              // "Most!"

struct ObservationResult {
    DateTimeValue newMoonTime = 0;
    DateTimeValue observationTime = 0;
    double elapsedDays = 0;         // signed, fractional, real time
    std::int32_t ageMinutes = 0;    // absolute minute boundaries crossed
    std::int32_t ageHours = 0;
    std::int32_t minutePart = 0;    // [0, 59]
    double ageDays = 0;             // ageHours / 24
    std::int32_t wholeDays = 0;
    std::int32_t hourPart = 0;      // [0, 23]
    double phaseAge = 0;            // [0, 29] or whole + 0.53058868
    double illumination = 0;        // 0, or [0.2, 100] percent
    QString phaseName;
    QString phasePicture;           // file name inside the data folder
};

// The UTC offsets in force at the two local times, in seconds east of UTC
// (utcOffsetAt). Across a change of summer time they differ, and the real time
// between the two is an hour more or less than their clock times show.
struct UtcOffsets {
    int newMoon = 0;
    int observation = 0;
};

// Every field but phaseName and phasePicture; the counts, the day value and
// the illumination are the real time elapsed between the two local times. No
// value when the minute count leaves the 32-bit range or the elapsed days
// cannot be rounded to 32 bits.
std::optional<ObservationResult> CalculateCrescentAge(DateTimeValue newMoonTime,
                                                      DateTimeValue observationTime,
                                                      double illuminationScale = kObservationScale,
                                                      UtcOffsets offsets = {});

struct PhaseBand {
    double upperBound;          // exclusive, days
    const char16_t* phaseName;
    const char16_t* picture;    // file name inside the data folder
};

inline constexpr std::array<PhaseBand, 13> kPhaseBands{{
    {1.84, u"Újhold", u"000-ujhold.gif"},
    {2.1, u"Növekvő sarló", u"004-novekvo.gif"},
    {5.53, u"Növekvő sarló", u"010-novekvo.gif"},
    {6.95, u"Növekvő sarló", u"014-novekvo.gif"},
    {9.21, u"Első negyed", u"020-negyed.gif"},
    {12.9, u"Növekvő hold", u"030-novekvo.gif"},
    {16.61, u"Telihold", u"040-telihold.gif"},
    {19.33, u"Fogyó hold", u"050-fogyo.gif"},
    {21.05, u"Fogyó hold", u"050-fogyo.gif"},
    {23.15, u"Utolsó negyed", u"060-utolso.gif"},
    {26.63, u"Fogyó sarló", u"070-fogyo.gif"},
    {27.6, u"Fogyó sarló", u"072-fogyo.gif"},
    {28.2, u"Fogyó sarló", u"073-fogyo.gif"},
}};
inline constexpr PhaseBand kPhaseFallback{0, u"Újhold", u"000-ujhold.gif"};

struct PhaseClass {
    QString phaseName;
    QString phasePicture;
};

// The first band whose upper bound is strictly greater wins; 28.2 and above
// fall back to the new moon.
PhaseClass ClassifyPhase(double phaseAge);

// CalculateCrescentAge followed by ClassifyPhase.
std::optional<ObservationResult> CalculateAndClassify(DateTimeValue newMoonTime,
                                                      DateTimeValue observationTime,
                                                      double illuminationScale = kObservationScale,
                                                      UtcOffsets offsets = {});

}  // namespace tavik
