#include "sightingcommand.h"

#include "almanacterms.h"
#include "commandline.h"
#include "evening.h"
#include "lists.h"
#include "nextchance.h"
#include "sighting.h"
#include "sightingwords.h"

#include <datetimeparser.h>
#include <localzone.h>
#include <regional.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

#include <optional>

namespace tavik::almanac {

namespace {

struct AtTime {
    QDateTime when;
    bool dateOnly = false;   // no time typed: the date's midnight
};

// The --at text as the program's own date fields read it, in the zone.
std::optional<AtTime> readAt(const QString& text, const QTimeZone& zone)
{
    const std::optional<CivilDateTime> c = parseCivilDateTime(text, RegionalSettings::hungarian());
    if (!c) {
        errorStream() << QCoreApplication::translate(
                             "SightingCommand",
                             "Hibás --at időpont: \"%1\" - dátum és idő kell, például \"2025.05.27 21:05\" vagy \"2025.05.27\"")
                             .arg(text)
                      << "\n";
        return std::nullopt;
    }
    if (isTimeAlone(text, RegionalSettings::hungarian())) {
        errorStream() << QCoreApplication::translate(
                             "SightingCommand", "Hibás --at időpont: \"%1\" - hiányzik a dátum, például \"2025.05.27 21:05\"")
                             .arg(text)
                      << "\n";
        return std::nullopt;
    }
    return AtTime{clockTimeIn(*c, zone), !text.contains(u':')};
}

// The moment of the report: --next's chance after --at (or now), else --at,
// a date alone its evening's (morning's) best time. None, with a message,
// when there is no chance within the search.
std::optional<double> reportMoment(const Ephemeris& eph, const AtTime& at, bool next, const Site& site,
                                   const QTimeZone& zone)
{
    const double jd = julianDayUt(at.when);
    if (!next)
        return at.dateOnly ? dateMoment(eph, at.when.date(), site, zone) : jd;
    const std::optional<Chance> chance = nextChance(eph, jd, site, YallopClass::C);
    if (!chance) {
        errorStream() << QCoreApplication::translate(
                             "SightingCommand", "Nincs A, B vagy C osztályú este vagy reggel 60 napon belül ezen a helyen")
                      << "\n";
        return std::nullopt;
    }
    return chance->time();
}

// Whether the ephemeris files reach round the moment --next found: its report
// reads weeks either side of it, as --at's does.
bool nextCovered(bool next, double moment, const QTimeZone& zone)
{
    return !next || coveredByEphemeris(sightingReach(moment), QStringLiteral("next"), formatLocalMinute(moment, zone));
}

}  // namespace

int runSightingCommand(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setApplicationDescription(QCoreApplication::translate("SightingCommand", "Egy holdsarló-megfigyelés körülményei: a Hold kora, a Nap és a Hold helyzete, a késés,\n"
        "ARCL, ARCV, DAZ, a sarló szélessége, Yallop q és Odeh V a legjobb időpontban.\n"
        "Alapértelmezés: a beállított megfigyelőhely ($XDG_CONFIG_HOME/tavik/tavik.conf), enélkül\n"
        "Budapest (É 47,4979°, K 19,0402°, 100 m, Europe/Budapest idő).\n")
        + QCoreApplication::translate(
            "SightingCommand",
            "Idő nélküli dátum (--at 2025.05.28): a nap esti legjobb időpontja, fogyó Holdnál a reggeli.\n"
            "--next: a következő esély --at (enélkül a mostani idő, dátumnál a nap kezdete) után: az első\n"
            "este vagy reggel, amelynek legjobb időpontja későbbi, és Yallop osztálya a helyen A, B vagy C.\n")
        + QCoreApplication::translate("SightingCommand", "Kilépési kód: 0 kész, 1 hibás kapcsoló (hely, zóna, --ephe), 2 hiányzó vagy olvashatatlan --at,\n"
            "3 az efemerisz hibája (sérült fájl, vagy a fájlokon kívüli időpont), ")
        + QCoreApplication::translate("SightingCommand", "4 nincs esély 60 napon belül."));
    addHelpOptions(p, false);
    p.addOptions({
        {QStringLiteral("at"), QCoreApplication::translate("SightingCommand", "A megfigyelés helyi ideje, például \"2025.05.27 21:05\"")
                                + QCoreApplication::translate("SightingCommand",
                                                              "; dátum\negymagában: a nap legjobb időpontja."),
         QCoreApplication::translate("SightingCommand", "időpont")},
        {QStringLiteral("next"),
         QCoreApplication::translate("SightingCommand", "A következő esély (A, B vagy C osztály) jelentése.")},
        {QStringLiteral("json"), QCoreApplication::translate("SightingCommand", "Egyetlen JSON objektum a szöveg helyett.")},
    });
    p.addOptions(placeOptions());
    p.process(arguments);
    if (p.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << commandHelp(p, QStringLiteral("sighting"));
        return 0;
    }

    const ObservingSite configured = configuredSite(p);
    const std::optional<Site> site = siteOption(p, configured);
    const std::optional<QTimeZone> chosenZone = zoneOption(p, configured.zone());
    if (!site || !chosenZone)
        return 1;
    const QTimeZone& zone = *chosenZone;
    const bool next = p.isSet(QStringLiteral("next"));
    if (!p.isSet(QStringLiteral("at")) && !next) {
        errorStream() << QCoreApplication::translate("SightingCommand",
                                                     "Hiányzik a --at időpont, például --at \"2025.05.27 21:05\"")
                      << "\n";
        return 2;
    }
    const std::optional<AtTime> at = p.isSet(QStringLiteral("at"))
                                         ? readAt(p.value(QStringLiteral("at")), zone)
                                         : AtTime{QDateTime::currentDateTime().toTimeZone(zone)};
    if (!at)
        return 2;

    if (!coveredByEphemeris(sightingReach(julianDayUt(at->when)), QStringLiteral("at"), p.value(QStringLiteral("at"))))
        return 3;
    const std::optional<Ephemeris> opened = ephemerisOption(p);
    if (!opened)
        return 1;
    const Ephemeris& eph = *opened;
    try {
        const std::optional<double> moment = reportMoment(eph, *at, next, *site, zone);
        if (!moment)
            return 4;
        if (!nextCovered(next, *moment, zone))
            return 3;
        const SightingReport report = sightingAt(eph, *moment, *site);
        QTextStream out(stdout);
        if (p.isSet(QStringLiteral("json")))
            out << QJsonDocument(tavik::words::sightingJson(report, zone)).toJson(QJsonDocument::Indented);
        else
            out << tavik::words::sightingText(report, zone);
    } catch (const EphemerisError& e) {
        errorStream() << tavik::words::ephemerisFaultText(e) << "\n";
        return 3;
    }
    return 0;
}

}  // namespace tavik::almanac
