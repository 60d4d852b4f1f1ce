// The main() of a benchmark of windows: offscreen unless told otherwise, one
// application, and a fixture that lives as long as the benchmarks run.
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

template <typename Fixture>
int runWindowBenchmarks(int argc, char** argv, Fixture*& fixture)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture f;
    fixture = &f;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fixture = nullptr;
    return 0;
}
