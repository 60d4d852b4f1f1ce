#include "observation.h"

#include "texts.h"

#include <cmath>
#include <limits>

namespace tavik {

namespace {

// Far beyond any date the parser accepts; keeps the second counts exact.
constexpr double kLargestValue = 1.0e8;

std::int64_t wholeMinute(DateTimeValue v) noexcept
{
    const std::int64_t s = toEpochSeconds(v);
    return s >= 0 ? s / 60 : -((-s + 59) / 60);
}

}  // namespace

std::optional<ObservationResult> CalculateCrescentAge(DateTimeValue newMoonTime,
                                                      DateTimeValue observationTime,
                                                      double illuminationScale)
{
    if (!std::isfinite(newMoonTime) || !std::isfinite(observationTime)
        || std::fabs(newMoonTime) > kLargestValue || std::fabs(observationTime) > kLargestValue)
        return std::nullopt;

    ObservationResult r;
    r.newMoonTime = newMoonTime;
    r.observationTime = observationTime;
    r.elapsedDays = observationTime - newMoonTime;

    std::int64_t minutes = wholeMinute(observationTime) - wholeMinute(newMoonTime);
    if (minutes < 0)
        minutes = -minutes;
    const std::optional<std::int32_t> roundedDays = roundToInt32(r.elapsedDays);
    if (minutes > std::numeric_limits<std::int32_t>::max() || !roundedDays)
        return std::nullopt;

    r.ageMinutes = static_cast<std::int32_t>(minutes);
    r.ageHours = r.ageMinutes / 60;
    r.minutePart = r.ageMinutes % 60;
    r.ageDays = r.ageHours / 24.0;
    r.wholeDays = static_cast<std::int32_t>(std::floor(r.ageDays));
    r.hourPart = r.ageHours % 24;

    const std::int32_t cycleDay = *roundedDays % kPhaseCycleDays;
    r.phaseAge = cycleDay < 0 ? cycleDay + kSynodicMonth : static_cast<double>(cycleDay);

    const double theta = 2 * kPi * r.elapsedDays / kSynodicMonth;
    double illumination = (1 - std::cos(theta)) * illuminationScale + kIlluminationOffset;
    if (illumination > kIlluminationCap)
        illumination = kIlluminationCap;
    else if (illumination < kIlluminationCutoff)
        illumination = 0;
    r.illumination = illumination;
    return r;
}

PhaseClass ClassifyPhase(double phaseAge)
{
    for (const PhaseBand& band : kPhaseBands) {
        if (band.upperBound > phaseAge)
            return {QString::fromUtf16(band.phaseName), QString::fromUtf16(band.picture)};
    }
    return {QString::fromUtf16(kPhaseFallback.phaseName),
            QString::fromUtf16(kPhaseFallback.picture)};
}

std::optional<ObservationResult> CalculateAndClassify(DateTimeValue newMoonTime,
                                                      DateTimeValue observationTime,
                                                      double illuminationScale)
{
    std::optional<ObservationResult> r =
        CalculateCrescentAge(newMoonTime, observationTime, illuminationScale);
    if (r) {
        PhaseClass phase = ClassifyPhase(r->phaseAge);
        r->phaseName = std::move(phase.phaseName);
        r->phasePicture = std::move(phase.phasePicture);
    }
    return r;
}

}  // namespace tavik
