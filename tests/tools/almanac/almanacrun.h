// Runs the tavik-almanac built with the tests (ALMANAC_EXE) and keeps what it
// said.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tavik::testing {

struct Run {
    int exitCode = -1;   // stays -1 when the run did not finish in two minutes
    QString out;
    QString err;
};

// The configuration and cache folders are the test's own (by default one
// without a site, and none to keep the maps' layers in), never the user's. A
// lang ("en_US.UTF-8") starts it as a user of that locale would, with nothing
// else choosing the language.
inline Run almanac(const QStringList& args, const QString& configHome = QStringLiteral("/nonexistent"),
                   const QString& lang = {}, const QString& cacheHome = QStringLiteral("/nonexistent"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    if (!lang.isEmpty()) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LANG"), lang);
    }
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ALMANAC_EXE), args);
    if (!p.waitForFinished(120'000))
        return {};
    return Run{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
               QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace tavik::testing
