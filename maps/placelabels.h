// The towns named on a map: the Hungarian places of the site list where a
// map shows Hungary closely, the capitals of the world elsewhere; each with
// a dot, where its name has room among those already drawn.
#pragma once

#include "visibilitymap.h"

#include <QList>
#include <QString>

class QPainter;
class QTransform;
class QRectF;

namespace tavik::maps {

struct PlaceLabel {
    QString name;
    double latitude, longitude;   // degrees
};

// The capitals, the larger first, so that they win where names crowd.
const QList<PlaceLabel>& capitals();
// The 29 places of the Hungarian site list.
const QList<PlaceLabel>& hungarianPlaces();

// Labels the places inside target (t takes degrees to its pixels) that the
// region's size calls for.
void paintPlaceLabels(QPainter& painter, const QRectF& target, const QTransform& t, double regionWidth);

}  // namespace tavik::maps
