// What a logbook adds up to: the observer's own records beside the world's,
// and how well Yallop's and Odeh's criteria foretold what was seen.
#pragma once

#include "attempt.h"

#include <QList>

#include <array>
#include <optional>

namespace tavik::logbook {

enum class PersonalRecordKind { NakedEye, OpticalAid, Camera, ShortestLag, SmallestArcl };
inline constexpr int kPersonalRecordCount = 5;

struct PersonalRecord {
    PersonalRecordKind kind;
    std::optional<LogEntry> entry;   // none: no attempt qualifies yet
    double value = 0;                // hours, minutes or degrees
    std::optional<double> worldHours;   // the world record for the youngest crescents
};

// A record is a seen crescent whose claim is possible at all: not one flagged
// for a Moon below the horizon, setting first or before the conjunction.
bool countsForRecords(const LogEntry& e);
QList<PersonalRecord> personalRecords(const QList<LogEntry>& entries);

// Whether a criterion's class foretold the result (the words layer's
// scoreRule() says it in words).
bool yallopRight(almanac::YallopClass c, Result r);
bool odehRight(almanac::OdehZone z, Result r);

struct CriteriaScore {
    std::array<std::array<int, kResultCount>, 6> yallop{};   // class x result
    std::array<std::array<int, kResultCount>, 4> odeh{};
    int counted = 0;
    int yallopRight = 0;
    int odehRight = 0;
    // Not seen under a cloudy sky: no test of a criterion, left out of all the above.
    int leftOut = 0;
    // Of those counted, the ones under haze, thin cloud or dust, apart.
    int veiledCounted = 0;
    int veiledYallopRight = 0;
    int veiledOdehRight = 0;
};
// Whether an attempt tests the criteria at all (see CriteriaScore::leftOut).
bool countsForScore(const Attempt& a);
bool veiledSky(Sky s);
CriteriaScore scoreCriteria(const QList<LogEntry>& entries);

}  // namespace tavik::logbook
