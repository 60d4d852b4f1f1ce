#include "lunarcalendar.h"

#include "newmoons.h"
#include "sighting.h"
#include "skytables.h"
#include "visibilitymap.h"

#include <observation.h>

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavik::almanac {

namespace {

// The new moon of 2000-01-06 18:14 UT, lunation 0.
constexpr double kLunationZero = 2451550.26;
constexpr int kMonthsAYear = 12;

// What the rule found on one evening (or one day, for the Istanbul rule).
struct Decision {
    bool met = false;
    double margin = 0;
    MarginUnit unit = MarginUnit::Minutes;
    double at = 0;
    GeoPosition where;
};

// The limits of the local criteria: naked eye, and with optical aid.
constexpr double kYallopNakedEye = -0.014;   // A or B: q above it
constexpr double kYallopOptical = -0.160;    // up to C
constexpr double kOdehNakedEye = 5.65;       // zone A: V at least
constexpr double kOdehOptical = 2.00;        // up to B
// MABIMS 2021.
constexpr double kMabimsAltitude = 3.0;
constexpr double kMabimsElongation = 6.4;
// Istanbul 2016.
constexpr double kIstanbulElongation = 8.0;
constexpr double kIstanbulAltitude = 5.0;
constexpr double kIstanbulStep = 2.0;       // degrees of the world's grid
constexpr double kIstanbulFineStep = 0.25;  // and of the grid around its best place, near the limit
constexpr double kRefineWithin = 0.6;       // degrees below the limit
// The Moon gains 15.4° a day on the Sun at the most, and stands 5.3° off the
// ecliptic at the most: an elongation of 8° needs 6° of longitude.
constexpr double kEarliestEightDegrees = 6.0 / 15.4;   // days after the conjunction
// The Americas' evening after 24:00 UT ends by 12:00 UT.
constexpr double kAmericasEveningEnd = 1.5;   // days after 0h UT of the day
// Wellington, for New Zealand's dawn.
constexpr GeoPosition kNewZealand{-41.2866, 174.7756, 0.0};
// The mainland of the Americas, as boxes (south, north, west, east) that keep
// off the Pacific and the Caribbean islands as well as boxes can.
constexpr std::array<std::array<double, 4>, 6> kAmericas{{
    {-56.0, 0.0, -81.0, -35.0},     // South America, south of the equator
    {0.0, 12.0, -79.0, -50.0},      // its north
    {7.0, 22.0, -106.0, -77.0},     // Central America and Mexico's south
    {22.0, 32.0, -115.0, -80.0},    // Mexico's north and the Gulf coast
    {32.0, 50.0, -124.0, -70.0},    // North America
    {50.0, 65.0, -165.0, -60.0},    // Canada and Alaska
}};

QDate dateOf(double jdUt, const QTimeZone& zone)
{
    return utcOf(jdUt).toTimeZone(zone).date();
}

double noonOf(const QDate& day, const QTimeZone& zone)
{
    return julianDayOfLocalDate(day, zone) + 0.5;
}

double minutes(double days)
{
    return days * 24.0 * 60.0;
}

class Calendar {
public:
    Calendar(const Ephemeris& eph, const CalendarRequest& r) : m_eph(eph), m_r(r) {}

    double conjunction(int lunation)
    {
        auto it = m_conjunctions.find(lunation);
        if (it == m_conjunctions.end())
            it = m_conjunctions.emplace(lunation, conjunctionOfLunation(m_eph, lunation)).first;
        return it->second;
    }

    // The rule's day of the month's start by itself, for the rules that look
    // for it from the conjunction (the Istanbul rule, and the seed of the others).
    QDate ownStart(int lunation, Decision& decision)
    {
        const QTimeZone z = zone();
        const QDate first = dateOf(conjunction(lunation), z);
        for (int day = 0; day < 3; ++day) {
            const QDate d = first.addDays(day);
            decision = decide(lunation, d);
            if (decision.met)
                return d.addDays(1);
        }
        return first.addDays(3);
    }

    // The evening of this day (the Istanbul rule: this UT day).
    Decision decide(int lunation, const QDate& day)
    {
        const auto key = std::pair(lunation, day.toJulianDay());
        if (auto it = m_decisions.find(key); it != m_decisions.end())
            return it->second;
        Decision d;
        switch (m_r.rule) {
        case MonthRule::UmmAlQura: d = ummAlQura(lunation, day); break;
        case MonthRule::Istanbul: d = istanbul(lunation, day); break;
        case MonthRule::Mabims: d = mabims(lunation, day); break;
        case MonthRule::Yallop:
        case MonthRule::Odeh: d = local(lunation, day); break;
        }
        m_decisions.emplace(key, d);
        return d;
    }

    QTimeZone zone() const
    {
        switch (m_r.rule) {
        case MonthRule::UmmAlQura: return QTimeZone(3 * 3600);
        case MonthRule::Istanbul: return QTimeZone::utc();
        default: return m_r.zone;
        }
    }

    QList<CrescentEvening> crescents(int lunation, const QDate& day29)
    {
        QList<CrescentEvening> evenings;
        const double conj = conjunction(lunation);
        for (int k = 0; k < 2; ++k) {
            const QDate d = day29.addDays(k);
            const std::optional<double> sunset = nextRiseSet(m_eph, noonOf(d, m_r.zone), SE_SUN, false, m_r.site);
            if (!sunset || *sunset < conj)
                continue;
            const std::optional<CrescentSighting> s = crescentOf(m_eph, conj, *sunset, true, m_r.site);
            if (s && s->q && *s->q > kYallopOptical)
                evenings.append(CrescentEvening{d, s->best, s->visibility, *s->q});
        }
        return evenings;
    }

private:
    Decision ummAlQura(int lunation, const QDate& day)
    {
        const GeoPosition mecca{kMeccaLatitude, kMeccaLongitude, 0.0};
        Decision d;
        d.where = mecca;
        const std::optional<double> sunset = nextRiseSet(m_eph, noonOf(day, zone()), SE_SUN, false, mecca);
        if (!sunset)
            return d;
        d.at = *sunset;
        const double conj = conjunction(lunation);
        const std::optional<double> moonset = nextRiseSet(m_eph, *sunset - kMoonEventSearchLead, SE_MOON, false, mecca);
        const double afterConjunction = minutes(*sunset - conj);
        const double lag = moonset ? minutes(*moonset - *sunset) : -1e9;
        d.margin = std::min(afterConjunction, lag);
        d.met = afterConjunction > 0 && lag > 0;
        d.unit = MarginUnit::Minutes;
        return d;
    }

    Decision mabims(int lunation, const QDate& day)
    {
        const QList<GeoPosition> sites = m_r.region.isEmpty() ? QList<GeoPosition>{m_r.site} : m_r.region;
        Decision best;
        best.unit = MarginUnit::Degrees;
        best.margin = -1e9;
        const double conj = conjunction(lunation);
        for (const GeoPosition& site : sites) {
            const std::optional<double> sunset = nextRiseSet(m_eph, noonOf(day, zone()), SE_SUN, false, site);
            if (!sunset)
                continue;
            const double altitude = skyPlace(m_eph, *sunset, SE_MOON, site).altitude;
            const auto moon = m_eph.position(*sunset, SE_MOON);
            const auto sun = m_eph.position(*sunset, SE_SUN);
            const double elongation = angularSeparation(moon[0], moon[1], sun[0], sun[1]);
            double margin = std::min(altitude - kMabimsAltitude, elongation - kMabimsElongation);
            if (*sunset < conj)
                margin = std::min(margin, -elongation);   // the old Moon's elongation does not count
            if (margin > best.margin) {
                best.margin = margin;
                best.at = *sunset;
                best.where = site;
                best.met = margin >= 0;
            }
        }
        return best;
    }

    Decision local(int lunation, const QDate& day)
    {
        Decision d;
        d.where = m_r.site;
        const bool yallop = m_r.rule == MonthRule::Yallop;
        d.unit = yallop ? MarginUnit::YallopQ : MarginUnit::OdehV;
        const double limit = yallop ? (m_r.optical ? kYallopOptical : kYallopNakedEye)
                                    : (m_r.optical ? kOdehOptical : kOdehNakedEye);
        const std::optional<double> sunset = nextRiseSet(m_eph, noonOf(day, m_r.zone), SE_SUN, false, m_r.site);
        if (!sunset) {
            d.margin = -1e9;
            return d;
        }
        const double conj = conjunction(lunation);
        std::optional<CrescentSighting> s;
        if (*sunset > conj)
            s = crescentOf(m_eph, conj, *sunset, true, m_r.site);
        const double at = s && s->q ? s->best : *sunset;
        d.at = at;
        const double value = yallop ? (s && s->q ? *s->q : yallopQ(m_eph, at, m_r.site))
                                    : crescentGeometry(m_eph, at, m_r.site).odehV;
        d.margin = value - limit;
        d.met = *sunset > conj && s && s->q && (yallop ? value > limit : value >= limit);
        return d;
    }

    std::shared_ptr<const SkyTables> tablesFor(int lunation)
    {
        if (m_tablesLunation != lunation || !m_tables) {
            const double conj = conjunction(lunation);
            m_tables = std::make_shared<SkyTables>(m_eph, std::floor(conj - 0.5) - 1.0, std::floor(conj - 0.5) + 6.0);
            m_tablesLunation = lunation;
        }
        return m_tables;
    }

    // The best place of a scan: the least of the two criteria's margins, at
    // its greatest; the scan stops once it is clearly met.
    static void scan(const SkyTables& sky, const MapRegion& region, double from, double to, Decision& best)
    {
        const auto margin = [](const SunsetSky& s) {
            return std::min(s.elongation - kIstanbulElongation, s.moonAltitude - kIstanbulAltitude);
        };
        std::optional<SunsetSky> found =
            bestSunset(sky, region, kIstanbulStep, from, to, margin, kBorderlineDegrees);
        // Near the limit, the best place again on a finer grid around it.
        if (found && margin(*found) < kBorderlineDegrees && margin(*found) > -kRefineWithin) {
            const MapRegion near{std::max(region.west, found->longitude - kIstanbulStep * 2),
                                 std::max(region.south, found->latitude - kIstanbulStep * 2),
                                 std::min(region.east, found->longitude + kIstanbulStep * 2),
                                 std::min(region.north, found->latitude + kIstanbulStep * 2)};
            const std::optional<SunsetSky> fine =
                bestSunset(sky, near, kIstanbulFineStep, from, to, margin, kBorderlineDegrees);
            if (fine && margin(*fine) > margin(*found))
                found = fine;
        }
        if (found && margin(*found) > best.margin) {
            best.margin = margin(*found);
            best.at = found->sunset;
            best.where = GeoPosition{found->latitude, found->longitude, 0.0};
            best.met = best.margin >= 0;
        }
    }

    Decision istanbul(int lunation, const QDate& day)
    {
        const double conj = conjunction(lunation);
        const auto sky = tablesFor(lunation);
        const double start = julianDayOfLocalDate(day, QTimeZone::utc());
        Decision d;
        d.unit = MarginUnit::Degrees;
        d.margin = -1e9;
        // The geocentric elongation reaches 8° some 9 hours after the conjunction at the soonest.
        const double earliest = conj + kEarliestEightDegrees;
        if (start + kAmericasEveningEnd < earliest)
            return d;
        if (start + 1.0 > earliest)
            scan(*sky, MapRegion{}, std::max(start, earliest), start + 1.0, d);
        if (d.met)
            return d;
        // The exception: the Americas' evening, after 24:00 UT, with the
        // conjunction before New Zealand's dawn of the next day.
        double dawn = 0;
        char serr[AS_MAXCH] = {0};
        GeoPos geo(kNewZealand);
        const int rc = swe_rise_trans(start + 0.25, SE_SUN, nullptr, m_eph.flag(), SE_CALC_RISE | SE_BIT_ASTRO_TWILIGHT,
                                      geo.data(), kStandardPressure, kStandardTemperature, &dawn, serr);
        m_eph.check(rc, serr, start);
        if (conj >= dawn)
            return d;
        Decision americas;
        americas.unit = MarginUnit::Degrees;
        americas.margin = -1e9;
        for (const auto& [south, north, west, east] : kAmericas)
            scan(*sky, MapRegion{west, south, east, north}, std::max(start + 1.0, earliest),
                 start + kAmericasEveningEnd, americas);
        return americas.met || americas.margin > d.margin ? americas : d;
    }

    const Ephemeris& m_eph;
    const CalendarRequest& m_r;
    std::map<int, double> m_conjunctions;
    std::map<std::pair<int, qint64>, Decision> m_decisions;
    std::shared_ptr<const SkyTables> m_tables;
    int m_tablesLunation = 0;
};

bool chainedRule(MonthRule rule)
{
    return rule != MonthRule::Istanbul;
}

struct Start {
    QDate day;
    Decision decision;
    std::optional<Decision> nearMiss;   // the day before, failed by little (the Istanbul rule)
};

// The months' first days from lunation first to last, moved as the user
// moved them (shifts) or not.
QList<Start> starts(Calendar& c, const CalendarRequest& r, int first, int last, const std::map<int, int>& shifts,
                    const std::function<void(int, int)>& progress, const std::atomic_bool* cancelled)
{
    QList<Start> out;
    Decision seed;
    QDate previous = c.ownStart(first - 1, seed);
    const int total = last - first + 1;
    for (int l = first; l <= last; ++l) {
        if (cancelled && cancelled->load())
            break;
        Start s;
        if (chainedRule(r.rule)) {
            const QDate day29 = previous.addDays(28);
            s.decision = c.decide(l, day29);
            s.day = day29.addDays(s.decision.met ? 1 : 2);
        } else {
            s.day = c.ownStart(l, s.decision);
            const Decision before = c.decide(l, s.day.addDays(-2));
            if (!before.met && before.margin > -1e8)
                s.nearMiss = before;
            s.day = std::clamp(s.day, previous.addDays(29), previous.addDays(30));
        }
        if (const auto it = shifts.find(l); it != shifts.end())
            s.day = s.day.addDays(it->second);
        out.append(s);
        previous = s.day;
        if (progress)
            progress(l - first + 1, total);
    }
    return out;
}

}  // namespace

const char* monthRuleKey(MonthRule rule)
{
    switch (rule) {
    case MonthRule::UmmAlQura: return "ummalqura";
    case MonthRule::Istanbul: return "istanbul";
    case MonthRule::Mabims: return "mabims";
    case MonthRule::Yallop: return "yallop";
    case MonthRule::Odeh: break;
    }
    return "odeh";
}

std::optional<MonthRule> monthRuleFromKey(QStringView key)
{
    for (MonthRule r : kMonthRules)
        if (key.compare(QLatin1String(monthRuleKey(r)), Qt::CaseInsensitive) == 0)
            return r;
    return std::nullopt;
}

bool localRule(MonthRule rule)
{
    return rule == MonthRule::Mabims || rule == MonthRule::Yallop || rule == MonthRule::Odeh;
}

HijriMonthNumber hijriMonthOfLunation(int lunation)
{
    const int index = kShawwal1420Index + lunation;
    return HijriMonthNumber{index / kMonthsAYear, index % kMonthsAYear + 1};
}

int lunationOfHijriMonth(int year, int month)
{
    return year * kMonthsAYear + (month - 1) - kShawwal1420Index;
}

double conjunctionOfLunation(const Ephemeris& eph, int lunation)
{
    return newMoonNear(eph, kLunationZero + lunation * kSynodicMonth);
}

bool borderlineMargin(double margin, MarginUnit unit)
{
    const double m = std::abs(margin);
    switch (unit) {
    case MarginUnit::Minutes: return m < kBorderlineMinutes;
    case MarginUnit::Degrees: return m < kBorderlineDegrees;
    case MarginUnit::YallopQ: return m < kBorderlineQ;
    case MarginUnit::OdehV: break;
    }
    return m < kBorderlineV;
}

bool calendarYearsValid(int from, int to)
{
    return from >= kFirstCalendarYear && to <= kLastCalendarYear && from <= to;
}

std::pair<double, double> calendarReach(int fromYear, int toYear)
{
    const int first = lunationOfHijriMonth(fromYear, 1) - 1;
    const int last = lunationOfHijriMonth(toYear, 12) + 1;
    return {kLunationZero + first * kSynodicMonth - 3.0, kLunationZero + last * kSynodicMonth + 8.0};
}

QList<LunarMonth> lunarMonths(const Ephemeris& eph, const CalendarRequest& r,
                              const std::function<void(int, int)>& progress, const std::atomic_bool* cancelled)
{
    Calendar c(eph, r);
    const int first = lunationOfHijriMonth(r.fromYear, 1);
    const int last = lunationOfHijriMonth(r.toYear, 12) + 1;   // for the last month's length
    const QList<Start> own = starts(c, r, first, last, {}, progress, cancelled);
    const QList<Start> moved = r.shifts.empty() ? own : starts(c, r, first, last, r.shifts, {}, cancelled);
    QList<LunarMonth> months;
    for (qsizetype i = 0; i + 1 < moved.size(); ++i) {
        const int l = first + int(i);
        const Start& s = moved.at(i);
        LunarMonth m;
        m.lunation = l;
        m.number = hijriMonthOfLunation(l);
        m.firstDay = s.day;
        if (const auto it = r.shifts.find(l); it != r.shifts.end())
            m.shift = it->second;
        m.followsShift = m.shift == 0 && s.day != own.at(i).day;
        m.length = int(s.day.daysTo(moved.at(i + 1).day));
        m.conjunction = c.conjunction(l);
        m.met = s.decision.met;
        m.decidedAt = s.decision.at;
        m.decidedWhere = s.decision.where;
        m.margin = s.decision.margin;
        m.unit = s.decision.unit;
        m.borderline = borderlineMargin(m.margin, m.unit);
        if (s.nearMiss && borderlineMargin(s.nearMiss->margin, s.nearMiss->unit)) {
            m.borderline = true;
            m.margin = s.nearMiss->margin;
            m.decidedAt = s.nearMiss->at;
            m.decidedWhere = s.nearMiss->where;
        }
        if (localRule(r.rule))
            m.crescents = c.crescents(l, s.day.addDays(-2));
        months.append(m);
    }
    return months;
}

const LunarMonth* monthOfDay(const QList<LunarMonth>& months, const QDate& day)
{
    for (const LunarMonth& m : months)
        if (m.firstDay <= day && day < m.firstDay.addDays(m.length))
            return &m;
    return nullptr;
}

}  // namespace tavik::almanac
