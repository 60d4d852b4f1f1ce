// The crescent map window of 1600 x 1000 pixels over Hungary on the evening
// of 2025-05-27: the time from a pan or a zoom to the maps drawn, the wait
// for the view to settle (60 ms) included. A pan is a tenth of the map's
// width, as an arrow key moves it; a zoom in or out by two crosses a step of
// the grid, so that its cells are computed anew: first the coarser preview
// (preview:1), then the view's own (preview:0). Draw is the painting alone.
//
//   bench_mapwindow [--benchmark_...]     (offscreen unless QT_QPA_PLATFORM says otherwise)
#include "mapcanvas.h"
#include "mapwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <benchmark/benchmark.h>
#include <windowbench.h>

using namespace tavik;

namespace {

struct Fixture {
    MapWindow window{[] {
        MapWindowEnvironment env;
        env.site = almanac::Site{47.4979, 19.0402, 100};
        env.date = QDate(2025, 5, 27);
        return env;
    }()};
    int day = 0;

    Fixture()
    {
        window.resize(1600, 1000);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        ready();
    }

    void ready()
    {
        QSignalSpy spy(&window, &MapWindow::mapsReady);
        spy.wait(60000);
    }

    // Another evening over Hungary, with no cells kept.
    void fresh()
    {
        window.setEvening(QDate(2025, 5, 27).addDays(++day % 2), false);
        window.setView(MapWindow::View::Hungary);
        ready();
    }
};

Fixture* fixture = nullptr;

// Seconds from change() to the maps drawn: the preview's with preview.
double timed(const std::function<void()>& change, bool preview)
{
    MapWindow& w = fixture->window;
    QSignalSpy ready(&w, &MapWindow::mapsReady), shown(&w, &MapWindow::previewShown);
    QElapsedTimer clock;
    clock.start();
    change();
    (void)QTest::qWaitFor([&] { return !ready.isEmpty() || (preview && !shown.isEmpty()); }, 60000);
    w.canvas()->repaint();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (ready.isEmpty())
        fixture->ready();
    return seconds;
}

void BM_Pan(benchmark::State& state)
{
    fixture->fresh();
    MapCanvas* canvas = fixture->window.canvas();
    const double width = canvas->layoutFor(canvas->size()).maps.first().width();
    qint64 places = 0;
    int n = 0;
    for (auto _ : state) {
        // East and on, five times, then back to Hungary on another evening:
        // every pan brings in cells not computed before.
        if (n++ % 5 == 0)
            fixture->fresh();
        state.SetIterationTime(timed([&] { canvas->pan(width / 10, 0); }, false));
        places += fixture->window.placesComputed();
    }
    state.counters["places_computed"] = double(places) / double(state.iterations());
}

// The drawing alone: the sheet of the view, its cells computed.
void BM_Draw(benchmark::State& state)
{
    fixture->fresh();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        fixture->window.canvas()->repaint();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

void BM_Zoom(benchmark::State& state)
{
    const bool in = state.range(0) != 0;
    const bool preview = state.range(1) != 0;
    qint64 places = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fixture->fresh();
        state.ResumeTiming();
        state.SetIterationTime(timed([&] { fixture->window.canvas()->zoom(in ? 2.0 : 0.5); }, preview));
        places += fixture->window.placesComputed();
    }
    state.counters["places_computed"] = double(places) / double(state.iterations());
}

}  // namespace

BENCHMARK(BM_Pan)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Draw)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Zoom)->ArgNames({"in", "preview"})->Args({1, 1})->Args({1, 0})->Args({0, 1})->Args({0, 0})
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, fixture);
}
