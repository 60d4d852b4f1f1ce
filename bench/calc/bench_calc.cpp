// How long one observation takes from the two box texts to the log entry, what
// the summer-time correction adds to it, and how the list reader compares with
// a plain read of the same bytes split at CR.
#include "datafiles.h"
#include "localzone.h"
#include "report.h"
#include "texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tavik;

namespace {

void BM_Observation(benchmark::State& state)
{
    const RegionalSettings rs = RegionalSettings::hungarian();
    const QString newMoonBox = QStringLiteral("2024.01.11 12:57");
    const QString observationBox = QStringLiteral("2024. 01. 14. 6:40:00\r");
    for (auto _ : state) {
        const auto newMoon = parseDateTime(newMoonBox, rs);
        const auto observation = parseDateTime(observationBox, rs);
        const auto r = CalculateAndClassify(*newMoon, *observation);
        const auto lines = observationLines(*r, rs);
        const QString entry = joinWithCrLf(calculationLogEntry(*r, rs));
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_Observation);

// The summer-time correction a calculation adds: the offsets of its two times.
void BM_LocalOffsets(benchmark::State& state)
{
    const QTimeZone zone("Europe/Budapest");
    const DateTimeValue newMoon = toDateTimeValue({2025, 10, 21, 14, 25, 0});
    const DateTimeValue observation = toDateTimeValue({2025, 10, 27, 19, 0, 0});
    for (auto _ : state) {
        benchmark::DoNotOptimize(utcOffsetAt(newMoon, zone));
        benchmark::DoNotOptimize(utcOffsetAt(observation, zone));
    }
}
BENCHMARK(BM_LocalOffsets);

// A list file of 1,000,000 Windows-1250 lines, about 20 MB, made once.
const QString& listFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("holdsarlok.txt"));
        QByteArray bytes;
        bytes.reserve(21'000'000);
        for (int i = 0; i < 1'000'000; ++i) {
            // "2024.01.11 12:57 5" or with "Ú" at the end: 20 bytes a line.
            bytes += QByteArray::number(1900 + i % 200) + ".01.11 12:57 ";
            bytes += i % 7 == 0 ? '\xda' : char('0' + i % 10);
            bytes += "\r\n";
        }
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the list file");
        return p;
    }();
    return path;
}

void BM_ListReadLines(benchmark::State& state)
{
    const QString& path = listFile();
    for (auto _ : state) {
        const FileRead<QStringList> read = readLines(path);
        if (!read.ok() || read.value.size() != 1'000'000)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(read.value);
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_ListReadLines)->Unit(benchmark::kMillisecond);

// The yardstick: the file's bytes read into memory and cut at CR (an LF after
// it skipped), with no decoding.
void BM_ListPlainReadSplitAtCr(benchmark::State& state)
{
    const QString& path = listFile();
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open");
        const QByteArray all = f.readAll();
        QList<QByteArray> lines;
        qsizetype start = 0;
        while (start < all.size()) {
            qsizetype cr = all.indexOf('\r', start);
            if (cr < 0)
                cr = all.size();
            lines.append(all.mid(start, cr - start));
            start = cr + 1;
            if (start < all.size() && all.at(start) == '\n')
                ++start;
        }
        if (lines.size() != 1'000'000)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_ListPlainReadSplitAtCr)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
