// The five result lines drawn on the main window and the seven-line entry of
// the calculation log "szamitott.txt".
#pragma once

#include "observation.h"
#include "regional.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tavik {

struct ResultLine {
    int xTwips;
    int yTwips;    // top of the line's first character
    QString text;
};

// The five lines of a "Megfigyelés" calculation, at x = 650 twips and
// y = 1265, 2100, 2800, 3300, 5120.
std::array<ResultLine, 5> observationLines(const ObservationResult& r, const RegionalSettings& rs);

// The "Most!" variant: the first line split into the date at x = 650 and the
// time alone at x = 4850 on the same height, so six pieces in all.
std::array<ResultLine, 6> nowLines(const ObservationResult& r, const RegionalSettings& rs);

// Seven lines, without line ends.
QStringList calculationLogEntry(const ObservationResult& r, const RegionalSettings& rs);
// The "Most!" entry: its first line holds the date immediately followed by the time.
QStringList nowLogEntry(const ObservationResult& r, const RegionalSettings& rs);

// The lines joined, each ended by CR LF, as appended to the log.
QString joinWithCrLf(const QStringList& lines);

}  // namespace tavik
