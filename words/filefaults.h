// The sentences for a failed file operation: what the data files'
// layer reports as facts (an error kind, a reason kind, the system's words)
// becomes the text of a message box or of a line on standard error.
#pragma once

#include "datafiles.h"

#include <QString>
#include <QStringList>

namespace tavik {

// "Az 'ujhold.txt' fájl NEM menthető!" and the like, with the reason on a line
// after it; empty for no fault.
QString describeFileFault(const FileStatus& status);

// The reason line under such a sentence: Hungarian for every reason the
// program knows, the system's own words only for the others; empty when
// there is nothing to add.
QString describeFileReason(const FileStatus& status);

// The pattern with %1 … %9 replaced by values in one pass, so that a value
// holding "%2" stays as it is and a translation may leave a value out.
QString fillIn(const QString& pattern, const QStringList& values);

// "a" or "az" before a word, by its first sound (capitalised on request).
QString hungarianArticle(const QString& word, bool capital = true);

}  // namespace tavik
