// The Hungarian sentences for a failed file operation: what the data files'
// layer reports as facts (an error kind, a reason kind, the system's words)
// becomes the text of a message box or of a line on standard error.
#pragma once

#include "datafiles.h"

#include <QString>

namespace tavik {

// "Az 'ujhold.txt' fájl NEM menthető!" and the like, with the reason on a line
// after it; empty for no fault.
QString describeFileFault(const FileStatus& status);

// The reason line under such a sentence: Hungarian for every reason the
// program knows, the system's own words only for the others; empty when
// there is nothing to add.
QString describeFileReason(const FileStatus& status);

// "a" or "az" before a word, by its first sound (capitalised on request).
QString hungarianArticle(const QString& word, bool capital = true);

}  // namespace tavik
