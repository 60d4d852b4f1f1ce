// The sighting report's figures, worked out once: what the text lines, the
// JSON object and the visibility window's labels all show. Facts here
// (numbers, enums, optional times); the words come from translatable tables,
// with Hungarian source texts.
#pragma once

#include "sighting.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

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

// A text of the "Sighting" context, marked for lupdate where it is written.
QString sightingWords(const char* text);

// The names of the figures, as the window labels them; the text adds a colon.
enum class SightingField {
    Time, Site, ConjunctionBefore, ConjunctionAfter, Age, Sun, Moon, SunEvent, MoonEvent, Lag,
    Arcl, Arcv, Daz, Width, Lit, Best, YallopQ, OdehV, Records,
};
QString fieldLabel(SightingField f, bool evening);

QString degreesText(double value);                      // "10,63°"
QString whenText(double jd, const QTimeZone& zone);     // "2025.05.27 20:28 (2025.05.27 18:28 UT)"
QString widthText(double arcmin);                       // "0,28′"
QString litText(double fraction);                       // "0,86%"
QString yallopText(double q);                           // "-0,006 (B: jó időben látható)"
QString odehText(double v);                             // "3,32 (B zóna: …)"
QString noQText();                                      // "- (F: nem látható)"
QString noneText();                                     // "nincs"

QString sunStateText(SunState s);
QString moonStateText(bool up);
QString noSunEventText(bool polarNight);                // "nincs (a Nap ezen a napon nem kel fel)"
QString moonUpAllNightText(bool evening);
QString moonDownAllNightText(bool evening);
// The moonset's (moonrise's) value where there is none of that night.
QString noMoonEventText(const SightingFigures& f);
QString lagText(double lagDays, bool evening);          // with a note where the Moon is on the wrong side
QString noCrescentText(NoCrescent why, bool evening);
QString bestRuleText(const SightingFigures& f);         // "napnyugta + 4/9 késés"
QString noBestText(const SightingFigures& f);
// The records' first line after its label, and one line for each record.
QString recordsHeadText(const SightingFigures& f);
QStringList recordTexts(const SightingFigures& f);

}  // namespace tavik::almanac
