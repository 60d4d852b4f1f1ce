#include "lunarmonthtexts.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavik {

using namespace tavik::almanac;

namespace {

// The numbers in the interface's language: its decimal comma or point.
QLocale numberLocale()
{
    return QLocale(QCoreApplication::translate("LunarMonths", "hu_HU", "the locale of the numbers"));
}

QString signedNumber(double value, int decimals)
{
    const QString n = numberLocale().toString(std::abs(value), 'f', decimals);
    return (value < 0 ? QStringLiteral("−") : QStringLiteral("+")) + n;
}

QString isoMinute(double jdUt)
{
    return utcOf(jdUt).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

QString placeText(const GeoPosition& p)
{
    return QStringLiteral("%1%2 %3%4")
        .arg(std::abs(p.latitude), 0, 'f', 4)
        .arg(QChar(p.latitude < 0 ? u'S' : u'N'))
        .arg(std::abs(p.longitude), 0, 'f', 4)
        .arg(QChar(p.longitude < 0 ? u'W' : u'E'));
}

QString tsvMargin(double margin, MarginUnit unit)
{
    switch (unit) {
    case MarginUnit::Minutes: return QStringLiteral("%1 min").arg(margin, 0, 'f', 1);
    case MarginUnit::Degrees: return QStringLiteral("%1 deg").arg(margin, 0, 'f', 2);
    case MarginUnit::YallopQ: return QStringLiteral("%1 q").arg(margin, 0, 'f', 3);
    case MarginUnit::OdehV: break;
    }
    return QStringLiteral("%1 V").arg(margin, 0, 'f', 2);
}

QString icsDate(const QDate& d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}

QString icsUtc(const QDateTime& t)
{
    return t.toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
}

// The site in a UID: to a hundredth of a degree, so that the same site gives
// the same UIDs.
QString siteKey(const GeoPosition& p)
{
    return QStringLiteral("%1_%2").arg(p.latitude, 0, 'f', 2).arg(p.longitude, 0, 'f', 2);
}

void addLine(QByteArray& out, const QString& line)
{
    out += foldIcsLine(line.toUtf8());
}

}  // namespace

QString hijriMonthName(int month)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("LunarMonths", "Moharrem"),
        QT_TRANSLATE_NOOP("LunarMonths", "Szafar"),
        QT_TRANSLATE_NOOP("LunarMonths", "Rabí al-avval"),
        QT_TRANSLATE_NOOP("LunarMonths", "Rabí asz-száni"),
        QT_TRANSLATE_NOOP("LunarMonths", "Dzsumáda l-úla"),
        QT_TRANSLATE_NOOP("LunarMonths", "Dzsumáda l-áhira"),
        QT_TRANSLATE_NOOP("LunarMonths", "Radzsab"),
        QT_TRANSLATE_NOOP("LunarMonths", "Sabán"),
        QT_TRANSLATE_NOOP("LunarMonths", "Ramadán"),
        QT_TRANSLATE_NOOP("LunarMonths", "Savvál"),
        QT_TRANSLATE_NOOP("LunarMonths", "Dzul-kaada"),
        QT_TRANSLATE_NOOP("LunarMonths", "Dzul-hiddzsa"),
    };
    return month >= 1 && month <= 12 ? QCoreApplication::translate("LunarMonths", names[month - 1]) : QString();
}

QString monthRuleName(MonthRule rule)
{
    switch (rule) {
    case MonthRule::UmmAlQura: return QCoreApplication::translate("LunarMonths", "Umm al-Qura");
    case MonthRule::Istanbul: return QCoreApplication::translate("LunarMonths", "Isztambul 2016");
    case MonthRule::Mabims: return QCoreApplication::translate("LunarMonths", "MABIMS 2021");
    case MonthRule::Yallop: return QCoreApplication::translate("LunarMonths", "Yallop (helyi)");
    case MonthRule::Odeh: break;
    }
    return QCoreApplication::translate("LunarMonths", "Odeh (helyi)");
}

QString monthRuleDescription(MonthRule rule)
{
    switch (rule) {
    case MonthRule::UmmAlQura:
        return QCoreApplication::translate("LunarMonths", "Szaúd-Arábia polgári naptára: a hónap 29. napján Mekkában, ha az együttállás napnyugta előtt "
                  "van, és a Hold a Nap után nyugszik, másnap kezdődik az új hónap; különben 30 napos a hónap.");
    case MonthRule::Istanbul:
        return QCoreApplication::translate("LunarMonths", "A 2016-os isztambuli kongresszus egységes naptára (Diyanet): másnap kezdődik a hónap, ha 24:00 "
                  "UT előtt valahol a Földön napnyugtakor az elongáció legalább 8°, a Hold magassága legalább 5°; "
                  "vagy ha csak utána, Amerika szárazföldjén, és az együttállás Új-Zélandon hajnal előtt van.");
    case MonthRule::Mabims:
        return QCoreApplication::translate("LunarMonths", "Brunei, Indonézia, Malajzia és Szingapúr 2021-es feltétele: a 29. napon napnyugtakor a Hold "
                  "magassága legalább 3°, a (geocentrikus) elongáció legalább 6,4° a helyen.");
    case MonthRule::Yallop:
        return QCoreApplication::translate("LunarMonths", "A helyen látható holdsarló: a 29. napon este Yallop A vagy B (távcsővel C is), különben 30 "
                  "napos a hónap.");
    case MonthRule::Odeh: break;
    }
    return QCoreApplication::translate("LunarMonths", "A helyen látható holdsarló: a 29. napon este Odeh A (távcsővel B is), különben 30 napos a hónap.");
}

