// The number reader on any text, and the number writers and the crescent
// calculation on any pair of doubles.
#include "fuzzcommon.h"
#include "observation.h"
#include "texts.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace tavik;

namespace {

void checkNumber(double v, const RegionalSettings& rs)
{
    if (std::isfinite(v)) {
        const QString fixed = formatFixed(v, 2, rs);
        fuzz::require(!fixed.isEmpty() && fixed != QStringLiteral("-0,00")
                          && fixed != QStringLiteral("-0.00"),
                      "fixed form without a negative zero");
    }
    if (const auto n = roundToInt32(v))
        fuzz::require(std::fabs(static_cast<double>(*n) - v) <= 0.5, "nearest whole number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           static_cast<qsizetype>(size));
    for (const RegionalSettings& rs : fuzz::settings()) {
        if (const auto v = parseRegionalNumber(text, rs)) {
            fuzz::require(std::isfinite(*v), "finite number");
            checkNumber(*v, rs);
        }
    }
    if (size >= 2 * sizeof(double)) {
        double a = 0;
        double b = 0;
        std::memcpy(&a, data, sizeof a);
        std::memcpy(&b, data + sizeof a, sizeof b);
        checkNumber(a, fuzz::settings()[0]);
        toCivil(a);
        if (const auto r = CalculateAndClassify(a, b, kNowScale)) {
            fuzz::require(r->ageMinutes >= 0 && r->minutePart < 60 && r->hourPart < 24,
                          "counts in range");
            fuzz::require(r->illumination == 0
                              || (r->illumination >= 0.2 && r->illumination <= 100),
                          "illumination in range");
            fuzz::require(!r->phaseName.isEmpty(), "a phase for every value");
        }
    }
    return 0;
}
