#include "wordslanguage.h"

#include "translation.h"

namespace tavik::words {

Language Language::installed()
{
    return Language{installedLanguage()};
}

QLocale Language::numberLocale() const
{
    QLocale locale = english() ? QLocale::c() : QLocale(QLocale::Hungarian);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Language::decimal(double value, int decimals) const
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && text.toDouble() == 0.0)
        text.remove(0, 1);
    if (!english())
        text.replace(u'.', u',');
    return text;
}

QString Language::captionDatePattern() const
{
    return english() ? datePattern() : datePattern() + u'.';
}

}  // namespace tavik::words
