#include "csvfile.h"

#include "circumstances.h"
#include "logbookstore.h"

#include <siteconfig.h>

#include <QBuffer>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
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

// Whether the file ends inside a UTF-8 sequence.
bool incompleteUtf8Tail(QByteArrayView tail)
{
    for (qsizetype back = 1; back <= std::min<qsizetype>(4, tail.size()); ++back) {
        const auto b = static_cast<unsigned char>(tail.at(tail.size() - back));
        if ((b & 0xC0) == 0x80)
            continue;   // a continuation byte
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > back;
    }
    return false;
}

bool formulaStart(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// Leading apostrophes, then a character a spreadsheet takes for a formula.
bool looksLikeFormula(const QString& text, qsizetype apostrophes)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u'\'')
        ++i;
    return i >= apostrophes && i < text.size() && formulaStart(text.at(i));
}

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

struct RowReader {
    const QHash<QString, qsizetype>& columns;
    const QStringList& fields;
    int line;
    QList<CsvFault> faults;

    QString text(const char* name) const
    {
        const qsizetype i = columns.value(QLatin1String(name), -1);
        return i < 0 ? QString() : fields.at(i);
    }
    void fail(CsvFaultKind kind, const char* name, const QString& value, const QString& detail = {})
    {
        faults.append(CsvFault{kind, line, QLatin1String(name), value, detail});
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
    if (!attemptZoneKnown(a.site.timezone))
        r.fail(CsvFaultKind::UnknownZone, "zone", a.site.timezone);
    const QString crescent = r.text("crescent").trimmed();
    if (crescent == QLatin1String("morning"))
        a.evening = false;
    else if (!crescent.isEmpty() && crescent != QLatin1String("evening"))
        r.fail(CsvFaultKind::UnknownWord, "crescent", crescent, QStringLiteral("evening, morning"));
    a.site.name = readCell(r.text("site"));
    a.site.latitude = r.number("latitude", kLatitudeRange, NAN);
    a.site.longitude = r.number("longitude", kLongitudeRange, NAN);
    a.site.elevation = r.number("elevation_m", kElevationRange, 0.0);
    // To the seven decimals the files write (as a saved site keeps them), so
    // that an export reads back as the same attempt.
    a.site = storedSite(a.site);
    a.observer = readCell(r.text("observer"));
    const QString result = r.text("result").trimmed();
    if (const auto rr = resultFromKey(result))
        a.result = *rr;
    else
        r.fail(CsvFaultKind::UnknownWord, "result", result,
               QStringLiteral("naked-eye, binoculars, telescope, camera, not-seen"));
    a.instrument = readCell(r.text("instrument"));
    const QString sky = r.text("sky").trimmed();
    if (const auto s = skyFromKey(sky))
        a.sky = *s;
    else
        r.fail(CsvFaultKind::UnknownWord, "sky", sky, QStringLiteral("clear, haze, thin-cloud, cloudy, dust"));
    a.notes = readCell(r.text("notes"));
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

QString defusedCell(const QString& text)
{
    return looksLikeFormula(text, 0) ? u'\'' + text : text;
}

QString readCell(const QString& cell)
{
    return looksLikeFormula(cell, 1) ? cell.mid(1) : cell;
}

void CsvSplitter::endRecord(const std::function<void(QStringList&, int)>& record)
{
    m_record << m_field;
    // A blank line is no record.
    if (!(m_record.size() == 1 && m_record.constFirst().isEmpty() && !m_fieldStarted))
        record(m_record, m_recordLine);
    m_record.clear();
    m_field.clear();
    m_fieldStarted = false;
}

void CsvSplitter::feed(QStringView text, const std::function<void(QStringList&, int)>& record)
{
    for (const QChar c : text) {
        if (m_crPending) {
            m_crPending = false;
            if (c == u'\n')
                continue;
        }
        if (m_quotePending) {
            m_quotePending = false;
            if (c == u'"') {
                m_field += u'"';
                continue;
            }
            m_inQuotes = false;
        }
        if (m_inQuotes) {
            if (c == u'"') {
                m_quotePending = true;
            } else {
                if (c == u'\n')
                    ++m_line;
                m_field += c;
            }
            continue;
        }
        if (c == u'"' && m_field.isEmpty()) {
            m_inQuotes = m_fieldStarted = true;
            m_quoteLine = m_line;
        } else if (c == u',') {
            m_record << m_field;
            m_field.clear();
            m_fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            m_crPending = c == u'\r';
            endRecord(record);
            m_recordLine = ++m_line;
        } else {
            m_field += c;
            m_fieldStarted = true;
        }
    }
}

void CsvSplitter::finish(const std::function<void(QStringList&, int)>& record)
{
    if (m_quotePending) {
        m_quotePending = false;
        m_inQuotes = false;
    }
    if (m_inQuotes)
        return;
    if (m_fieldStarted || !m_field.isEmpty() || !m_record.isEmpty())
        endRecord(record);
}

CsvRecords splitCsv(const QString& text)
{
    CsvRecords out;
    CsvSplitter splitter;
    auto take = [&](QStringList& fields, int line) {
        out.records << fields;
        out.lines << line;
    };
    splitter.feed(text, take);
    splitter.finish(take);
    if (splitter.unclosedLine()) {
        out.unclosedLine = splitter.unclosedLine();
        out.records.clear();
        out.lines.clear();
    }
    return out;
}

AttemptCsvReader::AttemptCsvReader(QIODevice& in)
    : m_in(in), m_decoder(QStringDecoder::Utf8)
{
}

// Decodes the next piece of the file into records; false at the end.
bool AttemptCsvReader::fill()
{
    if (m_end)
        return false;
    auto take = [&](QStringList& fields, int line) { m_ready.append({std::move(fields), line}); };
    QByteArray piece = m_in.read(qint64(1) << 16);
    if (piece.isEmpty()) {
        m_end = true;
        if (incompleteUtf8Tail(m_tail)) {
            m_fileFaults.append(CsvFault{CsvFaultKind::NotUtf8, m_splitter.line(), {}, {}, {}});
            return false;
        }
        m_splitter.finish(take);
        if (m_splitter.unclosedLine())
            m_fileFaults.append(CsvFault{CsvFaultKind::UnclosedQuote, m_splitter.unclosedLine(), {}, {}, {}});
        return !m_ready.isEmpty();
    }
    m_bytes += piece.size();
    m_tail = (m_tail + piece).right(4);
    QByteArrayView bytes(piece);
    if (m_first) {
        m_first = false;
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
    }
    const QString text = m_decoder(bytes);
    if (m_decoder.hasError()) {
        const qsizetype bad = text.indexOf(QChar::ReplacementCharacter);
        const int line = m_splitter.line() + int(QStringView(text).left(bad < 0 ? text.size() : bad).count(u'\n'));
        m_fileFaults.append(CsvFault{CsvFaultKind::NotUtf8, line, {}, {}, {}});
        m_end = true;
        return false;
    }
    m_splitter.feed(text, take);
    return true;
}

bool AttemptCsvReader::readHeader(QStringList& header, int line)
{
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QString name = header.at(i).trimmed();
        if (!attemptColumns().contains(name) && !computedColumns().contains(name))
            m_fileFaults.append(CsvFault{CsvFaultKind::UnknownColumn, line, name, {}, {}});
        else if (m_columns.contains(name))
            m_fileFaults.append(CsvFault{CsvFaultKind::DuplicateColumn, line, name, {}, {}});
        else
            m_columns.insert(name, i);
    }
    for (const char* required : {"date", "zone", "latitude", "longitude", "result"}) {
        if (!m_columns.contains(QLatin1String(required)))
            m_fileFaults.append(CsvFault{CsvFaultKind::MissingColumn, line, QLatin1String(required), {}, {}});
    }
    m_headerSize = header.size();
    return m_fileFaults.isEmpty();
}

bool AttemptCsvReader::next(Row& row)
{
    for (;;) {
        if (!m_fileFaults.isEmpty())
            return false;
        if (m_readyAt == m_ready.size()) {
            m_ready.clear();
            m_readyAt = 0;
            if (!fill()) {
                if (m_headerSize < 0 && m_fileFaults.isEmpty())
                    m_fileFaults.append(CsvFault{CsvFaultKind::NoHeader, 1, {}, {}, {}});
                if (m_ready.isEmpty() || !m_fileFaults.isEmpty())
                    return false;
            }
            continue;
        }
        auto& [fields, line] = m_ready[m_readyAt++];
        if (m_headerSize < 0) {
            if (!readHeader(fields, line))
                return false;
            continue;
        }
        row = Row{line, {}, {}};
        if (fields.size() != m_headerSize) {
            row.faults.append(CsvFault{CsvFaultKind::FieldCount, line, {}, QString::number(fields.size()),
                                       QString::number(m_headerSize)});
        } else {
            RowReader reader{m_columns, fields, line, {}};
            row.attempt = attemptOf(reader);
            row.faults = std::move(reader.faults);
        }
        fields.clear();
        return true;
    }
}

CsvRead readAttemptsCsv(QByteArrayView bytes, int maxFaults)
{
    CsvRead out;
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    AttemptCsvReader reader(buffer);
    AttemptCsvReader::Row row;
    while (reader.next(row)) {
        for (const CsvFault& f : std::as_const(row.faults)) {
            if (out.faults.size() < maxFaults)
                out.faults.append(f);
        }
        if (out.faults.isEmpty())
            out.attempts << row.attempt;
    }
    for (const CsvFault& f : reader.fileFaults()) {
        if (out.faults.size() < maxFaults)
            out.faults.append(f);
    }
    if (!out.faults.isEmpty()) {
        out.attempts.clear();
        out.fault = out.faults.constFirst();
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
            defusedCell(a.site.name),
            siteNumberText(a.site.latitude),
            siteNumberText(a.site.longitude),
            siteNumberText(a.site.elevation),
            defusedCell(a.observer),
            resultKey(a.result),
            defusedCell(a.instrument),
            skyKey(a.sky),
            defusedCell(a.notes),
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
