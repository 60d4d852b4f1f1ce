#include "regional.h"

#include <QRegularExpression>

namespace tavik {

namespace {

bool isPatternLetter(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y' || c == u'H' || c == u'h' || c == u'm'
           || c == u's' || c == u'a' || c == u'A' || c == u'p' || c == u'P' || c == u't'
           || c == u'z';
}

// The short date with a four-digit year and numeric parts only. A locale whose
// short date holds month or day names gets the plain numeric form of its order.
QString numericShortDate(const QString& pattern, RegionalSettings::DateOrder order)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
            continue;
        }
        qsizetype run = 1;
        while (!quoted && i + run < pattern.size() && pattern.at(i + run) == c)
            ++run;
        if (quoted) {
            out += c;
        } else if (c == u'y') {
            out += QStringLiteral("yyyy");
        } else if ((c == u'M' || c == u'd') && run <= 2) {
            out += QString(run, c);
        } else if (isPatternLetter(c) || c.isLetter()) {
            out.clear();
            break;
        } else {
            out += QString(run, c);
        }
        i += run - 1;
    }
    if (!out.isEmpty() && !out.contains(u'\'') && out.contains(u'y') && out.contains(u'M')
        && out.contains(u'd'))
        return out;
    switch (order) {
    case RegionalSettings::DateOrder::MonthDayYear: return QStringLiteral("M/d/yyyy");
    case RegionalSettings::DateOrder::DayMonthYear: return QStringLiteral("dd.MM.yyyy");
    case RegionalSettings::DateOrder::YearMonthDay: break;
    }
    return QStringLiteral("yyyy. MM. dd.");
}

RegionalSettings::DateOrder orderOf(const QString& pattern)
{
    const qsizetype y = pattern.indexOf(u'y');
    const qsizetype m = pattern.indexOf(u'M');
    const qsizetype d = pattern.indexOf(u'd');
    if (y < 0 || m < 0 || d < 0 || (y < m && m < d) || (y < d && d < m))
        return RegionalSettings::DateOrder::YearMonthDay;
    return m < d ? RegionalSettings::DateOrder::MonthDayYear
                 : RegionalSettings::DateOrder::DayMonthYear;
}

// The locale's time with seconds and without a time zone.
QString longTimeOf(const QLocale& locale)
{
    QString p = locale.timeFormat(QLocale::LongFormat);
    p.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?\\s*"));
    p.replace(zone, QStringLiteral(" "));
    p = p.trimmed();
    static const QRegularExpression plain(
        QStringLiteral("^(?:(?:AP|ap|A|a)\\s?)?[Hh]{1,2}:mm:ss(?:\\s?(?:AP|ap|A|a))?$"));
    if (plain.match(p).hasMatch())
        return p;
    const QString s = locale.timeFormat(QLocale::ShortFormat);
    const bool twelve = s.contains(u'h') && s.contains(u'a', Qt::CaseInsensitive);
    return twelve ? QStringLiteral("h:mm:ss AP") : QStringLiteral("HH:mm:ss");
}

}  // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return hungarian();
    RegionalSettings rs;
    rs.m_locale = locale;
    // Direction marks (Arabic, Persian) carry no meaning for the numbers.
    QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    shortDate.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    rs.m_order = orderOf(shortDate);
    rs.m_shortDate = numericShortDate(shortDate, rs.m_order);
    rs.m_order = orderOf(rs.m_shortDate);
    rs.m_longTime = longTimeOf(locale);
    rs.m_decimal = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().at(0);
    rs.m_am = locale.amText().isEmpty() ? QStringLiteral("AM") : locale.amText();
    rs.m_pm = locale.pmText().isEmpty() ? QStringLiteral("PM") : locale.pmText();
    return rs;
}

RegionalSettings RegionalSettings::hungarian()
{
    return fromLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
}

}  // namespace tavik
