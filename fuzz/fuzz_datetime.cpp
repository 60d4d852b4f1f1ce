// The date-time reader on any text: it never crashes, and whatever it accepts
// is a valid date-time that the formatter writes back to the same value.
#include "fuzzcommon.h"
#include "report.h"
#include "texts.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace tavik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           static_cast<qsizetype>(size));
    for (const RegionalSettings& rs : fuzz::settings()) {
        const std::optional<DateTimeValue> v = parseDateTime(text, rs);
        if (!v)
            continue;
        const CivilDateTime c = toCivil(*v);
        fuzz::require(isValidCivil(c) && c.year >= 100 && c.year <= 9999, "valid fields");
        fuzz::require(toDateTimeValue(c) == *v, "fields give the value back");
        const QString written = formatDateTime(*v, rs);
        const std::optional<DateTimeValue> back = parseDateTime(written, rs);
        fuzz::require(back && *back == *v, "formatted text reads back");
        const auto r = CalculateAndClassify(45302.5, *v);
        // About 4,000 years either way fit the 32-bit minute count.
        fuzz::require(r.has_value() || std::fabs(*v - 45302.5) > 1'400'000, "calculated");
        if (!r)
            continue;
        fuzz::require(r->minutePart >= 0 && r->minutePart < 60 && r->hourPart >= 0
                          && r->hourPart < 24 && r->ageMinutes >= 0,
                      "counts in range");
        fuzz::require(calculationLogEntry(*r, rs).size() == 7, "seven log lines");
    }
    return 0;
}
