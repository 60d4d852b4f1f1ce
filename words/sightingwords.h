// The sighting report in words: the figures' names and values as the text,
// the JSON object and the visibility window show them, in the interface's
// language, from the almanac's figures (sightingfigures.h).
#pragma once

#include <sightingfigures.h>

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTimeZone>

namespace tavik::words {

using almanac::NoCrescent;
using almanac::SightingField;
using almanac::SightingFigures;
using almanac::SightingReport;
using almanac::SunState;

// A text of the "Sighting" context, marked for lupdate where it is written.
QString sightingWords(const char* text);

// The names of the figures, as the window labels them; the text adds a colon.
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

// Where a record was seen, in the interface's language.
QString recordPlace(const almanac::CrescentRecord& record);

// The report as text lines, times in the zone (and UT).
QStringList sightingLines(const SightingReport& r, const QTimeZone& zone);
// The report exactly as "tavik-almanac sighting" prints it: its lines, each
// ended by a line feed.
QString sightingText(const SightingReport& r, const QTimeZone& zone);
// The same figures as one JSON object: angles in degrees, times as ISO 8601.
QJsonObject sightingJson(const SightingReport& r, const QTimeZone& zone);

}  // namespace tavik::words
