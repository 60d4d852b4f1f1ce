// The colours of a visibility map and their legend, one scheme for both
// criteria and for every place a map is shown: the classes from green (easily
// seen) to grey (not seen), and a shade of its own for each reason a place
// has no class.
#pragma once

#include "visibilitymap.h"

#include <QColor>
#include <QList>
#include <QString>

class QPainter;
class QRectF;

namespace tavik::maps {

using tavik::almanac::Criterion;

struct LegendEntry {
    QColor colour;
    QString text;   // "A: könnyen látható", "a Hold a Nap előtt nyugszik"
};

QColor pointColour(Criterion criterion, const tavik::almanac::MapPoint& p);

// The classes of the criterion, then the four reasons, worded for the
// evening or the morning.
QList<LegendEntry> legendEntries(Criterion criterion, bool morning);

// "Yallop-féle q" or "Odeh-féle V".
QString criterionName(Criterion criterion);

// The legend in rows of boxes and words filling the width; returns the
// height it takes (drawn only when painter is given).
qreal layoutLegend(QPainter* painter, const QRectF& area, Criterion criterion, bool morning);

}  // namespace tavik::maps
