// A world map of crescent visibility for the evening of 2025-05-27 (the
// evening after a new moon): the map from shared Sun and Moon tables, at 1°
// and 0.25° on two threads, against the way a place is done alone: the
// library's sunset and moonset searches and the criterion at the best time.
// PerPlace's counters give that cost per place and what a whole map would
// take so.
#include "crescents.h"
#include "ephemeris.h"
#include "visibilitymap.h"

#include <swephexp.h>

#include <benchmark/benchmark.h>

#include <ctime>

using namespace tavik::almanac;

namespace {

const QDate kEvening(2025, 5, 27);

const Ephemeris& ephemeris()
{
    static const Ephemeris eph = Ephemeris::open();
    return eph;
}

void BM_Map(benchmark::State& state)
{
    const double step = double(state.range(0)) / 100.0;
    std::size_t points = 0;
    std::clock_t processorTime = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        const VisibilityMap map = computeVisibilityMap(ephemeris(), MapRequest{kEvening, false, Criterion::Yallop, step, {}}, 2);
        processorTime += std::clock() - start;
        points = map.points.size();
        benchmark::DoNotOptimize(map.points.data());
    }
    state.counters["points"] = double(points);
    // Processor time of both threads: on a busy machine the wall time says
    // more about the others than about the map.
    state.counters["cpu_ms_both_threads"] = 1000.0 * double(processorTime) / CLOCKS_PER_SEC / double(state.iterations());
    state.counters["ns_per_point"] = benchmark::Counter(double(points) * double(state.iterations()),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// What the map window computes for a view of 1600 × 1000 pixels after a pan
// or zoom (cells two pixels wide or more): the world (288° × 180° at 0.5°),
// Europe (80° × 50° at 0.1°) and Hungary (14° × 8.75° at 0.02°), the
// ephemeris part included, on two threads.
void BM_View(benchmark::State& state)
{
    static const MapRequest views[] = {
        {kEvening, false, Criterion::Yallop, 0.5, MapRegion{-144.0, -90.0, 144.0, 90.0}},
        {kEvening, false, Criterion::Yallop, 0.1, MapRegion{-30.0, 23.5, 50.0, 73.5}},
        {kEvening, false, Criterion::Yallop, 0.02, MapRegion{13.0, 42.88, 27.0, 51.62}},
    };
    const MapRequest& request = views[state.range(0)];
    std::size_t points = 0;
    for (auto _ : state) {
        const VisibilityMap map = computeVisibilityMap(ephemeris(), request, 2);
        points = map.points.size();
        benchmark::DoNotOptimize(map.points.data());
    }
    state.counters["points"] = double(points);
}

// The places of a 5° world grid, one after another, each with its own searches.
void BM_PerPlace(benchmark::State& state)
{
    const Ephemeris& eph = ephemeris();
    const double newMoon = computeVisibilityMap(eph, MapRequest{kEvening, false, Criterion::Yallop, 5.0, {}}, 1).newMoon;
    const double epoch = double(kEvening.toJulianDay()) - 0.5;
    int i = 0;
    for (auto _ : state) {
        const Site site{87.5 - 5.0 * (i / 72 % 36), -177.5 + 5.0 * (i % 72), 0.0};
        ++i;
        const std::optional<double> sunset = nextRiseSet(eph, epoch + 0.5 - site.longitude / 360.0, SE_SUN, false, site);
        if (sunset)
            benchmark::DoNotOptimize(crescentOf(eph, newMoon, *sunset, true, site));
    }
    // Seconds of the whole run per place, times the places of a map.
    state.counters["s_for_1deg_map"] = benchmark::Counter(double(state.iterations()) / 64800.0,
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["s_for_0.25deg_map"] = benchmark::Counter(double(state.iterations()) / 1036800.0,
                                                             benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The 0.1° world in three bands, on two threads: within 60° of the equator,
// where every place's events come from a few Newton steps, and the two polar
// caps, where the Sun and the Moon may graze the horizon and are sampled.
void BM_Band(benchmark::State& state)
{
    static const MapRegion bands[] = {{-180, -60, 180, 60}, {-180, 60, 180, 90}, {-180, -90, 180, -60}};
    const MapRequest request{kEvening, false, Criterion::Yallop, 0.1, bands[state.range(0)]};
    std::clock_t processorTime = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        const VisibilityMap map = computeVisibilityMap(ephemeris(), request, 2);
        processorTime += std::clock() - start;
        benchmark::DoNotOptimize(map.points.data());
    }
    state.counters["cpu_ms"] = 1000.0 * double(processorTime) / CLOCKS_PER_SEC / double(state.iterations());
}

}  // namespace

BENCHMARK(BM_Map)->Arg(100)->Arg(25)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_View)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_PerPlace)->Unit(benchmark::kMicrosecond)->Iterations(2592);
BENCHMARK(BM_Band)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
