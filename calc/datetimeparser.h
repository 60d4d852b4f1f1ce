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

}  // namespace tavik
