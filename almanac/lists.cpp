#include "lists.h"

#include "crescents.h"
#include "eclipses.h"
#include "newmoons.h"
#include "venus.h"

#include <QCoreApplication>

#include <cmath>

namespace tavik::almanac {

namespace {

struct Window {
    double start;
    double end;
};

Window yearWindow(const ListSettings& s, double margin = 0.0)
{
    return Window{julianDayOfLocalDate(QDate(s.fromYear, 1, 1), s.zone) - margin,
                  julianDayOfLocalDate(QDate(s.toYear + 1, 1, 1), s.zone) + margin};
}

bool inYears(double jd, const ListSettings& s)
{
    const int year = localMinute(jd, s.zone).date().year();
    return year >= s.fromYear && year <= s.toYear;
}

QString cell(const QString& text, int width)
{
    return text.leftJustified(width, u' ');
}

QString crescentRow(const CrescentSighting& c, const QTimeZone& zone)
{
    return cell(formatLocalMinute(c.best, zone), kCrescentWhenColumn)
           + cell(c.evening ? QCoreApplication::translate("tavik::almanac::Lists", "este", "crescent list: 6 characters at most") : QCoreApplication::translate("tavik::almanac::Lists", "reggel", "crescent list: 6 characters at most"),
                  kCrescentAgeColumn - kCrescentWhenColumn)
           + cell(signedDurationText(c.ageDays), kCrescentClassColumn - kCrescentAgeColumn)
           + yallopLetter(c.visibility) + u' ' + yallopWords(c.visibility);
}

QString localSolarText(const SolarEclipse& e, const QTimeZone& zone)
{
    const LocalSolarView& v = e.local;
    if (v.seen == LocalSolarView::Seen::No)
        return QCoreApplication::translate("tavik::almanac::Lists", "nem látható");
    const bool sameDay = localMinute(v.jd, zone).date() == localMinute(e.greatest, zone).date();
    QString text = (sameDay ? formatLocalTime(v.jd, zone) : formatLocalMinute(v.jd, zone))
                   + QStringLiteral("  ") + decimalText(v.magnitude, 3);
    if (v.seen == LocalSolarView::Seen::FromSunrise)
        text += QCoreApplication::translate("tavik::almanac::Lists", " napkeltekor");
    else if (v.seen == LocalSolarView::Seen::UntilSunset)
        text += QCoreApplication::translate("tavik::almanac::Lists", " napnyugtakor");
    return text;
}

QString solarEclipseRow(const SolarEclipse& e, const QTimeZone& zone)
{
    return cell(formatLocalMinute(e.greatest, zone), kSolarWhenWidth) + cell(hungarianName(e.type), kSolarTypeWidth)
           + cell(decimalText(e.magnitude, 4), kSolarMagnitudeWidth) + localSolarText(e, zone);
}

QString lunarEclipseRow(const LunarEclipse& e, const QTimeZone& zone)
{
    const QString above = QStringLiteral("%1 (%2°)")
                              .arg(e.moonAltitude > 0 ? QCoreApplication::translate("tavik::almanac::Lists", "igen") : QCoreApplication::translate("tavik::almanac::Lists", "nem"))
                              .arg(std::lround(e.moonAltitude));
    return cell(formatLocalMinute(e.greatest, zone), kLunarWhenWidth) + cell(hungarianName(e.type), kLunarTypeWidth)
           + cell(e.type == LunarType::Penumbral ? QStringLiteral("-") : decimalText(e.umbralMagnitude, 4),
                  kLunarUmbralWidth)
           + cell(decimalText(e.penumbralMagnitude, 4), kLunarPenumbralWidth) + above;
}

// The heading rows, then a row for each eclipse whose greatest phase falls
// within the listed years.
template <class Eclipse>
QStringList eclipseLines(const Ephemeris& eph, const ListSettings& s, QStringList lines,
                         QList<Eclipse> (*between)(const Ephemeris&, double, double, const Site&),
                         QString (*row)(const Eclipse&, const QTimeZone&))
{
    const Window w = yearWindow(s, 1.0);
    for (const Eclipse& e : between(eph, w.start, w.end, s.site)) {
        if (inYears(e.greatest, s))
            lines.append(row(e, s.zone));
    }
    return lines;
}

QString spanText(const std::optional<DaySpan>& span, const QTimeZone& zone)
{
    if (!span)
        return QCoreApplication::translate("tavik::almanac::Lists", "nem látható");
    return formatLocalDate(span->first, zone) + QStringLiteral(" - ") + formatLocalDate(span->last, zone);
}

}  // namespace

QString decimalText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && text.toDouble() == 0.0)
        text.remove(0, 1);
    // The interface language's separator: a comma in Hungarian, a point in English.
    return text.replace(u'.', QCoreApplication::translate("tavik::almanac::Lists", ",", "decimal separator"));
}

