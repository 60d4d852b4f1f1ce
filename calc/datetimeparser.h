// Reading a date-time text into calendar fields, without the conversion to a
// day count (texts.h holds parseDateTime, the form the windows use).
#pragma once

#include "datetime.h"
#include "regional.h"

#include <QStringView>
#include <optional>

namespace tavik {

// The fields of a date-time text as parseDateTime reads it; a time alone lands
// on 1899-12-30, a date alone at midnight.
std::optional<CivilDateTime> parseCivilDateTime(QStringView text, const RegionalSettings& rs);

// The date a time typed alone lands on.
inline constexpr CivilDateTime kTimeOnlyDate{1899, 12, 30, 0, 0, 0};
// Whether the text is a time typed alone ("21:05"), which parseCivilDateTime
// puts on kTimeOnlyDate; "1899.12.30 21:05" is not.
bool isTimeAlone(QStringView text, const RegionalSettings& rs);

}  // namespace tavik
