#include "observation.h"

#include "texts.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace tavik {

namespace {

// The bands' names as the translation files know them.
[[maybe_unused]] constexpr const char* kPhaseNames[] = {
    QT_TRANSLATE_NOOP("tavik::Phase", "Újhold"),        QT_TRANSLATE_NOOP("tavik::Phase", "Növekvő sarló"),
    QT_TRANSLATE_NOOP("tavik::Phase", "Első negyed"),   QT_TRANSLATE_NOOP("tavik::Phase", "Növekvő hold"),
    QT_TRANSLATE_NOOP("tavik::Phase", "Telihold"),      QT_TRANSLATE_NOOP("tavik::Phase", "Fogyó hold"),
    QT_TRANSLATE_NOOP("tavik::Phase", "Utolsó negyed"), QT_TRANSLATE_NOOP("tavik::Phase", "Fogyó sarló"),
};

QString phaseText(const char16_t* name)
{
    return QCoreApplication::translate("tavik::Phase", QString::fromUtf16(name).toUtf8().constData());
}

std::int64_t wholeMinute(std::int64_t seconds) noexcept
{
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

}  // namespace

std::optional<ObservationResult> CalculateCrescentAge(DateTimeValue newMoonTime,
                                                      DateTimeValue observationTime,
                                                      double illuminationScale,
                                                      UtcOffsets offsets)
{
    if (!std::isfinite(newMoonTime) || !std::isfinite(observationTime)
        || std::fabs(newMoonTime) > kLargestDateValue
        || std::fabs(observationTime) > kLargestDateValue)
        return std::nullopt;

    ObservationResult r;
    r.newMoonTime = newMoonTime;
    r.observationTime = observationTime;
    // How far the clocks were put forward between the two times; the
    // observation is carried over to the new moon's clock before counting.
    const std::int64_t clockChange = std::int64_t{offsets.observation} - offsets.newMoon;   // s
    r.elapsedDays = observationTime - newMoonTime;
    if (clockChange != 0)
        r.elapsedDays -= static_cast<double>(clockChange) / kSecondsPerDay;

    std::int64_t minutes = wholeMinute(toEpochSeconds(observationTime) - clockChange)
                           - wholeMinute(toEpochSeconds(newMoonTime));
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
            return {phaseText(band.phaseName), QString::fromUtf16(band.picture)};
    }
    return {phaseText(kPhaseFallback.phaseName),
            QString::fromUtf16(kPhaseFallback.picture)};
}

std::optional<ObservationResult> CalculateAndClassify(DateTimeValue newMoonTime,
                                                      DateTimeValue observationTime,
                                                      double illuminationScale,
                                                      UtcOffsets offsets)
{
    std::optional<ObservationResult> r =
        CalculateCrescentAge(newMoonTime, observationTime, illuminationScale, offsets);
    if (r) {
        PhaseClass phase = ClassifyPhase(r->phaseAge);
        r->phaseName = std::move(phase.phaseName);
        r->phasePicture = std::move(phase.phasePicture);
    }
    return r;
}

}  // namespace tavik
