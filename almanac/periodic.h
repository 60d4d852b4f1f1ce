// Events that recur with a mean period (new moons, inferior conjunctions of
// Venus): a walk over the mean instants, each refined by Newton's method on
// an angle that passes through zero at the event.
#pragma once

#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavik::almanac {

// An angle in degrees and its rate in degrees a day.
struct AngleAndRate {
    double degrees;
    double rate;
};

struct PeriodicEvent {
    double epoch;    // one mean event, UT1 Julian day
    double period;   // mean days between two
    double margin;   // days the true event may stray from the mean one
    // Newton's method: the largest step taken at once, the step that ends it,
    // and the most steps.
    double maxStep = std::numeric_limits<double>::infinity();
    double tolerance = 1e-8;
    int steps = 30;
};

// The zero of angle(t) near t, by Newton's method.
template <class Angle>
double refineZero(const PeriodicEvent& e, double t, Angle angle)
{
    for (int i = 0; i < e.steps; ++i) {
        const AngleAndRate a = angle(t);
        const double step = -a.degrees / a.rate;
        t += std::clamp(step, -e.maxStep, e.maxStep);
        if (std::abs(step) < e.tolerance)
            break;
    }
    return t;
}

// Every event with jdStart <= t < jdEnd that accept(t) takes, ascending.
template <class Angle, class Accept>
QList<double> periodicEventsBetween(const PeriodicEvent& e, double jdStart, double jdEnd, Angle angle,
                                    Accept accept)
{
    QList<double> result;
    if (!std::isfinite(jdStart) || !std::isfinite(jdEnd))
        return result;   // the walk would never reach the end
    long k = std::lround(std::floor((jdStart - e.epoch) / e.period)) - 1;
    for (;; ++k) {
        const double mean = e.epoch + e.period * double(k);
        if (mean > jdEnd + e.margin)
            break;
        const double t = refineZero(e, mean, angle);
        if (t >= jdStart && t < jdEnd && accept(t))
            result.append(t);
    }
    return result;
}

}  // namespace tavik::almanac
