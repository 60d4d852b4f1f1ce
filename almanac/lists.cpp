#include "lists.h"

#include "crescents.h"
#include "eclipses.h"
#include "newmoons.h"
#include "venus.h"

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
           + cell(c.evening ? QStringLiteral("este") : QStringLiteral("reggel"),
                  kCrescentAgeColumn - kCrescentWhenColumn)
           + cell(crescentAgeText(c.ageDays), kCrescentClassColumn - kCrescentAgeColumn)
           + yallopLetter(c.visibility) + u' ' + yallopWords(c.visibility);
}

QString localSolarText(const SolarEclipse& e, const QTimeZone& zone)
{
    const LocalSolarView& v = e.local;
    if (v.seen == LocalSolarView::Seen::No)
        return QStringLiteral("nem látható");
    const bool sameDay = localMinute(v.jd, zone).date() == localMinute(e.greatest, zone).date();
    QString text = (sameDay ? formatLocalTime(v.jd, zone) : formatLocalMinute(v.jd, zone))
                   + QStringLiteral("  ") + hungarianDecimal(v.magnitude, 3);
    if (v.seen == LocalSolarView::Seen::FromSunrise)
        text += QStringLiteral(" napkeltekor");
    else if (v.seen == LocalSolarView::Seen::UntilSunset)
        text += QStringLiteral(" napnyugtakor");
    return text;
}

QString solarEclipseRow(const SolarEclipse& e, const QTimeZone& zone)
{
    return cell(formatLocalMinute(e.greatest, zone), kSolarWhenWidth) + cell(hungarianName(e.type), kSolarTypeWidth)
           + cell(hungarianDecimal(e.magnitude, 4), kSolarMagnitudeWidth) + localSolarText(e, zone);
}

QString lunarEclipseRow(const LunarEclipse& e, const QTimeZone& zone)
{
    const QString above = QStringLiteral("%1 (%2°)")
                              .arg(e.moonAltitude > 0 ? QStringLiteral("igen") : QStringLiteral("nem"))
                              .arg(std::lround(e.moonAltitude));
    return cell(formatLocalMinute(e.greatest, zone), kLunarWhenWidth) + cell(hungarianName(e.type), kLunarTypeWidth)
           + cell(e.type == LunarType::Penumbral ? QStringLiteral("-") : hungarianDecimal(e.umbralMagnitude, 4),
                  kLunarUmbralWidth)
           + cell(hungarianDecimal(e.penumbralMagnitude, 4), kLunarPenumbralWidth) + above;
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
        return QStringLiteral("nem látható");
    return formatLocalDate(span->first, zone) + QStringLiteral(" - ") + formatLocalDate(span->last, zone);
}

}  // namespace

QString hungarianDecimal(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text.replace(u'.', u',');
}

QString crescentAgeText(double days)
{
    const long long minutes = std::llround(std::abs(days) * 24.0 * 60.0);
    const QString sign = days < 0 && minutes > 0 ? QStringLiteral("-") : QString();
    return sign + QStringLiteral("%1 óra %2 perc").arg(minutes / 60).arg(minutes % 60);
}

QString siteText(const Site& site)
{
    return QStringLiteral("%1 %2°, %3 %4°, %5 m")
        .arg(site.latitude >= 0 ? QStringLiteral("É") : QStringLiteral("D"),
             hungarianDecimal(std::abs(site.latitude), 4),
             site.longitude >= 0 ? QStringLiteral("K") : QStringLiteral("Ny"),
             hungarianDecimal(std::abs(site.longitude), 4))
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
        cell(QStringLiteral("(helyi idő)"), kCrescentAgeColumn)
            + cell(QStringLiteral("(-: újhold előtt)"), kCrescentClassColumn - kCrescentAgeColumn)
            + QStringLiteral("Láthatóság"),
        cell(u'(' + siteHeading(s) + u')', kCrescentClassColumn) + QStringLiteral("(Yallop q szerint)"),
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
        QStringLiteral("Legnagyobb fázis  Típus      Nagyság  Itt a legnagyobb látható fázis"),
        QStringLiteral("(helyi idő)                           (") + siteHeading(s) + u')',
    };
    return eclipseLines(eph, s, heading, solarEclipsesBetween, solarEclipseRow);
}

QStringList lunarEclipseLines(const Ephemeris& eph, const ListSettings& s)
{
    const QStringList heading{
        QStringLiteral("Legnagyobb fázis  Típus        Árnyék-   Félárnyék-  A Hold a látóhatár felett?"),
        QStringLiteral("(helyi idő)                    nagyság   nagyság     (") + siteHeading(s) + u')',
    };
    return eclipseLines(eph, s, heading, lunarEclipsesBetween, lunarEclipseRow);
}

QStringList venusLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines{
        QStringLiteral("Alsó         Esti sarló (fázis < 50%)    Hajnali sarló (fázis < 50%) Legvékonyabb"),
        QStringLiteral("együttállás  első nap     utolsó nap     első nap     utolsó nap     látott sarló"),
        cell(QStringLiteral("(helyi idő)"), kVenusConjunctionWidth) + u'(' + siteHeading(s) + u')',
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
                     + (seen ? hungarianDecimal(v.thinnest * 100.0, 1) + u'%' : QStringLiteral("-")));
    }
    return lines;
}

}  // namespace tavik::almanac
