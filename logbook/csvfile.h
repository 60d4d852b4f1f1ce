// The logbook as CSV (RFC 4180, UTF-8, a header line): the attempt's own
// columns in any order on import; on export these first, in a fixed order,
// then the computed ones.
#pragma once

#include "attempt.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QHash>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace tavik::logbook {

// date,time,zone,crescent,site,latitude,longitude,elevation_m,observer,result,instrument,sky,notes
const QStringList& attemptColumns();
// age_h,lag_min,arcl,arcv,daz,w_arcmin,q,yallop,v,odeh,flags
const QStringList& computedColumns();

enum class CsvFaultKind {
    NotUtf8,
    NoHeader,
    UnclosedQuote,      // a quoted field that never ends
    UnknownColumn,      // field: the column's name
    DuplicateColumn,
    MissingColumn,      // field: the column the header lacks
    FieldCount,         // detail: how many fields the row has
    BadValue,           // field, value: what does not read (a date, a time, a number)
    OutOfRange,         // field, value; detail: the range
    UnknownWord,        // field, value: a result, sky or crescent word that is none
    UnknownZone,        // field, value
    OutsideEphemeris,   // field "date", value: a date the ephemeris files do not reach
};

struct CsvFault {
    CsvFaultKind kind = CsvFaultKind::BadValue;
    int line = 0;       // from 1, the line where the row starts
    QString field;
    QString value;
    QString detail;
};

struct CsvRead {
    QList<Attempt> attempts;
    std::optional<CsvFault> fault;   // the first bad row: then no attempt at all
    QList<CsvFault> faults;          // every bad line and field, up to maxFaults
};
CsvRead readAttemptsCsv(QByteArrayView bytes, int maxFaults = 100);

// A text cell as exported: one that a spreadsheet would take for a formula
// (beginning with = + - @, a tab or a carriage return) gets a leading
// apostrophe, and readCell takes it off again, so every text comes back as typed.
QString defusedCell(const QString& text);
QString readCell(const QString& cell);

// RFC 4180 records fed piece by piece, for files too large to hold: each
// complete record is handed out as soon as it ends.
class CsvSplitter {
public:
    // Calls record(fields, line) for each record that ends in the text.
    void feed(QStringView text, const std::function<void(QStringList&, int line)>& record);
    // The end of the input: the last record, if it has no line end.
    void finish(const std::function<void(QStringList&, int line)>& record);
    int unclosedLine() const noexcept { return m_inQuotes ? m_quoteLine : 0; }
    int line() const noexcept { return m_line; }   // the line being read, from 1

private:
    void endRecord(const std::function<void(QStringList&, int)>& record);
    QStringList m_record;
    QString m_field;
    bool m_inQuotes = false, m_fieldStarted = false, m_quotePending = false, m_crPending = false;
    int m_line = 1, m_recordLine = 1, m_quoteLine = 0;
};

// The attempts of a CSV file, row by row, with every fault of each row.
class AttemptCsvReader {
public:
    explicit AttemptCsvReader(QIODevice& in);
    struct Row {
        int line = 0;
        Attempt attempt;
        QList<CsvFault> faults;   // empty: the attempt is good
    };
    // The next row; false at the end of the file, or when the file itself is
    // bad (not UTF-8, a quote left open, a bad header): see fileFaults().
    bool next(Row& row);
    const QList<CsvFault>& fileFaults() const noexcept { return m_fileFaults; }
    qint64 bytesRead() const noexcept { return m_bytes; }

private:
    bool fill();
    bool readHeader(QStringList& header, int line);
    QIODevice& m_in;
    QStringDecoder m_decoder;
    CsvSplitter m_splitter;
    QList<std::pair<QStringList, int>> m_ready;
    qsizetype m_readyAt = 0;
    QHash<QString, qsizetype> m_columns;
    qsizetype m_headerSize = -1;
    QList<CsvFault> m_fileFaults;
    qint64 m_bytes = 0;
    QByteArray m_tail;   // the file's last bytes read
    bool m_end = false, m_first = true;
};

// Header, then one line per entry, CR LF line ends.
QByteArray attemptsCsv(const QList<LogEntry>& entries);

// RFC 4180 records of a text, with the line each starts on; none (and the
// line) for a quote left open. Through CsvSplitter.
struct CsvRecords {
    QList<QStringList> records;
    QList<int> lines;
    int unclosedLine = 0;
};
CsvRecords splitCsv(const QString& text);

}  // namespace tavik::logbook
