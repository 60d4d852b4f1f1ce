#include "listwords.h"

#include "almanacterms.h"

#include <QCoreApplication>

#include <cmath>

namespace tavik::words {

using namespace almanac;

namespace {

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

QString spanText(const std::optional<DaySpan>& span, const QTimeZone& zone)
{
    if (!span)
        return QCoreApplication::translate("tavik::almanac::Lists", "nem látható");
    return formatLocalDate(span->first, zone) + QStringLiteral(" - ") + formatLocalDate(span->last, zone);
}

// The heading lines, then a line for each event.
template <class Events, class RowText>
QStringList withRows(QStringList lines, const Events& events, RowText rowText, const QTimeZone& zone)
{
    for (const auto& e : events)
        lines.append(rowText(e, zone));
    return lines;
}

}  // namespace

QString siteHeading(const ListSettings& s)
{
    return s.siteName.isEmpty() ? siteText(s.site) : s.siteName + QStringLiteral(", ") + siteText(s.site);
}

QStringList newMoonLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines;
    for (double t : newMoonsInYears(eph, s))
        lines.append(formatLocalMinute(t, s.zone));
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
    return withRows(lines, crescentsInYears(eph, s), crescentRow, s.zone);
}

QStringList solarEclipseLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines{
        QCoreApplication::translate("tavik::almanac::Lists", "Legnagyobb fázis  Típus      Nagyság  Itt a legnagyobb látható fázis", "columns of 18, 11 and 9 characters"),
        QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)                           (%1)", "38 characters before the parenthesis").arg(siteHeading(s)),
    };
    return withRows(lines, solarEclipsesInYears(eph, s), solarEclipseRow, s.zone);
}

QStringList lunarEclipseLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines{
        QCoreApplication::translate("tavik::almanac::Lists", "Legnagyobb fázis  Típus        Árnyék-   Félárnyék-  A Hold a látóhatár felett?", "columns of 18, 13, 10 and 12 characters"),
        QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)                    nagyság   nagyság     (%1)", "columns of 31, 10 and 12 characters").arg(siteHeading(s)),
    };
    return withRows(lines, lunarEclipsesInYears(eph, s), lunarEclipseRow, s.zone);
}

QStringList venusLines(const Ephemeris& eph, const ListSettings& s)
{
    QStringList lines{
        QCoreApplication::translate("tavik::almanac::Lists", "Alsó         Esti sarló (fázis < 50%)    Hajnali sarló (fázis < 50%) Legvékonyabb", "columns of 13, 28 and 28 characters"),
        QCoreApplication::translate("tavik::almanac::Lists", "együttállás  első nap     utolsó nap     első nap     utolsó nap     látott sarló", "columns of 13, 13, 15, 13 and 15 characters"),
        cell(QCoreApplication::translate("tavik::almanac::Lists", "(helyi idő)"), kVenusConjunctionWidth) + u'(' + siteHeading(s) + u')',
    };
    for (const VenusPassage& p : venusPassagesInYears(eph, s)) {
        const VenusCrescent& v = p.crescent;
        const bool seen = v.evening || v.morning;
        lines.append(cell(formatLocalDate(p.conjunction, s.zone), kVenusConjunctionWidth)
                     + cell(spanText(v.evening, s.zone), kVenusSpanWidth)
                     + cell(spanText(v.morning, s.zone), kVenusSpanWidth)
                     + (seen ? decimalText(v.thinnest * 100.0, 1) + u'%' : QStringLiteral("-")));
    }
    return lines;
}

QStringList listLines(ListKind kind, const Ephemeris& eph, const ListSettings& s)
{
    switch (kind) {
    case ListKind::NewMoons: return newMoonLines(eph, s);
    case ListKind::Crescents: return crescentLines(eph, s);
    case ListKind::SolarEclipses: return solarEclipseLines(eph, s);
    case ListKind::LunarEclipses: return lunarEclipseLines(eph, s);
    case ListKind::Venus: break;
    }
    return venusLines(eph, s);
}

}  // namespace tavik::words