QString hijriDateText(int day, const HijriMonthNumber& month)
{
    return QCoreApplication::translate("LunarMonths", "%3. %2 %1.").arg(day).arg(hijriMonthName(month.month)).arg(month.year);
}

QString marginText(double margin, MarginUnit unit)
{
    switch (unit) {
    case MarginUnit::Minutes: return QCoreApplication::translate("LunarMonths", "%1 perc").arg(signedNumber(margin, 1));
    case MarginUnit::Degrees: return QCoreApplication::translate("LunarMonths", "%1°").arg(signedNumber(margin, 2));
    case MarginUnit::YallopQ: return QCoreApplication::translate("LunarMonths", "q %1").arg(signedNumber(margin, 3));
    case MarginUnit::OdehV: break;
    }
    return QCoreApplication::translate("LunarMonths", "V %1").arg(signedNumber(margin, 2));
}

QString borderlineText(const LunarMonth& m)
{
    return QCoreApplication::translate("LunarMonths", "Határeset: a szabály %1 különbséggel dőlt el (%2, %3 UT); a hivatalos naptár egy nappal eltérhet.")
        .arg(marginText(m.margin, m.unit), placeText(m.decidedWhere),
             utcOf(m.decidedAt).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

QString calendarTsvHeader()
{
    return QStringLiteral("year\tmonth\tfirst_day\tlength\tconjunction_ut\tdecided_at\tmargin\tborderline");
}

QString calendarTsvLine(const LunarMonth& m)
{
    return QStringList{QString::number(m.number.year), QString::number(m.number.month),
                       m.firstDay.toString(Qt::ISODate), QString::number(m.length), isoMinute(m.conjunction),
                       m.decidedAt > 0 ? isoMinute(m.decidedAt) + u' ' + placeText(m.decidedWhere) : QString(),
                       tsvMargin(m.margin, m.unit), m.borderline ? QStringLiteral("yes") : QString()}
        .join(u'\t');
}

QStringList calendarTable(const QList<LunarMonth>& months, MonthRule rule)
{
    QStringList lines{monthRuleName(rule)};
    const QString head = QCoreApplication::translate("LunarMonths", "%1 %2 %3 %4 %5 %6")
                             .arg(QCoreApplication::translate("LunarMonths", "Hónap"), -28)
                             .arg(QCoreApplication::translate("LunarMonths", "Első nap"), -11)
                             .arg(QCoreApplication::translate("LunarMonths", "Nap"), 3)
                             .arg(QCoreApplication::translate("LunarMonths", "Együttállás (UT)"), -17)
                             .arg(QCoreApplication::translate("LunarMonths", "Különbség"), -12)
                             .arg(QCoreApplication::translate("LunarMonths", "Megjegyzés"));
    lines << head;
    for (const LunarMonth& m : months) {
        QString note;
        if (m.borderline)
            note = QCoreApplication::translate("LunarMonths", "határeset");
        if (m.shift != 0)
            note += (note.isEmpty() ? QString() : QStringLiteral(", ")) + QCoreApplication::translate("LunarMonths", "kézzel %1 nap").arg(signedNumber(m.shift, 0));
        else if (m.followsShift)
            note += (note.isEmpty() ? QString() : QStringLiteral(", ")) + QCoreApplication::translate("LunarMonths", "az előző igazítást követi");
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(hijriDateText(1, m.number), -28)
                     .arg(m.firstDay.toString(Qt::ISODate), -11)
                     .arg(m.length, 3)
                     .arg(utcOf(m.conjunction).toString(QStringLiteral("yyyy-MM-dd HH:mm")), -17)
                     .arg(marginText(m.margin, m.unit), -12)
                     .arg(note)
                     .trimmed();
    }
    return lines;
}

QByteArray foldIcsLine(const QByteArray& line)
{
    // At most 75 octets a line, never inside a UTF-8 character; each
    // continuation starts with a space, which counts within its 75.
    QByteArray out;
    qsizetype start = 0;
    int limit = 75;
    while (line.size() - start > limit) {
        qsizetype cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(line.at(cut)) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start) + "\r\n ";
        start = cut;
        limit = 74;
    }
    out += line.mid(start) + "\r\n";
    return out;
}

QString escapeIcsText(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\\' || c == u';' || c == u',')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c != u'\r')
            out += c;
    }
    return out;
}

