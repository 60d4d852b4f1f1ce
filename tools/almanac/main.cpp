// tavik-almanac: writes the new-moon list and the four reference lists of the
// data folder, computed with the Swiss Ephemeris for a site and a time zone.
#include "almanacterms.h"
#include "calendarcommand.h"
#include "commandline.h"
#include "filefaults.h"
#include "listfiles.h"
#include "listwords.h"
#include "logcommand.h"
#include "mapcommand.h"
#include "sightingcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <optional>

using namespace tavik::almanac;

namespace {

constexpr int kFirstYear = 1800;   // the span of the ephemeris files of swe-basic-data
constexpr int kLastYear = 2399;

struct Request {
    ListSettings base;
    std::optional<int> from, to;
    QList<const ListFileInfo*> lists;
    QString outDir;
};

std::optional<QList<const ListFileInfo*>> chosenLists(const QCommandLineParser& p)
{
    QStringList names = p.positionalArguments();
    for (const QString& v : p.values(QStringLiteral("only")))
        names += v.split(u',', Qt::SkipEmptyParts);
    QList<const ListFileInfo*> lists;
    for (const QString& n : std::as_const(names)) {
        const ListFileInfo* info = findListFile(n);
        if (!info) {
            errorStream() << QCoreApplication::translate(
                                 "Almanac",
                                 "Ismeretlen lista: \"%1\" (lehet: ujholdak, holdsarlok, napfogyik, holdfogyik, venusz)")
                                 .arg(n)
                          << "\n";
            return std::nullopt;
        }
        if (!lists.contains(info))
            lists.append(info);
    }
    if (lists.isEmpty()) {
        for (const ListFileInfo& s : listFileInfos())
            lists.append(&s);
    }
    return lists;
}

std::optional<Request> parseRequest(const QCommandLineParser& p)
{
    Request r;
    const tavik::ObservingSite configured = configuredSite(p);
    const auto site = siteOption(p, configured);
    const auto from = numberOption(p, QStringLiteral("from"), kFirstYear, kLastYear, 0);
    const auto to = numberOption(p, QStringLiteral("to"), kFirstYear, kLastYear, 0);
    const auto lists = chosenLists(p);
    if (!site || !from || !to || !lists)
        return std::nullopt;
    r.base.site = *site;
    // A place given by its coordinates has no name.
    r.base.siteName = p.isSet(QStringLiteral("lat")) || p.isSet(QStringLiteral("lon")) ? QString() : configured.name;
    if (p.isSet(QStringLiteral("from")))
        r.from = int(*from);
    if (p.isSet(QStringLiteral("to")))
        r.to = int(*to);
    if (r.from && r.to && *r.from > *r.to) {
        errorStream() << QCoreApplication::translate("Almanac", "A --from év (%1) nem lehet később, mint a --to év (%2)")
                             .arg(*r.from)
                             .arg(*r.to)
                      << "\n";
        return std::nullopt;
    }
    const auto zone = zoneOption(p, configured.zone());
    if (!zone)
        return std::nullopt;
    r.base.zone = *zone;
    r.lists = *lists;
    r.outDir = p.value(QStringLiteral("out"));
    return r;
}

bool writeOne(const Ephemeris& eph, const Request& r, const ListFileInfo& info)
{
    ListSettings s = r.base;
    s.fromYear = r.from.value_or(info.defaultFrom);
    s.toYear = r.to.value_or(info.defaultTo);
    if (s.fromYear > s.toYear) {
        errorStream() << QCoreApplication::translate("Almanac", "%1: a --from/--to után üres az évtartomány (%2-%3), kihagyva")
                             .arg(info.fileName)
                             .arg(s.fromYear)
                             .arg(s.toYear)
                      << "\n";
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    QStringList lines;
    try {
        lines = tavik::words::listLines(info.kind, eph, s);
    } catch (const EphemerisError& e) {
        errorStream() << QCoreApplication::translate("Almanac", "%1: %2 - a fájl nem készült el").arg(info.fileName, tavik::words::ephemerisFaultText(e))
                      << "\n";
        return false;
    }
    const QString path = QDir(r.outDir).filePath(info.fileName);
    const tavik::FileStatus status = writeListFile(path, lines);
    if (!status.ok()) {
        errorStream() << tavik::describeFileFault(status) << "\n";
        return false;
    }
    QTextStream(stdout) << path << ": " << QCoreApplication::translate("Almanac", "%n sor", nullptr, int(lines.size())) << ", " << s.fromYear << "-" << s.toYear
                        << " (" << timer.elapsed() << " ms)\n";
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "map") == 0) return runMapCommand(argc, argv);   // draws: its own application
    QCoreApplication app(argc, argv);
    QTranslator qtMessages;
    prepareApplication(qtMessages);

