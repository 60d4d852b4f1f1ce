// The lunar calendars' rules over the years their authorities publish
// tables for: Umm al-Qura from 1423 AH, the Istanbul rule from 1438 AH, to
// 1500 AH. The Istanbul rule scans the Earth's sunsets on one or two days a
// month on every core.
#include "ephemeris.h"
#include "lunarcalendar.h"

#include <benchmark/benchmark.h>

using namespace tavik::almanac;

namespace {

const Ephemeris& ephemeris()
{
    static const Ephemeris eph = Ephemeris::open();
    return eph;
}

void run(benchmark::State& state, MonthRule rule, int from, int to)
{
    CalendarRequest r;
    r.rule = rule;
    r.fromYear = from;
    r.toYear = to;
    qsizetype months = 0;
    for (auto _ : state) {
        const QList<LunarMonth> list = lunarMonths(ephemeris(), r);
        months = list.size();
        benchmark::DoNotOptimize(list.constData());
    }
    state.counters["months"] = double(months);
}

void BM_UmmAlQura(benchmark::State& state)
{
    run(state, MonthRule::UmmAlQura, 1423, 1500);
}

void BM_Istanbul(benchmark::State& state)
{
    run(state, MonthRule::Istanbul, 1438, 1500);
}

}  // namespace

BENCHMARK(BM_UmmAlQura)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Istanbul)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
