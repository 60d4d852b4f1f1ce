// The logbook's CSV reader on any bytes: a refused file gives no attempt and
// names a line; an accepted one is written out, read back to the same
// attempts and written out again to the same bytes.
#include "csvfile.h"
#include "fuzzcommon.h"

#include <cstddef>
#include <cstdint>

using namespace tavik;
using namespace tavik::logbook;

namespace {

QList<LogEntry> entriesOf(const QList<Attempt>& attempts)
{
    QList<LogEntry> entries;
    for (const Attempt& a : attempts)
        entries.append(LogEntry{0, a, {}});
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CsvRead read = readAttemptsCsv(bytes);
    if (read.fault) {
        fuzz::require(read.attempts.isEmpty(), "a refused file gives no attempt");
        fuzz::require(!read.faults.isEmpty() && read.faults.size() <= 100, "every fault named, up to the cap");
        for (const CsvFault& f : read.faults)
            fuzz::require(f.line >= 1, "a fault names its line");
        return 0;
    }
    fuzz::require(read.faults.isEmpty(), "no fault, no fault list");
    const QByteArray csv = attemptsCsv(entriesOf(read.attempts));
    const CsvRead again = readAttemptsCsv(csv);
    fuzz::require(!again.fault, "what export writes, import takes");
    fuzz::require(again.attempts == read.attempts, "export and import give back the same attempts");
    fuzz::require(attemptsCsv(entriesOf(again.attempts)) == csv, "export after import is byte-exact");
    return 0;
}
