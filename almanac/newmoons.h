// New moons: the instants when the Moon's and the Sun's apparent geocentric
// ecliptic longitudes are equal.
#pragma once

#include "ephemeris.h"
#include "periodic.h"

#include <QList>

#include <utility>

namespace tavik::almanac {

// The new moon nearest the given moment (within half a lunation), UT1 Julian
// day, solved to a small fraction of a second.
double newMoonNear(const Ephemeris& eph, double jdUt);

// Every new moon with jdStart <= t < jdEnd, ascending.
QList<double> newMoonsBetween(const Ephemeris& eph, double jdStart, double jdEnd);

// The moments, first and last, the two searches above read the ephemeris
// at: for the new moon near jdUt, and for those between jdStart and jdEnd.
std::pair<double, double> newMoonNearReach(double jdUt);
std::pair<double, double> newMoonsBetweenReach(double jdStart, double jdEnd);

// Apparent geocentric longitude of the Moon minus that of the Sun, in
// (-180, 180] degrees, and its rate in degrees a day.
using Elongation = AngleAndRate;
Elongation moonSunElongation(const Ephemeris& eph, double jdUt);

}  // namespace tavik::almanac
