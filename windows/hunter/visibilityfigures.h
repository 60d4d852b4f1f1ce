// The sighting report's figures as the visibility window shows them: one row
// a figure, at the moment and (where it has one) at the best time, and the
// rows of the crescent hunt's table. Texts only; the window places them.
#pragma once

#include "evening.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

namespace tavik {

struct Figure {
    QString key;      // the value labels' object names: "arcl", "arcl.best"
    QString label;    // Hungarian, also the screen reader's name
    QString now;      // the value, or the value at the report's moment
    QString best;     // at the best time; empty for a figure without one
};

QList<Figure> reportFigures(const almanac::SightingReport& r, const QTimeZone& zone);

// The hunt table's heading and its rows: date, sunset (sunrise), lag, age at
// the best time, q with its class, V with its zone.
QStringList huntHeadings(bool evening);
QList<QStringList> huntRows(const QList<almanac::HuntEvening>& hunt, const QTimeZone& zone);

}  // namespace tavik
