// Shared bits of the fuzz targets: the regional settings they try and a check
// that aborts, so libFuzzer records the input that broke a property.
#pragma once

#include "regional.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tavik::fuzz {

inline const std::array<RegionalSettings, 3>& settings()
{
    static const std::array<RegionalSettings, 3> all{
        RegionalSettings::hungarian(),
        RegionalSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
        RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany)),
    };
    return all;
}

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

}  // namespace tavik::fuzz
