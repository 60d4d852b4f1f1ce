#include "lists.h"

#include "newmoons.h"

namespace tavik::almanac {

namespace {

struct Window {
    double start;
    double end;
};

Window yearWindow(const ListSettings& s, double margin = 0.0)
{
    return Window{julianDayOfLocalDate(QDate(s.fromYear, 1, 1), s.zone) - margin,
                  julianDayOfLocalDate(QDate(s.toYear + 1, 1, 1), s.zone) + margin};
}

bool inYears(double jd, const ListSettings& s)
{
    const int year = localMinute(jd, s.zone).date().year();
    return year >= s.fromYear && year <= s.toYear;
}

// The eclipses whose greatest phase falls within the listed years.
template <class Eclipse>
QList<Eclipse> eclipsesInYears(const Ephemeris& eph, const ListSettings& s,
                               QList<Eclipse> (*between)(const Ephemeris&, double, double, const Site&))
{
    const Window w = yearWindow(s, 1.0);
    QList<Eclipse> found;
    for (const Eclipse& e : between(eph, w.start, w.end, s.site)) {
        if (inYears(e.greatest, s))
            found.append(e);
    }
    return found;
}

}  // namespace

QList<double> newMoonsInYears(const Ephemeris& eph, const ListSettings& s)
{
    QList<double> found;
    const Window w = yearWindow(s, 1.0);
    for (double t : newMoonsBetween(eph, w.start, w.end)) {
        if (inYears(t, s))
            found.append(t);
    }
    return found;
}

QList<CrescentSighting> crescentsInYears(const Ephemeris& eph, const ListSettings& s)
{
    QList<CrescentSighting> found;
    const Window w = yearWindow(s, 3.0);
    for (double newMoon : newMoonsBetween(eph, w.start, w.end)) {
        for (const auto& c : {morningBefore(eph, newMoon, s.site), eveningAfter(eph, newMoon, s.site)}) {
            if (c && inYears(c->best, s))
                found.append(*c);
        }
    }
    return found;
}

QList<SolarEclipse> solarEclipsesInYears(const Ephemeris& eph, const ListSettings& s)
{
    return eclipsesInYears(eph, s, solarEclipsesBetween);
}

QList<LunarEclipse> lunarEclipsesInYears(const Ephemeris& eph, const ListSettings& s)
{
    return eclipsesInYears(eph, s, lunarEclipsesBetween);
}

QList<VenusPassage> venusPassagesInYears(const Ephemeris& eph, const ListSettings& s)
{
    QList<VenusPassage> found;
    const Window w = yearWindow(s, 1.0);
    for (double conjunction : venusInferiorConjunctions(eph, w.start, w.end)) {
        if (inYears(conjunction, s))
            found.append({conjunction, venusCrescent(eph, conjunction, s.site)});
    }
    return found;
}

}  // namespace tavik::almanac
