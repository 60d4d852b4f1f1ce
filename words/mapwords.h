// The words of the crescent visibility maps: the title, the captions of the
// evenings, the legend, the graticule's sides and the place names, and the
// note on a map beyond the conjunction. The picture library draws what these
// give it; the map command and the map window word their sheets here alike.
#pragma once

#include "mapimage.h"
#include "wordslanguage.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace tavik::words {

using tavik::almanac::Criterion;
using tavik::almanac::VisibilityMap;

// "Yallop-féle q" or "Odeh-féle V".
QString criterionName(Criterion criterion);
// A map's caption: "2025.05.27. este", "2025.05.26 dawn".
QString eveningCaption(const Language& language, QDate date, bool morning);
// "Holdsarló láthatósága 2025.05.27. este – Yallop-féle q – együttállás:
// 2025.05.27 03:02 UT".
QString mapTitle(const Language& language, const VisibilityMap& map);
// Why a map shows no crescent at all: its date is on the wrong side of the
// conjunction everywhere (almanac::beyondConjunctionEverywhere, or what a
// streamed map's rows told).
QString beyondConjunctionNote(const Language& language, const VisibilityMap& map);

// What a legend key stands for, worded for the evening or the morning:
// "A: könnyen látható", "a Hold a Nap előtt nyugszik".
QString legendText(Criterion criterion, const maps::LegendKey& key, bool morning);
// The classes of the criterion, then the reasons a place has none, worded
// for the evening or the morning, each with its colour.
QList<maps::LegendEntry> legendEntries(Criterion criterion, bool morning);
// The graticule's sides, the capitals of the world and the places of the
// Hungarian site list.
maps::MapLabels mapLabels();

// The sheet of the maps shown over region: its title names the first map's
// criterion and conjunction, each map is captioned with its evening.
maps::MapSheet mapSheet(const Language& language, const QList<VisibilityMap>& maps, const maps::GeoRect& region,
                        const std::optional<tavik::almanac::Site>& site);
// The sheet of one map's picture for a file (laid out by maps::pictureLayout):
// its title, the map from its cells (as maps::cellImage makes them, or a
// streamed map's rows), the legend.
maps::MapSheet pictureSheet(const Language& language, const VisibilityMap& map, const QImage& cells,
                            const std::optional<tavik::almanac::Site>& site);

}  // namespace tavik::words
