// How long the visibility window takes to open: from Ctrl+T in the main
// window to the window's first paint, with the report, the sky, the chart
// and the next three evenings computed (the ephemeris opened on the way).
// The first opening of the process is timed on its own.
//
//   bench_visibility [--benchmark_...]     (offscreen unless QT_QPA_PLATFORM says otherwise)
#include "mainwindow.h"
#include "visibilitywindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <windowbench.h>

#include <chrono>

using namespace tavik;

namespace {

QWidget* visibilityWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("VisibilityWindow") && w->isVisible())
            return w;
    }
    return nullptr;
}

// Seconds from the key press to the painted window; the window is closed
// afterwards, outside the time.
double openOnce(A& main)
{
    main.activateWindow();
    QApplication::setActiveWindow(&main);
    QCoreApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    QTest::keyClick(&main, Qt::Key_T, Qt::ControlModifier);
    QWidget* w = visibilityWindow();
    if (!w)
        return -1;
    QCoreApplication::processEvents();
    w->repaint();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return took.count();
}

struct Fixture {
    QTemporaryDir data;
    A main{MainWindowEnvironment{DataFolders(data.path()), RegionalSettings::hungarian(),
                                 [] { return QDateTime(QDate(2025, 12, 7), QTime(15, 30)); }, MessageSink()}};
    Fixture()
    {
        main.findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("2025.05.27 21:05"));
        main.show();
        QApplication::setActiveWindow(&main);
        if (!QTest::qWaitForWindowActive(&main))
            qWarning("the main window did not become active");
    }
};

Fixture* fixture = nullptr;

// The first opening (the ephemeris opened, the window built) on its own, then the later ones.
void BM_Opening(benchmark::State& state)
{
    for (auto _ : state) {
        const double s = openOnce(fixture->main);
        if (s < 0)
            state.SkipWithError("the window did not open");
        state.SetIterationTime(s);
    }
}
BENCHMARK(BM_Opening)->Name("BM_FirstOpening")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Opening)->UseManualTime()->Unit(benchmark::kMillisecond);

// With no time in the observation box: the coming evening is searched for first.
void BM_OpeningOnTheComingEvening(benchmark::State& state)
{
    auto* box = fixture->main.findChild<QLineEdit*>(QStringLiteral("Text12"));
    const QString typed = box->text();
    box->clear();
    for (auto _ : state) {
        const double s = openOnce(fixture->main);
        if (s < 0)
            state.SkipWithError("the window did not open");
        state.SetIterationTime(s);
    }
    box->setText(typed);
}
BENCHMARK(BM_OpeningOnTheComingEvening)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(argc, argv, fixture);
}
