// Text forms of date-time values and numbers, written and read under the
// regional settings.
#pragma once

#include "datetime.h"
#include "regional.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tavik {

// Short date, a space, long time; midnight gives the date alone, the zero date
// the time alone.
QString formatDateTime(DateTimeValue v, const RegionalSettings& rs);
QString formatShortDate(DateTimeValue v, const RegionalSettings& rs);
QString formatLongTime(DateTimeValue v, const RegionalSettings& rs);

// Reads what formatDateTime writes (also cut to 16 or 22 characters, with a
// trailing CR or CR LF), dates in the locale's order with '.', '-', '/' or
// blanks between the parts, ISO 8601, a time alone (on the zero date) or a
// date alone (at midnight). Empty or anything else: no value.
std::optional<DateTimeValue> parseDateTime(QStringView text, const RegionalSettings& rs);

// Characters for a message, each one as the user can find it: visible ones as
// they are, and those that show as nothing or as a blank (spaces other than the
// plain one, control and format characters, combining marks) by their code,
// "U+3000", set off by blanks.
QString visibleCharacters(QStringView characters);

// Plain decimal digits, a minus sign when negative.
QString formatWhole(std::int64_t n);

// "0.00" (decimals = 2) and "0.0" (decimals = 1): at least one integer digit,
// the regional separator, no grouping, halves away from zero.
QString formatFixed(double value, int decimals, const RegionalSettings& rs);

// Nearest 32-bit integer, halves to the even neighbour; no value when the
// result would leave the 32-bit range or the input is not finite.
std::optional<std::int32_t> roundToInt32(double value) noexcept;

// A number typed by the user, read under the regional number settings.
// Empty, non-numeric or out-of-range text is no value (never zero).
std::optional<double> parseRegionalNumber(QStringView text, const RegionalSettings& rs);

}  // namespace tavik
