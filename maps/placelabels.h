// The words on a map's face and the towns named on it: each town with a dot,
// where its name has room among those already drawn. The names come from the
// words layer, in the interface's language.
#pragma once

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

struct MapLabels {
    // After a graticule line's degrees: "47°É", "19°K".
    QString north, south, east, west;
    // Named on every map, the larger first, so that they win where names crowd.
    QList<PlaceLabel> capitals;
    // Named only where a map shows Hungary closely.
    QList<PlaceLabel> towns;
};

// Labels the places inside target (t takes degrees to its pixels) that the
// region's size calls for.
void paintPlaceLabels(QPainter& painter, const QRectF& target, const QTransform& t, double regionWidth,
                      const MapLabels& labels);

}  // namespace tavik::maps
