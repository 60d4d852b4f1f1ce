// Opening a reference list window on a list of 1,000,000 lines (about 40 MB)
// against reading the same file with the line reader.
//
//   bench_lists [--lines=N] [benchmark options]
//
// The window is timed from its creation (which reads the file) to its first
// paint on screen; it runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "datafiles.h"
#include "reflist.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstring>

using namespace tavik;

namespace {

QTemporaryDir* g_dataDir = nullptr;

QString listPath() { return g_dataDir->filePath(QStringLiteral("holdsarlok.txt")); }

// Rows like the real list's: date, time, a Hungarian word in Windows-1250,
// space-padded columns; 40 bytes with the CR LF.
bool writeList(int lines)
{
    QFile f(listPath());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray row;
    for (int i = 0; i < lines; ++i) {
        row = QByteArray::number(1900 + i % 200) + ".03.1" + QByteArray::number(i % 10)
              + " 18:2" + QByteArray::number(i % 7) + "   " + "\xE9jszaka  "
              + QByteArray::number(i).rightJustified(9, ' ') + " \r\n";
        f.write(row);
    }
    return f.flush();
}

void BM_ReadLines(benchmark::State& state)
{
    qsizetype rows = 0;
    for (auto _ : state) {
        FileRead<QStringList> read = readLines(listPath());
        rows = read.value.size();
        benchmark::DoNotOptimize(rows);
        // Freeing the rows is left out here as it is for the window.
        state.PauseTiming();
        read = {};
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_OpenListWindow(benchmark::State& state)
{
    qsizetype rows = 0;
    for (auto _ : state) {
        auto* w = new ReferenceListWindow(ReferenceList::EarlyCrescents, DataFolders(g_dataDir->path()),
                                         MessageSink());
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            state.SkipWithError("the window did not appear");
        QCoreApplication::processEvents();
        rows = w->list()->model()->rowCount();
        state.PauseTiming();
        delete w;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_OpenListWindow)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int takeLines(int& argc, char** argv)
{
    int lines = 1'000'000;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--lines=", 8) == 0) {
            lines = std::atoi(argv[i] + 8);
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int lines = takeLines(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_dataDir = &dir;
    if (!dir.isValid() || !writeList(lines))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
