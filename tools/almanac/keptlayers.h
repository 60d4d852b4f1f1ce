// The map pictures' layers (everything but the cells and the title) kept in
// the user's cache folder, $XDG_CACHE_HOME/tavik/layers: the next picture of
// the same sheet, another evening's included, is put together from its layer
// instead of drawn. A layer is kept for this program as built, its fonts and
// the sheet's words, site and layout; the newest few are kept. A layer that
// cannot be read or written is simply drawn again: the picture never depends
// on it.
#pragma once

#include "mapimage.h"
#include "sheetlayer.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace tavik::almanac {

class KeptLayers {
public:
    // Reads the sheet's kept layer, if there is one: all of it but the cells'
    // colours may be known while they are computed.
    KeptLayers(const maps::MapSheet& sheet, const maps::SheetLayout& layout, Criterion criterion);
    // The sheet's picture, from its kept layer or else drawn.
    QImage picture();
    // When the picture was drawn, its layer is drawn and kept for the next.
    void keep() const;

private:
    maps::MapSheet m_sheet;
    maps::SheetLayout m_layout;
    QList<QRgb> m_palette;
    QByteArray m_key;
    QString m_folder, m_path;   // the layers' folder, and this sheet's layer in it
    std::optional<maps::SheetLayer> m_layer;
    bool m_drawn = false;
};

}  // namespace tavik::almanac
