// Runs the tavik-almanac built with the tests (ALMANAC_EXE) and keeps what it
// said.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavik::testing {

struct Run {
    int exitCode = -1;   // stays -1 when the run did not finish in two minutes
    QString out;
    QString err;
};

inline Run almanac(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ALMANAC_EXE), args);
    if (!p.waitForFinished(120'000))
        return {};
    return Run{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
               QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace tavik::testing
