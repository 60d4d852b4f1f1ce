#include "mapwords.h"

#include "almanacterms.h"
#include "crescents.h"

#include <siteplaces.h>

#include <QCoreApplication>
#include <QTimeZone>

namespace tavik::words {

namespace {

using tavik::almanac::MapOutcome;

struct Capital {
    const char* name;   // Hungarian
    double latitude, longitude;
};

// The larger first, so that they win where names crowd.
constexpr Capital kCapitals[] = {
    {QT_TRANSLATE_NOOP("PlaceLabels", "Budapest"), 47.50, 19.04},
    {QT_TRANSLATE_NOOP("PlaceLabels", "London"), 51.51, -0.13},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Párizs"), 48.86, 2.35},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Berlin"), 52.52, 13.40},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Moszkva"), 55.76, 37.62},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Róma"), 41.90, 12.50},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Madrid"), 40.42, -3.70},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Bécs"), 48.21, 16.37},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Varsó"), 52.23, 21.01},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Kijev"), 50.45, 30.52},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Bukarest"), 44.43, 26.10},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Belgrád"), 44.79, 20.45},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Prága"), 50.08, 14.44},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Pozsony"), 48.15, 17.11},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Zágráb"), 45.81, 15.98},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Ljubljana"), 46.06, 14.51},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Athén"), 37.98, 23.73},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Isztambul"), 41.01, 28.98},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Stockholm"), 59.33, 18.07},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Oslo"), 59.91, 10.75},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Helsinki"), 60.17, 24.94},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Reykjavík"), 64.15, -21.94},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Lisszabon"), 38.72, -9.14},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Kairó"), 30.04, 31.24},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Mekka"), 21.42, 39.83},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Teherán"), 35.69, 51.39},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Új-Delhi"), 28.61, 77.21},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Peking"), 39.90, 116.41},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Tokió"), 35.68, 139.69},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Dzsakarta"), -6.21, 106.85},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Canberra"), -35.28, 149.13},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Washington"), 38.91, -77.04},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Ottawa"), 45.42, -75.70},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Mexikóváros"), 19.43, -99.13},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Brazíliaváros"), -15.79, -47.88},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Buenos Aires"), -34.60, -58.38},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Lima"), -12.05, -77.04},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Pretoria"), -25.75, 28.19},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Nairobi"), -1.29, 36.82},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Abuja"), 9.08, 7.40},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Rabat"), 34.02, -6.83},
    {QT_TRANSLATE_NOOP("PlaceLabels", "Wellington"), -41.29, 174.78},
};

QString conjunctionText(const VisibilityMap& map)
{
    return tavik::almanac::formatLocalMinute(map.newMoon, QTimeZone::utc());
}

}  // namespace

QString criterionName(Criterion criterion)
{
    return criterion == Criterion::Yallop ? QCoreApplication::translate("tavik::maps", "Yallop-féle q")
                                          : QCoreApplication::translate("tavik::maps", "Odeh-féle V");
}

QString eveningCaption(const Language& language, QDate date, bool morning)
{
    return (morning ? QCoreApplication::translate("MapSheet", "%1 hajnalban") : QCoreApplication::translate("MapSheet", "%1 este"))
        .arg(language.captionDate(date));
}

QString mapTitle(const Language& language, const VisibilityMap& map)
{
    return (map.request.morning
                ? QCoreApplication::translate("tavik::maps", "Holdsarló láthatósága %1 hajnalban – %2 – együttállás: %3 UT")
                : QCoreApplication::translate("tavik::maps", "Holdsarló láthatósága %1 este – %2 – együttállás: %3 UT"))
        .arg(language.captionDate(map.request.date), criterionName(map.request.criterion), conjunctionText(map));
}

