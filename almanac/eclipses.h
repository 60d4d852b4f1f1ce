// Solar and lunar eclipses from the Swiss Ephemeris' eclipse search, with
// what the site sees of each.
#pragma once

#include "ephemeris.h"

#include <QList>
#include <QString>

namespace tavik::almanac {

enum class SolarType { Total, Annular, Hybrid, Partial };
enum class LunarType { Total, Partial, Penumbral };

struct LocalSolarView {
    enum class Seen { No, Whole, FromSunrise, UntilSunset };
    Seen seen = Seen::No;
    double jd = 0;          // local maximum, or the sunrise/sunset that cuts it
    double magnitude = 0;   // fraction of the Sun's diameter covered then
};

struct SolarEclipse {
    double greatest = 0;    // UT1 Julian day of greatest eclipse
    SolarType type = SolarType::Partial;
    double magnitude = 0;   // at greatest eclipse (ratio of diameters for central ones)
    LocalSolarView local;
};

struct LunarEclipse {
    double greatest = 0;
    LunarType type = LunarType::Penumbral;
    double umbralMagnitude = 0;      // negative for a penumbral eclipse
    double penumbralMagnitude = 0;
    double moonAltitude = 0;         // apparent altitude at the site at greatest eclipse
};

// Every eclipse whose greatest phase falls in [jdStart, jdEnd), ascending;
// an ephemeris fault throws EphemerisError.
QList<SolarEclipse> solarEclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, const Site& site);
QList<LunarEclipse> lunarEclipsesBetween(const Ephemeris& eph, double jdStart, double jdEnd, const Site& site);

}  // namespace tavik::almanac
