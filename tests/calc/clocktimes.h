// Clock times the summer-time changes skip or repeat, with the moment each
// names by the program's one rule (tz database, 2025 changes), shared by the
// tests of the zone arithmetic and of everything that reads a clock time.
#pragma once

#include "datetime.h"

#include <QByteArray>
#include <QString>
#include <QTest>

Q_DECLARE_METATYPE(tavik::CivilDateTime)

namespace tavik::testing {

inline void addSkippedAndRepeatedClockTimes()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<CivilDateTime>("clock");
    QTest::addColumn<QString>("utc");
    const QByteArray bp("Europe/Budapest"), ch("Pacific/Chatham"), sj("America/St_Johns"), ap("Pacific/Apia");
    QTest::newRow("Budapest gap") << bp << CivilDateTime{2025, 3, 30, 2, 30, 0} << "2025-03-30T01:30:00Z";
    QTest::newRow("Budapest fold") << bp << CivilDateTime{2025, 10, 26, 2, 30, 0} << "2025-10-26T00:30:00Z";
    QTest::newRow("Budapest after the fold") << bp << CivilDateTime{2025, 10, 26, 3, 0, 0} << "2025-10-26T02:00:00Z";
    QTest::newRow("Chatham gap") << ch << CivilDateTime{2025, 9, 28, 2, 45, 0} << "2025-09-27T14:00:00Z";
    QTest::newRow("Chatham fold") << ch << CivilDateTime{2025, 4, 6, 3, 0, 0} << "2025-04-05T13:15:00Z";
    QTest::newRow("St John's gap") << sj << CivilDateTime{2025, 3, 9, 2, 30, 0} << "2025-03-09T06:00:00Z";
    QTest::newRow("St John's fold") << sj << CivilDateTime{2025, 11, 2, 1, 30, 0} << "2025-11-02T04:00:00Z";
    QTest::newRow("Apia skipped day") << ap << CivilDateTime{2011, 12, 30, 12, 0, 0} << "2011-12-30T22:00:00Z";
    QTest::newRow("Apia fold") << ap << CivilDateTime{2012, 4, 1, 3, 30, 0} << "2012-03-31T13:30:00Z";
}

}  // namespace tavik::testing
