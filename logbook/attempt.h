// The hunter's logbook: one attempt to see a young (or old) crescent, what
// was computed for it when it was saved, and the checks that flag a doubtful
// claim. Its values are facts: enums, numbers, flags and the keys the CSV and
// the command line write; the words layer says them (words/logbookwords.h).
//
// attempt        one attempt, its results, flags and their words
// circumstances  the computation and the checks (almanac), for many at once
// logbookstore   the SQLite file: schema, transactions, faults
// csvfile        the CSV form for import and export
// summaries      personal records and the criteria against what was seen
#pragma once

#include <crescents.h>
#include <siteconfig.h>

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

namespace tavik::logbook {

// Raised whenever the computation changes, so that old records can be told.
inline constexpr int kComputationVersion = 1;

enum class Result { NakedEye, Binoculars, Telescope, Camera, NotSeen };
inline constexpr int kResultCount = 5;
enum class Sky { Unknown, Clear, Haze, ThinCloud, Cloudy, Dust };
inline constexpr int kSkyCount = 6;

// The CSV and command-line words ("naked-eye").
QString resultKey(Result r);
std::optional<Result> resultFromKey(const QString& key);
QString skyKey(Sky s);   // empty for Unknown
std::optional<Sky> skyFromKey(const QString& key);
bool seen(Result r);

// The site of an attempt is an observing site; its zone is always named
// (an IANA id or "UTC"), never left to the system's.
using AttemptSite = ObservingSite;

struct Attempt {
    QDate date;                   // local date of the evening (morning)
    std::optional<QTime> time;    // first sight, local; none: the best time
    bool evening = true;
    AttemptSite site;
    QString observer;
    Result result = Result::NakedEye;
    QString instrument;
    Sky sky = Sky::Unknown;
    QString notes;
    friend bool operator==(const Attempt&, const Attempt&) = default;
};

// What a claim is flagged for; kept, never refused.
enum Flag : unsigned {
    MoonBelowHorizon = 1u << 0,    // below the horizon, or set (not risen), at the time
    MoonSetFirst = 1u << 1,        // the Moon set before the Sun (rose after it)
    BeforeConjunction = 1u << 2,   // an evening before the conjunction (a morning after it)
    NakedEyeZoneD = 1u << 3,       // naked eye where Odeh's zone is D
    NakedEyeDanjon = 1u << 4,      // naked eye below the Danjon limit
    BeyondRecord = 1u << 5,        // younger than the record for its means
};
inline constexpr unsigned kAllFlags[] = {MoonBelowHorizon, MoonSetFirst, BeforeConjunction,
                                         NakedEyeZoneD, NakedEyeDanjon, BeyondRecord};
// The elongation below which the crescent cannot be seen (Odeh 2004).
inline constexpr double kDanjonLimitDegrees = 6.4;

QString flagKey(unsigned flag);                  // "moon-below-horizon"
// "moon-below-horizon;moonset-first"; and back, none for an unknown word.
QString flagKeys(unsigned flags);
std::optional<unsigned> flagsFromKeys(const QString& text);

struct Circumstances {
    int version = kComputationVersion;
    double atJd = 0;              // the moment computed for (UT1 Julian day)
    bool bestTime = false;        // no time was given: the best time (or the Sun's event)
    double ageHours = 0;          // since the nearest conjunction; negative before it
    std::optional<double> lagMinutes;   // none where the Moon does not set (rise) that evening
    double arcl = 0, arcv = 0, daz = 0;  // degrees
    double width = 0;             // W', arc minutes
    double litFraction = 0;       // 0..1
    double moonAltitude = 0;      // apparent, degrees
    double q = 0;
    almanac::YallopClass yallop = almanac::YallopClass::F;
    double v = 0;
    almanac::OdehZone odeh = almanac::OdehZone::D;
    unsigned flags = 0;
};

struct LogEntry {
    qint64 id = 0;                // the database's, 0 before it is saved
    Attempt attempt;
    Circumstances computed;
};

}  // namespace tavik::logbook