QString signedDurationText(double days)
{
    const long long minutes = std::llround(std::abs(days) * 1440.0);
    const QString sign = days < 0 && minutes > 0 ? QStringLiteral("-") : QString();
    if (minutes < 60)
        return sign + QCoreApplication::translate("tavik::almanac::Lists", "%1 perc").arg(minutes);
    return sign + QCoreApplication::translate("tavik::almanac::Lists", "%1 óra %2 perc").arg(minutes / 60).arg(minutes % 60);
}

QString siteText(const Site& site)
{
    return QStringLiteral("%1 %2°, %3 %4°, %5 m")
        .arg(site.latitude >= 0 ? QCoreApplication::translate("tavik::almanac::Lists", "É", "north") : QCoreApplication::translate("tavik::almanac::Lists", "D", "south"),
             decimalText(std::abs(site.latitude), 4),
             site.longitude >= 0 ? QCoreApplication::translate("tavik::almanac::Lists", "K", "east") : QCoreApplication::translate("tavik::almanac::Lists", "Ny", "west"),
             decimalText(std::abs(site.longitude), 4))
        .arg(std::lround(site.elevation));
}

QString siteHeading(const ListSettings& s)
{
    return s.siteName.isEmpty() ? siteText(s.site) : s.siteName + QStringLiteral(", ") + siteText(s.site);
}

QStringList newMoonLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines;
    const Window w = yearWindow(s, 1.0);
    for (double t : newMoonsBetween(eph, w.start, w.end)) {
        if (inYears(t, s))
            lines.append(formatLocalMinute(t, s.zone));
    }
    return lines;
}

QStringList crescentLines(const Ephemeris& eph, const ListSettings& s)
{
    // The window's own labels name the first three columns: the heading rows
    // add only what those lack, the fourth column's name among it.
    QStringList lines{
        cell(QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)"), kCrescentAgeColumn)
            + cell(QCoreApplication::translate("tavik::almanac::Lists", "(-: újhold előtt)"), kCrescentClassColumn - kCrescentAgeColumn)
            + QCoreApplication::translate("tavik::almanac::Lists", "Láthatóság"),
        cell(u'(' + siteHeading(s) + u')', kCrescentClassColumn) + QCoreApplication::translate("tavik::almanac::Lists", "(Yallop q szerint)"),
    };
    const Window w = yearWindow(s, 3.0);
    for (double newMoon : newMoonsBetween(eph, w.start, w.end)) {
        for (const auto& c : {morningBefore(eph, newMoon, s.site), eveningAfter(eph, newMoon, s.site)}) {
            if (c && inYears(c->best, s))
                lines.append(crescentRow(*c, s.zone));
        }
    }
    return lines;
}

QStringList solarEclipseLines(const Ephemeris& eph, const ListSettings& s)
{
    const QStringList heading{
        QCoreApplication::translate("tavik::almanac::Lists", "Legnagyobb fázis  Típus      Nagyság  Itt a legnagyobb látható fázis", "columns of 18, 11 and 9 characters"),
        QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)                           (%1)", "38 characters before the parenthesis").arg(siteHeading(s)),
    };
    return eclipseLines(eph, s, heading, solarEclipsesBetween, solarEclipseRow);
}

QStringList lunarEclipseLines(const Ephemeris& eph, const ListSettings& s)
{
    const QStringList heading{
        QCoreApplication::translate("tavik::almanac::Lists", "Legnagyobb fázis  Típus        Árnyék-   Félárnyék-  A Hold a látóhatár felett?", "columns of 18, 13, 10 and 12 characters"),
        QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)                    nagyság   nagyság     (%1)", "columns of 31, 10 and 12 characters").arg(siteHeading(s)),
    };
    return eclipseLines(eph, s, heading, lunarEclipsesBetween, lunarEclipseRow);
}

QStringList venusLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines{
        QCoreApplication::translate("tavik::almanac::Lists", "Alsó         Esti sarló (fázis < 50%)    Hajnali sarló (fázis < 50%) Legvékonyabb", "columns of 13, 28 and 28 characters"),
        QCoreApplication::translate("tavik::almanac::Lists", "együttállás  első nap     utolsó nap     első nap     utolsó nap     látott sarló", "columns of 13, 13, 15, 13 and 15 characters"),
        cell(QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)"), kVenusConjunctionWidth) + u'(' + siteHeading(s) + u')',
    };
    const Window w = yearWindow(s, 1.0);
    for (double conjunction : venusInferiorConjunctions(eph, w.start, w.end)) {
        if (!inYears(conjunction, s))
            continue;
        const VenusCrescent v = venusCrescent(eph, conjunction, s.site);
        const bool seen = v.evening || v.morning;
        lines.append(cell(formatLocalDate(conjunction, s.zone), kVenusConjunctionWidth)
                     + cell(spanText(v.evening, s.zone), kVenusSpanWidth)
                     + cell(spanText(v.morning, s.zone), kVenusSpanWidth)
                     + (seen ? decimalText(v.thinnest * 100.0, 1) + u'%' : QStringLiteral("-")));
    }
    return lines;
}

}  // namespace tavik::almanac
