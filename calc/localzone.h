// Local civil times of a time zone: how far each one lies from UTC, so that two
// of them on either side of a change of summer time give their real distance.
#pragma once

#include "datetime.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace tavik {

// Seconds east of UTC in force at a local clock time of the zone. A clock time
// in the spring gap, which the clocks skip, takes the offset from before the
// change: it is the same instant as the clock time one hour later. A clock time
// in the repeated autumn hour takes the offset from before the change as well:
// it counts as its first (summer-time) pass. No offset (0) for an invalid zone
// or a value beyond kLargestDateValue.
int utcOffsetAt(DateTimeValue local, const QTimeZone& zone);

// The moment a clock time of the zone names, by utcOffsetAt's rule: a clock
// time the clocks skip is that time moved forward by the gap's length (an
// hour, half an hour at Lord Howe, a whole day at Apia on 2011.12.30), a
// repeated one its first pass. Invalid for an invalid zone or invalid fields.
QDateTime clockTimeIn(const CivilDateTime& clock, const QTimeZone& zone);

// True for the name of a zone in the system's zone database ("Europe/Budapest",
// "UTC", or a link such as "Etc/UTC" or "Europe/Kiev"). QTimeZone itself takes
// any other name as a POSIX rule: "Budapest" as UTC, "xyz+99" as 99 hours west.
bool isKnownZone(const QString& name);

// What an empty zone setting stands for. A site's settings leave it empty for
// the computer's own zone; an attempt in the logbook has no zone without one,
// as its record must say where its clock times were read.
enum class EmptyZone { System, None };

// The program's one reading of a zone setting: "UTC" is UTC, a name of the zone
// database (isKnownZone) that zone, an empty one as `empty` says, and any other
// name no zone (invalid), never a POSIX rule guessed from it.
QTimeZone zoneNamed(const QString& name, EmptyZone empty);

}  // namespace tavik
