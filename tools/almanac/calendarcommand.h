// "tavik-almanac calendar": the Hijri months by a rule, as a table, as
// tab-separated lines, or as an iCalendar file.
#pragma once

#include <QStringList>

namespace tavik::almanac {

// arguments: the program's name, then what follows "calendar". Returns the
// exit code: 0; 2 for bad input (an unknown rule, a year the ephemeris does
// not cover, --from after --to, a bad site or zone), nothing written; 3 for a
// fault of the ephemeris; 4 when the --ics file cannot be written.
int runCalendarCommand(const QStringList& arguments);

}  // namespace tavik::almanac
