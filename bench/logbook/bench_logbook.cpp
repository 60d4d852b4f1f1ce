// How long the logbook takes with 10,000 attempts: their circumstances
// computed as an import computes them (two threads, each with its own
// ephemeris), the import's one transaction, and the window opened on the
// file until its first paint.
//
//   bench_logbook [--benchmark_...]     (offscreen unless QT_QPA_PLATFORM says otherwise)
#include "logbookwindow.h"

#include <circumstances.h>
#include <logbookstore.h>

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <windowbench.h>

#include <chrono>

using namespace tavik;
using namespace tavik::logbook;

namespace {

constexpr int kAttempts = 10'000;

// Evenings and mornings over 25 years around Hungary, a third without a time.
QList<Attempt> attempts()
{
    QRandomGenerator random(1997);
    QList<Attempt> list;
    for (int i = 0; i < kAttempts; ++i) {
        Attempt a;
        a.date = QDate(2000, 1, 1).addDays(random.bounded(9000));
        if (i % 3)
            a.time = QTime(17 + random.bounded(4), random.bounded(60));
        a.evening = i % 4 != 0;
        a.site = AttemptSite{QStringLiteral("Hely %1").arg(i % 17), 46.0 + random.generateDouble() * 2,
                             17.0 + random.generateDouble() * 4, 100, QStringLiteral("Europe/Budapest")};
        a.result = Result(i % kResultCount);
        list << a;
    }
    return list;
}

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("eszlelesek.sqlite"));
    QList<Attempt> input = attempts();
    QList<LogEntry> entries;
};
Fixture* fixture = nullptr;

void BM_ComputeForImport(benchmark::State& state)
{
    for (auto _ : state) {
        const BatchResult r = computeMany(fixture->input, {}, int(state.range(0)));
        if (!r.ok())
            state.SkipWithError(r.failure ? r.failure->what() : "failed");
        fixture->entries.clear();
        for (qsizetype i = 0; i < r.computed.size(); ++i)
            fixture->entries.append(LogEntry{0, fixture->input.at(i), r.computed.at(i)});
    }
}
BENCHMARK(BM_ComputeForImport)->Arg(2)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteImport(benchmark::State& state)
{
    for (auto _ : state) {
        QFile::remove(fixture->path);
        LogbookStore store(fixture->path);
        QList<LogEntry> entries = fixture->entries;
        if (!store.insert(entries).ok())
            state.SkipWithError("the logbook could not be written");
    }
}
BENCHMARK(BM_WriteImport)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenWindow(benchmark::State& state)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto* w = new LogbookWindow(LogbookEnvironment{fixture->path, MessageSink([](MessageIcon, const QString&) {}),
                                                       AttemptSite{}, {}, {}});
        w->show();
        QCoreApplication::processEvents();
        w->repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (w->model().rowCount() != kAttempts)
            state.SkipWithError("not every attempt was shown");
        state.SetIterationTime(took.count());
        delete w;
    }
}
BENCHMARK(BM_OpenWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, fixture);
}
