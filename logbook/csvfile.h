// The logbook as CSV (RFC 4180, UTF-8, a header line): the attempt's own
// columns in any order on import; on export these first, in a fixed order,
// then the computed ones.
#pragma once

#include "attempt.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <optional>

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
};

struct CsvFault {
    CsvFaultKind kind = CsvFaultKind::BadValue;
    int line = 0;       // from 1, the line where the row starts
    QString field;
    QString value;
    QString detail;
};

// A Hungarian sentence naming the line, the field and what it should be.
QString describeCsvFault(const CsvFault& fault);

struct CsvRead {
    QList<Attempt> attempts;
    std::optional<CsvFault> fault;   // the first bad row: then no attempt at all
};
CsvRead readAttemptsCsv(QByteArrayView bytes);

// Header, then one line per entry, CR LF line ends.
QByteArray attemptsCsv(const QList<LogEntry>& entries);

// RFC 4180 records of a text, with the line each starts on; none (and the
// line) for a quote left open.
struct CsvRecords {
    QList<QStringList> records;
    QList<int> lines;
    int unclosedLine = 0;
};
CsvRecords splitCsv(const QString& text);

}  // namespace tavik::logbook
