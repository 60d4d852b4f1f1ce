#include "sightingcommand.h"

#include "sighting.h"

#include <datetimeparser.h>
#include <regional.h>

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QTextStream>

#include <optional>

namespace tavik::almanac {

namespace {

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

// The --at text as the program's own date fields read it, in the zone.
std::optional<QDateTime> readAt(const QString& text, const QTimeZone& zone)
{
    const std::optional<CivilDateTime> c = parseCivilDateTime(text, RegionalSettings::hungarian());
    if (!c) {
        err() << "Hibás --at időpont: \"" << text
              << "\" - dátum és idő kell, például \"2025.05.27 21:05\" vagy \"2025.05.27\"\n";
        return std::nullopt;
    }
    const QDate date(c->year, c->month, c->day);
    if (*c == CivilDateTime{1899, 12, 30, c->hour, c->minute, c->second} && !text.contains(QLatin1String("1899"))) {
        err() << "Hibás --at időpont: \"" << text << "\" - hiányzik a dátum, például \"2025.05.27 21:05\"\n";
        return std::nullopt;
    }
    return QDateTime(date, QTime(c->hour, c->minute, c->second), zone);
}

}  // namespace

int runSightingCommand(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Egy holdsarló-megfigyelés körülményei: a Hold kora, a Nap és a Hold helyzete, a késés,\n"
        "ARCL, ARCV, DAZ, a sarló szélessége, Yallop q és Odeh V a legjobb időpontban.\n"
        "Alapértelmezés: Budapest (É 47,4979°, K 19,0402°, 100 m), Europe/Budapest idő."));
    p.addHelpOption();
    p.addOptions({
        {QStringLiteral("at"), QStringLiteral("A megfigyelés helyi ideje, például \"2025.05.27 21:05\"."),
         QStringLiteral("időpont")},
        {QStringLiteral("lat"), QStringLiteral("Földrajzi szélesség, fok (észak +)."), QStringLiteral("fok")},
        {QStringLiteral("lon"), QStringLiteral("Földrajzi hosszúság, fok (kelet +)."), QStringLiteral("fok")},
        {QStringLiteral("elevation"), QStringLiteral("Tengerszint feletti magasság, méter."), QStringLiteral("m")},
        {QStringLiteral("tz"), QStringLiteral("IANA időzóna, például Europe/Budapest."), QStringLiteral("zóna")},
        {QStringLiteral("ephe"), QStringLiteral("Az efemeriszfájlok mappája."), QStringLiteral("mappa")},
        {QStringLiteral("json"), QStringLiteral("Egyetlen JSON objektum a szöveg helyett.")},
    });
    p.process(arguments);

    const Site defaults;
    const auto lat = number(p, QStringLiteral("lat"), -90, 90, defaults.latitude);
    const auto lon = number(p, QStringLiteral("lon"), -180, 180, defaults.longitude);
    const auto elev = number(p, QStringLiteral("elevation"), -500, 9000, defaults.elevation);
    if (!lat || !lon || !elev)
        return 1;
    QTimeZone zone(QByteArrayLiteral("Europe/Budapest"));
    if (p.isSet(QStringLiteral("tz"))) {
        zone = QTimeZone(p.value(QStringLiteral("tz")).toUtf8());
        if (!zone.isValid()) {
            err() << "Ismeretlen időzóna: \"" << p.value(QStringLiteral("tz"))
                  << "\" (IANA név kell, például Europe/Budapest)\n";
            return 1;
        }
    }
    if (!p.isSet(QStringLiteral("at"))) {
        err() << "Hiányzik a --at időpont, például --at \"2025.05.27 21:05\"\n";
        return 2;
    }
    const std::optional<QDateTime> at = readAt(p.value(QStringLiteral("at")), zone);
    if (!at)
        return 2;

    std::optional<Ephemeris> opened;
    try {
        opened = Ephemeris::open(p.value(QStringLiteral("ephe")));
    } catch (const EphemerisError& e) {
        err() << e.message() << "\n";
        return 1;
    }
    const Ephemeris& eph = *opened;
    try {
        if (!eph.files())
            err() << "Efemeriszfájlok nélkül, a beépített Moshier-sorral számolok.\n";
        const SightingReport report = sightingAt(eph, julianDayUt(*at), Site{*lat, *lon, *elev});
        QTextStream out(stdout);
        if (p.isSet(QStringLiteral("json")))
            out << QJsonDocument(sightingJson(report, zone)).toJson(QJsonDocument::Indented);
        else
            out << sightingLines(report, zone).join(u'\n') << '\n';
    } catch (const EphemerisError& e) {
        err() << e.message() << "\n";
        return 3;
    }
    return 0;
}

}  // namespace tavik::almanac
