#include "csvfile.h"

#include "circumstances.h"

#include <siteconfig.h>

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <cmath>

namespace tavik::logbook {

namespace {


QString quoted(const QString& field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    QString q = field;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

struct RowReader {
    const QHash<QString, qsizetype>& columns;
    const QStringList& fields;
    int line;
    std::optional<CsvFault> fault;

    QString text(const char* name) const
    {
        const qsizetype i = columns.value(QLatin1String(name), -1);
        return i < 0 ? QString() : fields.at(i);
    }
    void fail(CsvFaultKind kind, const char* name, const QString& value, const QString& detail = {})
    {
        if (!fault)
            fault = CsvFault{kind, line, QLatin1String(name), value, detail};
    }
    double number(const char* name, ValueRange range, double fallback)
    {
        const QString t = text(name).trimmed();
        if (t.isEmpty() && !std::isnan(fallback))
            return fallback;
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            fail(CsvFaultKind::BadValue, name, t);
        else if (!range.contains(v))
            fail(CsvFaultKind::OutOfRange, name, t,
                 QStringLiteral("%1 … %2").arg(siteNumberText(range.low), siteNumberText(range.high)));
        return v;
    }
};

Attempt attemptOf(RowReader& r)
{
    Attempt a;
    const QString date = r.text("date").trimmed();
    a.date = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    if (!a.date.isValid())
        r.fail(CsvFaultKind::BadValue, "date", date);
    if (const QString time = r.text("time").trimmed(); !time.isEmpty()) {
        a.time = QTime::fromString(time, QStringLiteral("HH:mm"));
        if (!a.time->isValid())
            r.fail(CsvFaultKind::BadValue, "time", time);
    }
    a.site.timezone = r.text("zone").trimmed();
    if (!attemptZone(a.site.timezone).isValid())
        r.fail(CsvFaultKind::UnknownZone, "zone", a.site.timezone);
    const QString crescent = r.text("crescent").trimmed();
    if (crescent == QLatin1String("morning"))
        a.evening = false;
    else if (!crescent.isEmpty() && crescent != QLatin1String("evening"))
        r.fail(CsvFaultKind::UnknownWord, "crescent", crescent, QStringLiteral("evening, morning"));
    a.site.name = r.text("site");
    a.site.latitude = r.number("latitude", kLatitudeRange, NAN);
    a.site.longitude = r.number("longitude", kLongitudeRange, NAN);
    a.site.elevation = r.number("elevation_m", kElevationRange, 0.0);
    a.observer = r.text("observer");
    const QString result = r.text("result").trimmed();
    if (const auto rr = resultFromKey(result))
        a.result = *rr;
    else
        r.fail(CsvFaultKind::UnknownWord, "result", result,
               QStringLiteral("naked-eye, binoculars, telescope, camera, not-seen"));
    a.instrument = r.text("instrument");
    const QString sky = r.text("sky").trimmed();
    if (const auto s = skyFromKey(sky))
        a.sky = *s;
    else
        r.fail(CsvFaultKind::UnknownWord, "sky", sky, QStringLiteral("clear, haze, thin-cloud, cloudy, dust"));
    a.notes = r.text("notes");
    return a;
}

}  // namespace

const QStringList& attemptColumns()
{
    static const QStringList c{"date",     "time",      "zone",        "crescent", "site",   "latitude", "longitude",
                               "elevation_m", "observer", "result", "instrument", "sky",    "notes"};
    return c;
}

const QStringList& computedColumns()
{
    static const QStringList c{"age_h", "lag_min", "arcl", "arcv", "daz", "w_arcmin",
                               "q",     "yallop",  "v",    "odeh", "flags"};
    return c;
}

QString describeCsvFault(const CsvFault& f)
{
    const QString where = QCoreApplication::translate("Logbook", "%1. sor").arg(f.line);
    switch (f.kind) {
    case CsvFaultKind::NotUtf8: return QCoreApplication::translate("Logbook", "A CSV-fájl nem UTF-8 szöveg (%1).").arg(where);
    case CsvFaultKind::NoHeader: return QCoreApplication::translate("Logbook", "A CSV-fájl üres: hiányzik a fejléc sora.");
    case CsvFaultKind::UnclosedQuote:
        return QCoreApplication::translate("Logbook", "%1: egy idézőjeles mező nem zárul le a fájl végéig.").arg(where);
    case CsvFaultKind::UnknownColumn:
        return QCoreApplication::translate("Logbook", "A fejlécben ismeretlen oszlop: „%1”.").arg(f.field);
    case CsvFaultKind::DuplicateColumn:
        return QCoreApplication::translate("Logbook", "A fejlécben kétszer szerepel a(z) „%1” oszlop.").arg(f.field);
    case CsvFaultKind::MissingColumn:
        return QCoreApplication::translate("Logbook", "A fejlécből hiányzik a(z) „%1” oszlop.").arg(f.field);
    case CsvFaultKind::FieldCount:
        return QCoreApplication::translate("Logbook", "%1: %2 mező áll benne, a fejlécben %3.").arg(where, f.value, f.detail);
    case CsvFaultKind::BadValue:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: „%3” nem olvasható (dátum ÉÉÉÉ-HH-NN, idő ÓÓ:PP, szám tizedesponttal).")
            .arg(where, f.field, f.value);
    case CsvFaultKind::OutOfRange:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: „%3” kívül esik a megengedett tartományon (%4).")
            .arg(where, f.field, f.value, f.detail);
    case CsvFaultKind::UnknownWord:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: ismeretlen érték „%3” (lehet: %4).").arg(where, f.field, f.value, f.detail);
    case CsvFaultKind::UnknownZone:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: ismeretlen időzóna „%3” (IANA név, például Europe/Budapest, vagy UTC).")
            .arg(where, f.field, f.value);
    }
    return {};
}

CsvRecords splitCsv(const QString& text)
{
    CsvRecords out;
    QStringList record;
    QString field;
    bool inQuotes = false, fieldStarted = false;
    int line = 1, recordLine = 1, quoteLine = 0;
    const qsizetype n = text.size();
    auto endRecord = [&] {
        record << field;
        if (!(record.size() == 1 && record.constFirst().isEmpty() && !fieldStarted)) {
            out.records << record;
            out.lines << recordLine;
        }
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            inQuotes = fieldStarted = true;
            quoteLine = line;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
            recordLine = ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (inQuotes) {
        out.unclosedLine = quoteLine;
        return out;
    }
    if (fieldStarted || !field.isEmpty() || !record.isEmpty())
        endRecord();
    return out;
}

CsvRead readAttemptsCsv(QByteArrayView bytes)
{
    CsvRead out;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        out.fault = CsvFault{CsvFaultKind::NotUtf8, 1, {}, {}, {}};
        return out;
    }
    const CsvRecords split = splitCsv(text);
    if (split.unclosedLine) {
        out.fault = CsvFault{CsvFaultKind::UnclosedQuote, split.unclosedLine, {}, {}, {}};
        return out;
    }
    if (split.records.isEmpty()) {
        out.fault = CsvFault{CsvFaultKind::NoHeader, 1, {}, {}, {}};
        return out;
    }
    QHash<QString, qsizetype> columns;
    const QStringList& header = split.records.constFirst();
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QString name = header.at(i).trimmed();
        if (!attemptColumns().contains(name) && !computedColumns().contains(name)) {
            out.fault = CsvFault{CsvFaultKind::UnknownColumn, 1, name, {}, {}};
            return out;
        }
        if (columns.contains(name)) {
            out.fault = CsvFault{CsvFaultKind::DuplicateColumn, 1, name, {}, {}};
            return out;
        }
        columns.insert(name, i);
    }
    for (const char* required : {"date", "zone", "latitude", "longitude", "result"}) {
        if (!columns.contains(QLatin1String(required))) {
            out.fault = CsvFault{CsvFaultKind::MissingColumn, 1, QLatin1String(required), {}, {}};
            return out;
        }
    }
    for (qsizetype r = 1; r < split.records.size(); ++r) {
        const QStringList& fields = split.records.at(r);
        const int line = split.lines.at(r);
        if (fields.size() != header.size()) {
            out.fault = CsvFault{CsvFaultKind::FieldCount, line, {}, QString::number(fields.size()),
                                 QString::number(header.size())};
            out.attempts.clear();
            return out;
        }
        RowReader reader{columns, fields, line, std::nullopt};
        const Attempt a = attemptOf(reader);
        if (reader.fault) {
            out.fault = reader.fault;
            out.attempts.clear();
            return out;
        }
        out.attempts << a;
    }
    return out;
}

QByteArray attemptsCsv(const QList<LogEntry>& entries)
{
    QString text = (attemptColumns() + computedColumns()).join(u',') + QStringLiteral("\r\n");
    for (const LogEntry& e : entries) {
        const Attempt& a = e.attempt;
        const Circumstances& c = e.computed;
        const QStringList fields{
            a.date.toString(QStringLiteral("yyyy-MM-dd")),
            a.time ? a.time->toString(QStringLiteral("HH:mm")) : QString(),
            a.site.timezone,
            a.evening ? QStringLiteral("evening") : QStringLiteral("morning"),
            a.site.name,
            siteNumberText(a.site.latitude),
            siteNumberText(a.site.longitude),
            siteNumberText(a.site.elevation),
            a.observer,
            resultKey(a.result),
            a.instrument,
            skyKey(a.sky),
            a.notes,
            fixed(c.ageHours, 2),
            c.lagMinutes ? fixed(*c.lagMinutes, 1) : QString(),
            fixed(c.arcl, 2),
            fixed(c.arcv, 2),
            fixed(c.daz, 2),
            fixed(c.width, 3),
            fixed(c.q, 3),
            QString(almanac::yallopLetter(c.yallop)),
            fixed(c.v, 2),
            QString(almanac::odehLetter(c.odeh)),
            flagKeys(c.flags),
        };
        QStringList line;
        for (const QString& f : fields)
            line << quoted(f);
        text += line.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

}  // namespace tavik::logbook
