// The texts of the five result lines drawn on the main window (where they
// stand is the result surface's business) and the seven-line entry of the
// calculation log "szamitott.txt".
#pragma once

#include "observation.h"
#include "regional.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tavik {

// The five result lines of a "Megfigyelés" calculation, top to bottom.
std::array<QString, 5> observationLines(const ObservationResult& r, const RegionalSettings& rs);

// The "Most!" variant: the first line ends with the date alone and the time
// follows as a piece of its own, so six pieces in all.
std::array<QString, 6> nowLines(const ObservationResult& r, const RegionalSettings& rs);

// Seven lines, without line ends.
QStringList calculationLogEntry(const ObservationResult& r, const RegionalSettings& rs);
// The "Most!" entry: its first line holds the date immediately followed by the time.
QStringList nowLogEntry(const ObservationResult& r, const RegionalSettings& rs);

// The lines joined, each ended by CR LF, as appended to the log.
QString joinWithCrLf(const QStringList& lines);

}  // namespace tavik