    // "tavik-almanac sighting ...": one observation instead of the lists.
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && arguments.at(1) == QStringLiteral("sighting")) {
        arguments.removeAt(1);
        return runSightingCommand(arguments);
    }
    if (arguments.size() > 1 && arguments.at(1) == QStringLiteral("calendar")) {
        arguments.removeAt(1);
        return runCalendarCommand(arguments);
    }
    if (arguments.size() > 1 && arguments.at(1) == QStringLiteral("log")) {
        arguments.removeAt(1);
        return runLogCommand(arguments);
    }

    QCommandLineParser p;
    p.setApplicationDescription(QCoreApplication::translate("Almanac", "A Tavik adatfájljai (ujholdak, holdsarlok, napfogyik, holdfogyik, venusz) a Swiss Ephemeris-szel.\n"
        "Alapértelmezés: a beállított megfigyelőhely ($XDG_CONFIG_HOME/tavik/tavik.conf, ahogy a Tavik\n"
        "Megfigyelőhely ablaka menti), enélkül Budapest (É 47,4979°, K 19,0402°, 100 m, Europe/Budapest idő),\n"
        "és mind az öt fájl.\n"
        "Egy megfigyelés körülményei: tavik-almanac sighting --at \"2025.05.27 21:05\" (lásd: sighting --help).\n"
        "A holdsarló láthatóságának világtérképe: tavik-almanac map --date 2025.05.27 (lásd: map --help).\n"
        "Az észlelési napló: tavik-almanac log list (lásd: log --help).\n"
        "A hidzsra hónapok egy szabály szerint: tavik-almanac calendar --rule ummalqura --from 1446 (lásd: calendar --help).\n"
        "Kilépési kód: 0 kész, 1 hibás kapcsoló vagy efemeriszmappa, 2 egy lista nem készült el."));
    addHelpOptions(p, true);
    p.addOptions({
        {QStringLiteral("from"), QCoreApplication::translate("Almanac", "Első év (helyi idő szerint)."), QCoreApplication::translate("Almanac", "év")},
        {QStringLiteral("to"), QCoreApplication::translate("Almanac", "Utolsó év (helyi idő szerint)."), QCoreApplication::translate("Almanac", "év")},
        {QStringLiteral("out"), QCoreApplication::translate("Almanac", "A célmappa (alapértelmezés: a munkamappa)."),
         QCoreApplication::translate("Almanac", "mappa"), QStringLiteral(".")},
        {QStringLiteral("only"), QCoreApplication::translate("Almanac", "Csak ezek a listák, vesszővel elválasztva."), QCoreApplication::translate("Almanac", "listák")},
    });
    p.addOptions(placeOptions());
    p.addPositionalArgument(QCoreApplication::translate("Almanac", "lista"),
                            QCoreApplication::translate("Almanac", "ujholdak, holdsarlok, napfogyik, holdfogyik vagy venusz."),
                            QCoreApplication::translate("Almanac", "[lista...]"));
    p.process(app);
    answerHelp(p);

    const std::optional<Request> request = parseRequest(p);
    if (!request)
        return 1;
    if (!QDir().mkpath(request->outDir)) {
        errorStream() << QCoreApplication::translate("Almanac", "A célmappa nem hozható létre: %1").arg(request->outDir) << "\n";
        return 2;
    }
    const std::optional<Ephemeris> eph = ephemerisOption(p);
    if (!eph)
        return 1;
    bool ok = true;
    for (const ListFileInfo* info : request->lists)
        ok = writeOne(*eph, *request, *info) && ok;
    return ok ? 0 : 2;
}
