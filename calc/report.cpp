#include "report.h"

#include "texts.h"

#include <QCoreApplication>

namespace tavik {

namespace {

// The labels keep their blanks, so that the values after them line up;
// a translation pads to the same width.
QString windowTime() { return QCoreApplication::translate("tavik::Report", "Megfigyelés ideje:         ", "main window, 27 characters"); }
QString windowAge() { return QCoreApplication::translate("tavik::Report", "Holdsarló kora:             ", "main window, 28 characters"); }
QString logTime() { return QCoreApplication::translate("tavik::Report", "Megfigyelés ideje:   ", "log, 21 characters"); }
QString logAge() { return QCoreApplication::translate("tavik::Report", "Holdsarló kora:      ", "log, 21 characters"); }
QString logPhase() { return QCoreApplication::translate("tavik::Report", "Holdfázis:           ", "log, 21 characters"); }

QString indent()
{
    return QString(36, u' ');
}

QString hoursAndMinutes(const ObservationResult& r)
{
    return QCoreApplication::translate("tavik::Report", "%1 óra %2 perc").arg(formatWhole(r.ageHours), formatWhole(r.minutePart));
}

QString daysHoursMinutes(const ObservationResult& r)
{
    return QCoreApplication::translate("tavik::Report", "%1 nap  %2 óra %3 perc")
        .arg(formatWhole(r.wholeDays), formatWhole(r.hourPart), formatWhole(r.minutePart));
}

// Every line but the first.
std::array<QString, 4> ageLines(const ObservationResult& r, const RegionalSettings& rs)
{
    return {
        windowAge() + hoursAndMinutes(r),
        indent() + daysHoursMinutes(r),
        indent() + QCoreApplication::translate("tavik::Report", "%1 nap", "days").arg(formatFixed(r.ageDays, 2, rs)),
        indent() + r.phaseName + QStringLiteral(" - ") + formatFixed(r.illumination, 2, rs) + QStringLiteral(" %"),
    };
}

QStringList logEntry(const QString& firstLine, const ObservationResult& r,
                     const RegionalSettings& rs)
{
    const QString blank(6, u' ');
    return {
        firstLine,
        logAge() + hoursAndMinutes(r),
        logAge() + daysHoursMinutes(r),
        logAge() + QCoreApplication::translate("tavik::Report", "%1 nap", "days").arg(formatFixed(r.ageDays, 2, rs)),
        logPhase() + r.phaseName + QStringLiteral("  ---  ") + formatFixed(r.illumination, 1, rs) + QStringLiteral(" %"),
        blank,
        blank,
    };
}

}  // namespace

std::array<QString, 5> observationLines(const ObservationResult& r, const RegionalSettings& rs)
{
    const auto rest = ageLines(r, rs);
    return {windowTime() + formatDateTime(r.observationTime, rs), rest[0], rest[1], rest[2], rest[3]};
}

std::array<QString, 6> nowLines(const ObservationResult& r, const RegionalSettings& rs)
{
    const auto rest = ageLines(r, rs);
    return {windowTime() + formatShortDate(r.observationTime, rs), formatLongTime(r.observationTime, rs),
            rest[0], rest[1], rest[2], rest[3]};
}

QStringList calculationLogEntry(const ObservationResult& r, const RegionalSettings& rs)
{
    return logEntry(logTime() + formatDateTime(r.observationTime, rs), r, rs);
}

QStringList nowLogEntry(const ObservationResult& r, const RegionalSettings& rs)
{
    return logEntry(logTime() + formatShortDate(r.observationTime, rs)
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
