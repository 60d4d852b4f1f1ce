// Names written onto a picture of the Moon: a small marker at the feature and
// its name beside it in a light colour with a dark outline.
#pragma once

#include "lunarfeatures.h"
#include "moonrender.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <vector>

namespace tavik::pictures {

struct PlacedLabel {
    QString name;
    QPointF marker;     // pixels
    QRectF text;        // pixels
};

struct LabelStyle {
    int pixelSize = 13;
    bool leaderLines = false;   // let a name stand further off, joined by a line
};

// The colours the labels use, so that a picture's palette can hold them.
QColor seaColour();
QColor mountainColour();
QColor craterColour();
QColor markerColour();

// Draws the features that lie on the visible disc, best known first; a name
// that finds no free place beside its marker is left out, marker and all.
std::vector<PlacedLabel> drawLabels(QImage& image, const std::vector<LunarFeature>& features,
                                    const DiscGeometry& disc, const LabelStyle& style);

// A line of text in the label style with its top-left corner at topLeft.
void drawCaption(QImage& image, const QString& text, QPointF topLeft, int pixelSize);

} // namespace tavik::pictures
