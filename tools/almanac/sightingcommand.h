// "tavik-almanac sighting": the circumstances of one crescent observation.
#pragma once

#include <QStringList>

namespace tavik::almanac {

// arguments: the program's name, then what follows "sighting". Returns the
// exit code: 0, 1 for a bad option, 2 for an --at text that cannot be read,
// 3 for a fault of the ephemeris.
int runSightingCommand(const QStringList& arguments);

}  // namespace tavik::almanac
