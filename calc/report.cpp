#include "report.h"

#include "texts.h"

namespace tavik {

namespace {

const QString kWindowTime = QStringLiteral("Megfigyelés ideje:         ");
const QString kWindowAge = QStringLiteral("Holdsarló kora:             ");
const QString kLogTime = QStringLiteral("Megfigyelés ideje:   ");
const QString kLogAge = QStringLiteral("Holdsarló kora:      ");
const QString kLogPhase = QStringLiteral("Holdfázis:           ");

QString indent()
{
    return QString(36, u' ');
}

QString hoursAndMinutes(const ObservationResult& r)
{
    return formatWhole(r.ageHours) + QStringLiteral(" óra ") + formatWhole(r.minutePart) + QStringLiteral(" perc");
}

QString daysHoursMinutes(const ObservationResult& r)
{
    return formatWhole(r.wholeDays) + QStringLiteral(" nap  ") + formatWhole(r.hourPart) + QStringLiteral(" óra") + QStringLiteral(" ")
           + formatWhole(r.minutePart) + QStringLiteral(" perc");
}

// Every line but the first.
std::array<QString, 4> ageLines(const ObservationResult& r, const RegionalSettings& rs)
{
    return {
        kWindowAge + hoursAndMinutes(r),
        indent() + daysHoursMinutes(r),
        indent() + formatFixed(r.ageDays, 2, rs) + QStringLiteral(" nap"),
        indent() + r.phaseName + QStringLiteral(" - ") + formatFixed(r.illumination, 2, rs) + QStringLiteral(" %"),
    };
}

QStringList logEntry(const QString& firstLine, const ObservationResult& r,
                     const RegionalSettings& rs)
{
    const QString blank(6, u' ');
    return {
        firstLine,
        kLogAge + hoursAndMinutes(r),
        kLogAge + daysHoursMinutes(r),
        kLogAge + formatFixed(r.ageDays, 2, rs) + QStringLiteral(" nap"),
        kLogPhase + r.phaseName + QStringLiteral("  ---  ") + formatFixed(r.illumination, 1, rs) + QStringLiteral(" %"),
        blank,
        blank,
    };
}

}  // namespace

std::array<QString, 5> observationLines(const ObservationResult& r, const RegionalSettings& rs)
{
    const auto rest = ageLines(r, rs);
    return {kWindowTime + formatDateTime(r.observationTime, rs), rest[0], rest[1], rest[2], rest[3]};
}

std::array<QString, 6> nowLines(const ObservationResult& r, const RegionalSettings& rs)
{
    const auto rest = ageLines(r, rs);
    return {kWindowTime + formatShortDate(r.observationTime, rs), formatLongTime(r.observationTime, rs),
            rest[0], rest[1], rest[2], rest[3]};
}

QStringList calculationLogEntry(const ObservationResult& r, const RegionalSettings& rs)
{
    return logEntry(kLogTime + formatDateTime(r.observationTime, rs), r, rs);
}

QStringList nowLogEntry(const ObservationResult& r, const RegionalSettings& rs)
{
    return logEntry(kLogTime + formatShortDate(r.observationTime, rs)
                        + formatLongTime(r.observationTime, rs),
                    r, rs);
}

QString joinWithCrLf(const QStringList& lines)
{
    QString out;
    for (const QString& line : lines) {
        out += line;
        out += QStringLiteral("\r\n");
    }
    return out;
}

}  // namespace tavik