QString beyondConjunctionNote(const Language& language, const VisibilityMap& map)
{
    const QString date = language.captionDate(map.request.date);
    return map.request.morning
               ? QCoreApplication::translate("tavik::maps", "%1 hajnalán sehol sincs óhold: a térkép minden pontján az együttállás (%2 UT) után kel a Nap. "
                                                            "Az óholdat a korábbi hajnalok térképe mutatja.")
                     .arg(date, conjunctionText(map))
               : QCoreApplication::translate("tavik::maps", "%1 estéjén sehol sincs újhold: a térkép minden pontján az együttállás (%2 UT) előtt nyugszik a Nap. "
                                                            "Az újholdat a későbbi esték térképe mutatja.")
                     .arg(date, conjunctionText(map));
}

QString legendText(Criterion criterion, const maps::LegendKey& key, bool morning)
{
    using namespace tavik::almanac;
    switch (key.outcome) {
    case MapOutcome::Graded:
    case MapOutcome::NoMoonset: {
        const QString words = criterion == Criterion::Yallop ? yallopWords(YallopClass(key.grade))
                                                             : odehWords(OdehZone(key.grade));
        return QString(gradeLetter(criterion, key.grade)) + QStringLiteral(": ") + words;
    }
    case MapOutcome::MoonsetFirst:
        return morning ? QCoreApplication::translate("tavik::maps", "a Hold a Nap után kel")
                       : QCoreApplication::translate("tavik::maps", "a Hold a Nap előtt nyugszik");
    case MapOutcome::BeforeConjunction:
        return morning ? QCoreApplication::translate("tavik::maps", "napkelte az együttállás után")
                       : QCoreApplication::translate("tavik::maps", "napnyugta az együttállás előtt");
    case MapOutcome::NoSunset: break;
    }
    return morning ? QCoreApplication::translate("tavik::maps", "nincs napkelte")
                   : QCoreApplication::translate("tavik::maps", "nincs napnyugta");
}

QList<maps::LegendEntry> legendEntries(Criterion criterion, bool morning)
{
    QList<maps::LegendEntry> entries;
    for (const maps::LegendKey& key : maps::legendKeys(criterion))
        entries.append({maps::legendColour(criterion, key), legendText(criterion, key, morning)});
    return entries;
}

maps::MapLabels mapLabels()
{
    maps::MapLabels labels;
    labels.north = compassLetter(true, true);
    labels.south = compassLetter(true, false);
    labels.east = compassLetter(false, true);
    labels.west = compassLetter(false, false);
    for (const Capital& c : kCapitals)
        labels.capitals.append({QCoreApplication::translate("PlaceLabels", c.name), c.latitude, c.longitude});
    for (const ObservingSite& s : hungarianSites())
        labels.towns.append({s.name, s.latitude, s.longitude});
    return labels;
}

maps::MapSheet mapSheet(const Language& language, const QList<VisibilityMap>& maps, const maps::GeoRect& region,
                        const std::optional<tavik::almanac::Site>& site)
{
    maps::MapSheet sheet = maps::sheetOf(maps, region, site);
    const Criterion criterion = maps.isEmpty() ? Criterion::Yallop : maps.first().request.criterion;
    const bool morning = !maps.isEmpty() && maps.first().request.morning;
    if (!maps.isEmpty())
        sheet.title = QCoreApplication::translate("MapSheet", "Holdsarló láthatósága – %1 – együttállás: %2 UT")
                          .arg(criterionName(criterion), conjunctionText(maps.first()));
    for (const VisibilityMap& m : maps)
        sheet.captions.append(eveningCaption(language, m.request.date, m.request.morning));
    sheet.legend = legendEntries(criterion, morning);
    sheet.labels = mapLabels();
    return sheet;
}

maps::MapSheet pictureSheet(const Language& language, const VisibilityMap& map, const QImage& cells,
                            const std::optional<tavik::almanac::Site>& site)
{
    maps::MapSheet sheet;
    sheet.site = site;
    sheet.cells.append(cells);
    sheet.cellRegions.append(map.request.region);
    sheet.title = mapTitle(language, map);
    sheet.captions = {QString()};
    sheet.legend = legendEntries(map.request.criterion, map.request.morning);
    sheet.labels = mapLabels();
    return sheet;
}

}  // namespace tavik::words
