// A visibility map as a table: one tab-separated line per grid place, for
// spreadsheets and plotting programs.
#pragma once

#include "visibilitymap.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace tavik::almanac {

// The header "lat lon sunset_ut moonset_ut best_ut lag_min value class"
// (tab-separated), then a line per place from the north-west: degrees to
// three decimals, UTC times as 2025-05-27T18:33:12Z, the lag in minutes to
// one decimal, q or V to three decimals and the class letter; where there is
// no class, a word for why (moonset-first, before-conjunction, no-sunset)
// with the fields that do not apply left empty. Where the Moon does not set
// (rise) that night the moonset and the lag are empty and the best time is
// the darkest moment. Lines end in LF.
QByteArray mapTable(const VisibilityMap& map);

// The same table piece by piece, the header first and then whole grid rows
// in pieces of about a megabyte, so that a fine map's table (75 MB at 0.25°)
// is written without being held whole; an empty piece follows the last.
class MapTableRows {
public:
    explicit MapTableRows(const VisibilityMap& map);
    QByteArrayView next();   // valid until the next call

    // For a map whose places are handed on row by row (MapRowsSink) rather
    // than held: the header line, then the lines of `count` grid rows from
    // `first` appended to `out`. The map given to the constructor needs no
    // places then; appendRows may be called from several threads at once.
    static QByteArrayView header();
    void appendRows(QByteArray& out, int first, int count, const MapPoint* points) const;

private:
    void appendRow(QByteArray& out, int r, const MapPoint* points) const;
    const VisibilityMap& m_map;
    int m_next = -1;
    QByteArray m_piece;
    // What repeats: each column's "lon\t", each day's "YYYY-MM-DDT", the
    // class words.
    QByteArray m_longitudes;
    std::vector<int> m_longitudeEnds;
    std::array<std::array<char, 11>, 7> m_days{};
    std::array<QByteArray, 9> m_classes;   // grades A-F, then the three words
};

// The word (or letter) of the class column for one place.
QByteArray mapClassText(const VisibilityMap& map, const MapPoint& p);

}  // namespace tavik::almanac
