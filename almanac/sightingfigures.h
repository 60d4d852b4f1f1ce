// The sighting report's figures, worked out once: what the text lines, the
// JSON object and the visibility window's labels all show. Facts here
// (numbers, enums, optional times); the words layer says them
// (words/sightingwords.h).
#pragma once

#include "sighting.h"

#include <QList>

#include <optional>

namespace tavik::almanac {

enum class SunState { Up, Set, NotYetRisen, DownAllDay };
// Why there is no crescent to look for.
enum class NoCrescent { NoSunEvent, NoMoonEvent, MoonOnTheWrongSide };

struct RecordComparison {
    CrescentRecord record;
    std::optional<bool> younger;   // none where nothing is compared (a photograph, or no crescent)
};

struct SightingFigures {
    SightingReport report;
    SunState sunState = SunState::Up;
    bool polarNight = false;                 // no sunset (sunrise): the Sun does not rise that day
    std::optional<double> moonEvent;         // that night's moonset (moonrise)
    bool moonUpAllNight = false;
    bool moonDownAllNight = false;           // set before the Sun and down till sunrise (mirrored at dawn)
    std::optional<double> lagDays;
    std::optional<double> bestTime;          // with the figures there
    std::optional<CrescentGeometry> best;
    std::optional<double> bestAgeDays;
    YallopClass yallop = YallopClass::F;     // at the best time
    OdehZone odeh = OdehZone::D;
    std::optional<NoCrescent> noCrescent;    // none where the crescent has a best time
    QList<RecordComparison> records;
};

SightingFigures sightingFigures(const SightingReport& r);

// The figures, as the window and the text name them (words::fieldLabel).
enum class SightingField {
    Time, Site, ConjunctionBefore, ConjunctionAfter, Age, Sun, Moon, SunEvent, MoonEvent, Lag,
    Arcl, Arcv, Daz, Width, Lit, Best, YallopQ, OdehV, Records,
};
}  // namespace tavik::almanac
