// "tavik-almanac log": the hunter's logbook from the command line: import and
// export as CSV, list, add one attempt, the personal records and the criteria
// scored against what was seen.
#pragma once

#include <QStringList>

namespace tavik::almanac {

// arguments: the program's name, then what follows "log". Returns the exit
// code: 0, 1 for a bad option, 2 for bad input or a logbook that cannot be
// read or written (nothing changed), 3 for a fault of the ephemeris.
int runLogCommand(const QStringList& arguments);

}  // namespace tavik::almanac