QByteArray calendarIcs(const QList<LunarMonth>& months, const CalendarRequest& r, const QDateTime& stamp)
{
    const QString rule = QLatin1String(monthRuleKey(r.rule));
    const QString local = localRule(r.rule) ? u'-' + siteKey(r.site) : QString();
    const QString dtstamp = icsUtc(stamp);
    QByteArray out;
    addLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    addLine(out, QStringLiteral("VERSION:2.0"));
    addLine(out, QStringLiteral("PRODID:-//Tavik//Holdhonapok//HU"));
    addLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    addLine(out, QStringLiteral("X-WR-CALNAME:") + escapeIcsText(monthRuleName(r.rule)));
    for (const LunarMonth& m : months) {
        const QString key = QStringLiteral("%1-%2").arg(m.number.year).arg(m.number.month, 2, 10, QLatin1Char('0'));
        QString description = QCoreApplication::translate("LunarMonths", "Együttállás: %1 UT.").arg(utcOf(m.conjunction).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        if (m.borderline)
            description += u'\n' + borderlineText(m);
        if (m.shift != 0)
            description += u'\n' + QCoreApplication::translate("LunarMonths", "Kézzel igazítva: %1 nap.").arg(signedNumber(m.shift, 0));
        addLine(out, QStringLiteral("BEGIN:VEVENT"));
        addLine(out, QStringLiteral("UID:hijri-%1-%2%3@tavik").arg(key, rule, local));
        addLine(out, QStringLiteral("DTSTAMP:") + dtstamp);
        addLine(out, QStringLiteral("DTSTART;VALUE=DATE:") + icsDate(m.firstDay));
        addLine(out, QStringLiteral("DTEND;VALUE=DATE:") + icsDate(m.firstDay.addDays(1)));
        addLine(out, QStringLiteral("SUMMARY:")
                         + escapeIcsText(QCoreApplication::translate("LunarMonths", "%1 (%2)").arg(hijriDateText(1, m.number), monthRuleName(r.rule))));
        addLine(out, QStringLiteral("DESCRIPTION:") + escapeIcsText(description));
        addLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
        addLine(out, QStringLiteral("END:VEVENT"));
        for (const CrescentEvening& e : m.crescents) {
            const QString summary = QCoreApplication::translate("LunarMonths", "Holdsarló-este: Yallop %1 (%2)").arg(yallopLetter(e.yallop)).arg(hijriMonthName(m.number.month));
            addLine(out, QStringLiteral("BEGIN:VEVENT"));
            addLine(out, QStringLiteral("UID:crescent-%1-%2-%3%4@tavik").arg(key, icsDate(e.date), rule, local));
            addLine(out, QStringLiteral("DTSTAMP:") + dtstamp);
            addLine(out, QStringLiteral("DTSTART:") + icsUtc(utcOf(e.best)));
            addLine(out, QStringLiteral("DURATION:PT30M"));
            addLine(out, QStringLiteral("SUMMARY:") + escapeIcsText(summary));
            addLine(out, QStringLiteral("DESCRIPTION:")
                             + escapeIcsText(QCoreApplication::translate("LunarMonths", "A legjobb időpont a holdsarló keresésére; q = %1.")
                                                 .arg(numberLocale().toString(e.q, 'f', 3))));
            addLine(out, QStringLiteral("BEGIN:VALARM"));
            addLine(out, QStringLiteral("ACTION:DISPLAY"));
            addLine(out, QStringLiteral("DESCRIPTION:") + escapeIcsText(summary));
            addLine(out, QStringLiteral("TRIGGER:-PT30M"));
            addLine(out, QStringLiteral("END:VALARM"));
            addLine(out, QStringLiteral("END:VEVENT"));
        }
    }
    addLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

FileStatus writeCalendarIcs(const QString& path, const QByteArray& bytes)
{
    return replaceWholeFileBytes(path, bytes);
}

QString monthShiftsFileName()
{
    return QStringLiteral("holdhonapok.txt");
}

MonthShifts parseMonthShifts(const QStringList& lines)
{
    MonthShifts shifts;
    for (const QString& line : lines) {
        const QStringList f = line.simplified().split(u' ', Qt::SkipEmptyParts);
        if (f.size() != 4)
            continue;
        const std::optional<MonthRule> rule = monthRuleFromKey(f.at(0));
        bool y = false, mo = false, s = false;
        const int year = f.at(1).toInt(&y), month = f.at(2).toInt(&mo), shift = f.at(3).toInt(&s);
        if (!rule || !y || !mo || !s || month < 1 || month > 12 || shift == 0 || std::abs(shift) > kMaxMonthShift)
            continue;
        shifts[*rule][lunationOfHijriMonth(year, month)] = shift;
    }
    return shifts;
}

QString monthShiftsText(const MonthShifts& shifts)
{
    QString text;
    for (const auto& [rule, months] : shifts)
        for (const auto& [lunation, shift] : months) {
            if (shift == 0)
                continue;
            const HijriMonthNumber n = hijriMonthOfLunation(lunation);
            text += QStringLiteral("%1 %2 %3 %4\n").arg(QLatin1String(monthRuleKey(rule))).arg(n.year).arg(n.month).arg(shift);
        }
    return text;
}

}  // namespace tavik
