// The colours of a visibility map and their legend, one scheme for both
// criteria and for every place a map is shown: the classes from green (easily
// seen) to grey (not seen), and a shade of its own for each reason a place
// has no class. The legend's words come from the words layer.
#pragma once

#include "visibilitymap.h"

#include <QColor>
#include <QFont>
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

// What the legend's entries stand for, in its order: the criterion's classes
// (grade 0 up), then the three reasons a place has no class.
struct LegendKey {
    tavik::almanac::MapOutcome outcome;
    int grade;   // counts only for MapOutcome::Graded
};
QList<LegendKey> legendKeys(Criterion criterion);
QColor legendColour(Criterion criterion, const LegendKey& key);
QFont legendFont();

// The legend in rows of boxes and words filling the width; returns the
// height it takes (drawn only when painter is given).
qreal layoutLegend(QPainter* painter, const QRectF& area, const QList<LegendEntry>& entries);

}  // namespace tavik::maps
