// The logbook's words: the labels of its results and skies, the sentences of
// its flags, the faults of its file and of its CSV form, and the summaries'
// labels, rendered from the facts the logbook library returns, in the
// interface's language. The window and tavik-almanac log share them.
#pragma once

#include <attempt.h>
#include <csvfile.h>
#include <logbookstore.h>
#include <summaries.h>

#include <QString>
#include <QStringList>

namespace tavik {

// "szabad szemmel", "nem látszott"; "tiszta", "nincs megadva".
QString resultLabel(logbook::Result result);
QString skyLabel(logbook::Sky sky);

// The sentence of one flag, said of an evening's or a morning's crescent;
// and of each flag set, in the order of logbook::kAllFlags.
QString flagSentence(unsigned flag, bool evening);
QStringList flagSentences(unsigned flags, bool evening);

// A sentence naming the line, the field and what it should be.
QString describeCsvFault(const logbook::CsvFault& fault);

// A sentence naming the logbook file and the reason; empty for no fault.
QString describeStoreStatus(const logbook::StoreStatus& status);

// "Legfiatalabb sarló szabad szemmel"; the record's value: "13 óra 0 perc",
// "31 perc", "8,09°".
QString personalRecordLabel(logbook::PersonalRecordKind kind);
QString personalRecordValue(const logbook::PersonalRecord& record);
// How "right" is counted in the criteria's score.
QString scoreRule();

}  // namespace tavik
