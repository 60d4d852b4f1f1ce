// tavik-almanac: writes the new-moon list and the four reference lists of the
// data folder, computed with the Swiss Ephemeris for a site and a time zone.
#include "filefaults.h"
#include "listfiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

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

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

std::optional<double> number(const QCommandLineParser& p, const QString& name, double lo, double hi,
                             double fallback)
{
    if (!p.isSet(name))
        return fallback;
    bool ok = false;
    const double v = p.value(name).toDouble(&ok);
    if (!ok || v < lo || v > hi) {
        err() << "Hibás --" << name << " érték: \"" << p.value(name) << "\" (" << lo << " és " << hi
              << " között kell lennie)\n";
        return std::nullopt;
    }
    return v;
}

std::optional<QList<const ListFileInfo*>> chosenLists(const QCommandLineParser& p)
{
    QStringList names = p.positionalArguments();
    for (const QString& v : p.values(QStringLiteral("only")))
        names += v.split(u',', Qt::SkipEmptyParts);
    QList<const ListFileInfo*> lists;
    for (const QString& n : std::as_const(names)) {
        const ListFileInfo* info = findListFile(n);
        if (!info) {
            err() << "Ismeretlen lista: \"" << n << "\" (lehet: ujholdak, holdsarlok, napfogyik, "
                  << "holdfogyik, venusz)\n";
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
    const auto lat = number(p, QStringLiteral("lat"), -90, 90, r.base.site.latitude);
    const auto lon = number(p, QStringLiteral("lon"), -180, 180, r.base.site.longitude);
    const auto elev = number(p, QStringLiteral("elevation"), -500, 9000, r.base.site.elevation);
    const auto from = number(p, QStringLiteral("from"), kFirstYear, kLastYear, 0);
    const auto to = number(p, QStringLiteral("to"), kFirstYear, kLastYear, 0);
    const auto lists = chosenLists(p);
    if (!lat || !lon || !elev || !from || !to || !lists)
        return std::nullopt;
    r.base.site = Site{*lat, *lon, *elev};
    if (p.isSet(QStringLiteral("from")))
        r.from = int(*from);
    if (p.isSet(QStringLiteral("to")))
        r.to = int(*to);
    if (r.from && r.to && *r.from > *r.to) {
        err() << "A --from év (" << *r.from << ") nem lehet később, mint a --to év (" << *r.to << ")\n";
        return std::nullopt;
    }
    if (p.isSet(QStringLiteral("tz"))) {
        r.base.zone = QTimeZone(p.value(QStringLiteral("tz")).toUtf8());
        if (!r.base.zone.isValid()) {
            err() << "Ismeretlen időzóna: \"" << p.value(QStringLiteral("tz"))
                  << "\" (IANA név kell, például Europe/Budapest)\n";
            return std::nullopt;
        }
    }
    r.lists = *lists;
    r.outDir = p.value(QStringLiteral("out"));
    return r;
}

bool writeOne(const Request& r, const ListFileInfo& info)
{
    ListSettings s = r.base;
    s.fromYear = r.from.value_or(info.defaultFrom);
    s.toYear = r.to.value_or(info.defaultTo);
    if (s.fromYear > s.toYear) {
        err() << info.fileName << ": a --from/--to után üres az évtartomány (" << s.fromYear << "-"
              << s.toYear << "), kihagyva\n";
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    QString error;
    const QStringList lines = listLines(info.kind, s, &error);
    if (!error.isEmpty()) {
        err() << info.fileName << ": az efemerisz hibát jelzett: " << error << " - a fájl nem készült el\n";
        return false;
    }
    const QString path = QDir(r.outDir).filePath(info.fileName);
    const tavik::FileStatus status = writeListFile(path, lines);
    if (!status.ok()) {
        err() << tavik::describeFileFault(status) << "\n";
        return false;
    }
    QTextStream(stdout) << path << ": " << lines.size() << " sor, " << s.fromYear << "-" << s.toYear
                        << " (" << timer.elapsed() << " ms)\n";
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavik-almanac"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "A Tavik adatfájljai (ujholdak, holdsarlok, napfogyik, holdfogyik, venusz) a Swiss Ephemeris-szel.\n"
        "Alapértelmezés: Budapest (É 47,4979°, K 19,0402°, 100 m), Europe/Budapest idő, mind az öt fájl."));
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {QStringLiteral("from"), QStringLiteral("Első év (helyi idő szerint)."), QStringLiteral("év")},
        {QStringLiteral("to"), QStringLiteral("Utolsó év (helyi idő szerint)."), QStringLiteral("év")},
        {QStringLiteral("lat"), QStringLiteral("Földrajzi szélesség, fok (észak +)."), QStringLiteral("fok")},
        {QStringLiteral("lon"), QStringLiteral("Földrajzi hosszúság, fok (kelet +)."), QStringLiteral("fok")},
        {QStringLiteral("elevation"), QStringLiteral("Tengerszint feletti magasság, méter."), QStringLiteral("m")},
        {QStringLiteral("tz"), QStringLiteral("IANA időzóna, például Europe/Budapest."), QStringLiteral("zóna")},
        {QStringLiteral("out"), QStringLiteral("A célmappa (alapértelmezés: a munkamappa)."),
         QStringLiteral("mappa"), QStringLiteral(".")},
        {QStringLiteral("only"), QStringLiteral("Csak ezek a listák, vesszővel elválasztva."), QStringLiteral("listák")},
        {QStringLiteral("ephe"), QStringLiteral("Az efemeriszfájlok mappája."), QStringLiteral("mappa")},
    });
    p.addPositionalArgument(QStringLiteral("lista"),
                            QStringLiteral("ujholdak, holdsarlok, napfogyik, holdfogyik vagy venusz."),
                            QStringLiteral("[lista...]"));
    p.process(app);

    const std::optional<Request> request = parseRequest(p);
    if (!request)
        return 1;
    if (!QDir().mkpath(request->outDir)) {
        err() << "A célmappa nem hozható létre: " << request->outDir << "\n";
        return 2;
    }
    const QString ephe = p.value(QStringLiteral("ephe"));
    const EphemerisSource source = openEphemeris(ephe);
    if (!ephe.isEmpty() && QDir(source.path) != QDir(ephe))
        err() << "A(z) " << ephe << " mappában nincsenek efemeriszfájlok (sepl_18.se1, semo_18.se1).\n";
    if (!source.files)
        err() << "Efemeriszfájlok nélkül, a beépített Moshier-sorral számolok.\n";
    bool ok = true;
    for (const ListFileInfo* info : request->lists)
        ok = writeOne(*request, *info) && ok;
    return ok ? 0 : 2;
}
