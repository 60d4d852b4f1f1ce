// Regional settings: how dates, times and numbers are written and read.
#pragma once

#include <QLocale>
#include <QString>

namespace tavik {

class RegionalSettings {
public:
    // The program builds its settings from QLocale::system(); the POSIX/C locale
    // counts as Hungarian, the program's own language.
    static RegionalSettings fromLocale(const QLocale& locale);
    static RegionalSettings hungarian();

    enum class DateOrder { YearMonthDay, MonthDayYear, DayMonthYear };

    const QLocale& locale() const noexcept { return m_locale; }
    // QDateTime-style patterns: the short date with a four-digit year
    // ("yyyy. MM. dd." in Hungarian, "M/d/yyyy" in US English) and the time
    // with seconds and no time zone ("HH:mm:ss", "h:mm:ss AP").
    const QString& shortDatePattern() const noexcept { return m_shortDate; }
    const QString& longTimePattern() const noexcept { return m_longTime; }
    QChar decimalSeparator() const noexcept { return m_decimal; }
    DateOrder dateOrder() const noexcept { return m_order; }
    const QString& amText() const noexcept { return m_am; }
    const QString& pmText() const noexcept { return m_pm; }

private:
    QLocale m_locale;
    QString m_shortDate;
    QString m_longTime;
    QChar m_decimal;
    DateOrder m_order = DateOrder::YearMonthDay;
    QString m_am;
    QString m_pm;
};

}  // namespace tavik
