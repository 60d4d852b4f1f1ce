// The interface's language and formats as one value: the words layer renders
// every sentence the computing libraries give as facts through it. It is
// made once from the language installed at start (or handed in by a test),
// never guessed back from a translated text.
#pragma once

#include "juliantime.h"
#include "language.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tavik::words {

struct Language {
    InterfaceLanguage language = InterfaceLanguage::Hungarian;

    // The language whose translator is installed now.
    static Language installed();

    bool english() const { return language == InterfaceLanguage::English; }
    // Numbers: a decimal comma in Hungarian, a point in English; no group
    // separators (the lists and tables are read by programs too).
    QLocale numberLocale() const;
    QString decimal(double value, int decimals) const;

    // The date (tavik::kDatePattern), the date and minute, the minute alone.
    static QString datePattern() { return QString::fromLatin1(kDatePattern); }
    static QString dateTimePattern() { return datePattern() + QStringLiteral(" HH:mm"); }
    static QString date(QDate date) { return date.toString(datePattern()); }
    static QString dateTime(const QDateTime& time) { return time.toString(dateTimePattern()); }
    // A date as a caption or a date field shows it: with the Hungarian
    // closing dot ("2026.12.08."), without it in English.
    QString captionDatePattern() const;
    QString captionDate(QDate date) const { return date.toString(captionDatePattern()); }
};

}  // namespace tavik::words
