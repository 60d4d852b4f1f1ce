// Everything on a map's sheet but its cells and its title, drawn once over
// each colour a cell can take and kept, so that the next picture of the same
// sheet is put together pixel by pixel instead of drawn: the shores, borders,
// graticule, names and legend are most of a world map's drawing.
//
// Qt blends each pixel by itself, so what a pixel becomes depends only on
// the colour under it. Drawn over every colour of the palette, each pixel is
// one of three kinds: left as it was (no line crosses it), one colour whatever
// was under it, or a colour for each colour that can be under it (the
// antialiased and translucent edges). Put together so, a picture is the same
// to the pixel as sheetImage draws it as the first drawing of its thread
// (freshSheetImage): Qt's raster engine keeps state in a thread from one
// drawing to the next that moves the antialiased edges of the names'
// outlines by a step or two, so each colour is drawn on a thread of its own.
#pragma once

#include "mapimage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>

#include <optional>
#include <span>

namespace tavik::maps {

class SheetLayer {
public:
    // The sheet (its title and cells aside) over each colour of palette, on
    // the worker threads. key is kept with it (sheetLayerKey).
    static SheetLayer draw(const MapSheet& sheet, const SheetLayout& layout, const QList<QRgb>& palette,
                           const QByteArray& key);
    // A layer as bytes() gave it, when it is whole and made for key.
    static std::optional<SheetLayer> fromBytes(const QByteArray& bytes, const QByteArray& key);
    // Empty for a layer that could not be drawn (it would not serve).
    QByteArray bytes() const;

    // The picture freshSheetImage(sheet, layout) draws, for a sheet this
    // layer was drawn for; a null picture where it cannot tell (another size,
    // a cell of a colour not in its palette, a title reaching into the drawing).
    QImage compose(const MapSheet& sheet, const SheetLayout& layout) const;

private:
    const quint32* word(qsizetype at) const { return reinterpret_cast<const quint32*>(m_data.constData() + at); }

    // The layer as bytes(): the words below are read where they stand in it.
    QByteArray m_data;
    QSize m_size;
    QList<QRgb> m_palette;
    int m_firstDrawnRow = 0;
    // Runs of pixels in row order, each a word: its kind in the top two bits,
    // its length below; after a run of one colour, the colour; after a run of
    // blends, each pixel's blend.
    std::span<const quint32> m_runs;
    std::span<const QRgb> m_blends;   // a colour for each of the palette's, a blend after another
};

// sheetImage drawn on a thread of its own, whatever the caller drew before.
QImage freshSheetImage(const MapSheet& sheet, const SheetLayout& layout);

// What a layer's pixels depend on besides the program that draws them
// (program: the caller's mark of it): the layout, the region, the site, the
// words on the face and in the legend, the palette and the fonts.
QByteArray sheetLayerKey(const MapSheet& sheet, const SheetLayout& layout, const QList<QRgb>& palette,
                         QByteArrayView program);

}  // namespace tavik::maps
