#include "summaries.h"

#include <sighting.h>


#include <cmath>

namespace tavik::logbook {

using almanac::OdehZone;
using almanac::YallopClass;

namespace {

constexpr unsigned kImpossible = MoonBelowHorizon | MoonSetFirst | BeforeConjunction;

bool optical(Result r)
{
    return r == Result::Binoculars || r == Result::Telescope;
}

}  // namespace

bool countsForRecords(const LogEntry& e)
{
    return seen(e.attempt.result) && (e.computed.flags & kImpossible) == 0;
}

QList<PersonalRecord> personalRecords(const QList<LogEntry>& entries)
{
    const auto& world = almanac::crescentRecords();
    QList<PersonalRecord> records{
        {PersonalRecordKind::NakedEye, {}, 0, world[0].hours},
        {PersonalRecordKind::OpticalAid, {}, 0, world[1].hours},
        {PersonalRecordKind::Camera, {}, 0, world[3].hours},
        {PersonalRecordKind::ShortestLag, {}, 0, {}},
        {PersonalRecordKind::SmallestArcl, {}, 0, {}},
    };
    auto offer = [](PersonalRecord& r, const LogEntry& e, double value) {
        if (!r.entry || value < r.value) {
            r.entry = e;
            r.value = value;
        }
    };
    for (const LogEntry& e : entries) {
        if (!countsForRecords(e))
            continue;
        const Result result = e.attempt.result;
        const double hours = std::abs(e.computed.ageHours);
        if (result == Result::NakedEye)
            offer(records[0], e, hours);
        if (optical(result))
            offer(records[1], e, hours);
        if (result == Result::Camera)
            offer(records[2], e, hours);
        if (e.computed.lagMinutes)
            offer(records[3], e, *e.computed.lagMinutes);
        offer(records[4], e, e.computed.arcl);
    }
    return records;
}

bool yallopRight(YallopClass c, Result r)
{
    switch (r) {
    case Result::NakedEye: return c <= YallopClass::C;
    case Result::Binoculars:
    case Result::Telescope:
    case Result::Camera: return c <= YallopClass::D;
    case Result::NotSeen: break;
    }
    return c >= YallopClass::D;
}

bool odehRight(OdehZone z, Result r)
{
    switch (r) {
    case Result::NakedEye: return z <= OdehZone::B;
    case Result::Binoculars:
    case Result::Telescope:
    case Result::Camera: return z <= OdehZone::C;
    case Result::NotSeen: break;
    }
    return z >= OdehZone::C;
}

bool countsForScore(const Attempt& a)
{
    return !(a.result == Result::NotSeen && a.sky == Sky::Cloudy);
}

bool veiledSky(Sky s)
{
    return s == Sky::Haze || s == Sky::ThinCloud || s == Sky::Dust;
}

CriteriaScore scoreCriteria(const QList<LogEntry>& entries)
{
    CriteriaScore s;
    for (const LogEntry& e : entries) {
        if (!countsForScore(e.attempt)) {
            ++s.leftOut;
            continue;
        }
        const int result = int(e.attempt.result);
        ++s.yallop[int(e.computed.yallop)][result];
        ++s.odeh[int(e.computed.odeh)][result];
        ++s.counted;
        const bool y = yallopRight(e.computed.yallop, e.attempt.result);
        const bool o = odehRight(e.computed.odeh, e.attempt.result);
        s.yallopRight += y;
        s.odehRight += o;
        if (veiledSky(e.attempt.sky)) {
            ++s.veiledCounted;
            s.veiledYallopRight += y;
            s.veiledOdehRight += o;
        }
    }
    return s;
}

}  // namespace tavik::logbook
