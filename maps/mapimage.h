// The picture of a visibility map: equirectangular, the places in the
// legend's colours, shore lines and borders, a graticule whose labels keep
// apart, town names where there is room, the observer's site; as a sheet,
// with the title above and the legend below. Every word on it is handed in
// (MapLabels, the sheet's title, captions and legend), rendered by the words
// layer in the interface's language.
#pragma once

#include "ephemeris.h"
#include "maplegend.h"
#include "placelabels.h"
#include "visibilitymap.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace tavik::maps {

using tavik::almanac::Site;
using tavik::almanac::VisibilityMap;

// A part of the world: degrees, west to east, south to north.
using GeoRect = tavik::almanac::MapRegion;
inline constexpr GeoRect kWorld{-180.0, -90.0, 180.0, 90.0};
inline constexpr GeoRect kEurope{-30.0, 25.0, 50.0, 72.0};
// Hungary and its neighbours.
inline constexpr GeoRect kHungary{13.0, 44.5, 27.0, 50.0};

// The places as one pixel each, row 0 the northernmost.
QImage cellImage(const VisibilityMap& map);

// The colour of each place, looked up once: for cells coloured row by row as
// a streamed map's rows come (VisibilityMapJob::run with a sink).
class CellColours {
public:
    explicit CellColours(tavik::almanac::Criterion criterion);
    // The places of one row into the line of pixels.
    void colourRow(const tavik::almanac::MapPoint* points, int count, QRgb* line) const;

private:
    static constexpr int kGrades = 8;
    static constexpr int kOutcomes = int(tavik::almanac::MapOutcome::NoMoonset) + 1;
    tavik::almanac::Criterion m_criterion;
    std::array<QRgb, kOutcomes * kGrades> m_colours{};
    std::array<bool, kOutcomes * kGrades> m_known{};
};

// The region of the map drawn into target, from cells (made by cellImage)
// that cover cellsRegion, with the lines over it, the towns labelled where
// there is room, and the site marked where it falls inside.
void paintMap(QPainter& painter, const QRectF& target, const QImage& cells, const GeoRect& cellsRegion,
              const GeoRect& region, const std::optional<Site>& site, const MapLabels& labels);
void paintMap(QPainter& painter, const QRectF& target, const QImage& cells, const GeoRect& region,
              const std::optional<Site>& site, const MapLabels& labels);

// A picture of one or more evenings of a region: a title, each map under its
// caption, one legend. The window and the command line draw the same sheet.
struct MapSheet {
    QString title;
    QStringList captions;          // one a map, empty for none
    QList<LegendEntry> legend;
    MapLabels labels;              // the words on the maps' face
    QList<QImage> cells;           // one a map, made by cellImage
    QList<GeoRect> cellRegions;    // what each map's cells cover
    GeoRect region = kWorld;       // what is shown
    std::optional<Site> site;
    double shape = 0;   // width over height the maps would best have when filling; 0: any
};

struct SheetLayout {
    QSize size;
    QRectF title;
    QList<QRectF> captions;
    QList<QRectF> maps;
    QRectF legend;
    bool stacked = false;   // the maps one under the other
};

// With fill, the maps take all the room of size left by the title, captions
// and legend: side by side or stacked, whichever shows a region of the
// sheet's shape larger (without a shape: side by side where each gets a fair
// width). Without
// it, the maps are as wide as size allows and as high as the region's shape,
// and the sheet as high as what it holds.
SheetLayout layoutSheet(const MapSheet& sheet, QSize size, bool fill);
void paintSheet(QPainter& painter, const MapSheet& sheet, const SheetLayout& layout);
// The parts of paintSheet, in its order: white, the title, then the body
// (captions, maps, legend). Without cells, the body takes the maps' cells as
// in the picture already, where paintSheetCells (white and the cells of each
// map, nothing else) put them.
void paintSheetTitle(QPainter& painter, const MapSheet& sheet, const SheetLayout& layout);
void paintSheetBody(QPainter& painter, const MapSheet& sheet, const SheetLayout& layout, bool withCells);
void paintSheetCells(QPainter& painter, const MapSheet& sheet, const SheetLayout& layout);
QImage sheetImage(const MapSheet& sheet, const SheetLayout& layout);

// The cells of the maps shown over region, without words.
MapSheet sheetOf(const QList<VisibilityMap>& maps, const GeoRect& region, const std::optional<Site>& site);

// The layout of a sheet's picture for a file: title, the maps mapWidth
// pixels wide (the world half as high), legend.
SheetLayout pictureLayout(const MapSheet& sheet, int mapWidth = 1440);

// Every colour a map's cells can take under the criterion.
QList<QRgb> cellPalette(tavik::almanac::Criterion criterion);

// The fonts of the maps' face, drawn: it changes when they do.
QByteArray fontFingerprint();

// The picture as PNG bytes (or in another format Qt writes, named as
// QImageWriter names it); empty when it cannot be encoded. An opaque
// picture's PNG is written without row filters, which suits flat colour.
QByteArray pngBytes(const QImage& image, const char* format = "PNG");

}  // namespace tavik::maps
