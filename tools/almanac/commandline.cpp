#include "almanacterms.h"
#include "commandline.h"
#include "translation.h"

#include <localzone.h>
#include <sitefaults.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cmath>

namespace tavik::almanac {

QString commandHelp(const QCommandLineParser& p, const QString& command)
{
    QString text = p.helpText();
    const QString program = QCoreApplication::arguments().constFirst();
    const qsizetype at = text.indexOf(program);
    if (at >= 0 && at < text.indexOf(u'\n'))
        text.insert(at + program.size(), u' ' + command);
    return text;
}

void prepareApplication(QTranslator& qtMessages)
{
    QCoreApplication::setApplicationName(QStringLiteral("tavik-almanac"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));
    const tavik::InterfaceLanguage language = tavik::startupLanguage();
    if (language == tavik::InterfaceLanguage::English)
        tavik::installInterfaceLanguage(language);
    else if (qtMessages.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtMessages);
}

QTextStream& errorStream()
{
    static QTextStream s(stderr);
    return s;
}

namespace {
const QStringList kHelpNames{QStringLiteral("h"), QStringLiteral("help")};
const QStringList kVersionNames{QStringLiteral("v"), QStringLiteral("version")};
}  // namespace

void addHelpOptions(QCommandLineParser& p, bool withVersion)
{
    p.addOption(QCommandLineOption(kHelpNames, QCoreApplication::translate("Almanac", "Ez a súgó.")));
    if (withVersion)
        p.addOption(QCommandLineOption(kVersionNames, QCoreApplication::translate("Almanac", "A program változata.")));
}

void answerHelp(QCommandLineParser& p)
{
    if (p.isSet(kHelpNames.last()))
        p.showHelp(0);
    if (p.optionNames().contains(kVersionNames.first()) || p.optionNames().contains(kVersionNames.last()))
        p.showVersion();
}

QList<QCommandLineOption> placeOptions()
{
    return {
        {QStringLiteral("lat"),
         QCoreApplication::translate("Almanac", "Földrajzi szélesség, fok (észak +), a --lon kapcsolóval együtt. Nélkülük a beállított "
                        "megfigyelőhely számít."),
         QCoreApplication::translate("Almanac", "fok")},
        {QStringLiteral("lon"), QCoreApplication::translate("Almanac", "Földrajzi hosszúság, fok (kelet +), a --lat kapcsolóval együtt."),
         QCoreApplication::translate("Almanac", "fok")},
        {QStringLiteral("elevation"),
         QCoreApplication::translate("Almanac", "Tengerszint feletti magasság, méter (-500 és 15000 között); a --lat/--lon mellett "
                        "alapértelmezés 0."),
         QStringLiteral("m")},
        {QStringLiteral("tz"),
         QCoreApplication::translate("Almanac", "IANA időzóna, például Europe/Budapest; alapértelmezés a beállított megfigyelőhelyé."),
         QCoreApplication::translate("Almanac", "zóna")},
        {QStringLiteral("ephe"), QCoreApplication::translate("Almanac", "Az efemeriszfájlok mappája."), QCoreApplication::translate("Almanac", "mappa")},
    };
}

namespace {

// Whether the option was given. Unlike isSet() it asks nothing of an option
// the command does not define (the map has no --tz), so Qt has no English
// warning to print.
bool given(const QCommandLineParser& p, const QString& name)
{
    return p.optionNames().contains(name);
}

}  // namespace

std::optional<double> numberOption(const QCommandLineParser& p, const QString& name, double lo, double hi,
                                   double fallback)
{
    if (!given(p, name))
        return fallback;
    const std::optional<double> v = readSiteNumber(p.value(name));
    if (!v || !ValueRange{lo, hi}.contains(*v)) {
        errorStream() << QCoreApplication::translate("Almanac", "Hibás --%1 érték: \"%2\" (%3 és %4 között kell lennie)")
                             .arg(name, p.value(name), QString::number(lo), QString::number(hi))
                      << "\n";
        return std::nullopt;
    }
    return v;
}

ObservingSite configuredSite(const QCommandLineParser& p)
{
    const bool placeGiven = given(p, QStringLiteral("lat")) && given(p, QStringLiteral("lon"));
    if (placeGiven && given(p, QStringLiteral("tz")))
        return {};
    const QString path = siteConfigPath();
    const SiteConfigRead read = readSiteConfig(path);
    const QString fault = describeSiteConfigFault(read, path);
    if (!fault.isEmpty())
        errorStream() << fault << "\n";
    return read.site;
}

std::optional<Site> siteOption(const QCommandLineParser& p, const ObservingSite& configured)
{
    const bool latGiven = given(p, QStringLiteral("lat"));
    const bool lonGiven = given(p, QStringLiteral("lon"));
    const auto lat = numberOption(p, QStringLiteral("lat"), kLatitudeRange.low, kLatitudeRange.high,
                                  configured.latitude);
    const auto lon = numberOption(p, QStringLiteral("lon"), kLongitudeRange.low, kLongitudeRange.high,
                                  configured.longitude);
    // Another place's elevation is unknown: sea level, not the configured site's.
    const auto elev = numberOption(p, QStringLiteral("elevation"), kElevationRange.low, kElevationRange.high,
                                   latGiven || lonGiven ? 0.0 : configured.elevation);
    if (!lat || !lon || !elev)
        return std::nullopt;
    if (latGiven != lonGiven) {
        errorStream() << QCoreApplication::translate("Almanac", "A --lat és a --lon csak együtt adható meg.") << "\n";
        return std::nullopt;
    }
    return Site{*lat, *lon, *elev};
}

std::optional<QTimeZone> zoneOption(const QCommandLineParser& p, const QTimeZone& fallback)
{
    if (!given(p, QStringLiteral("tz")))
        return fallback;
    const QString name = p.value(QStringLiteral("tz"));
    if (!isKnownZone(name)) {
        errorStream() << QCoreApplication::translate("Almanac", "Ismeretlen időzóna: \"%1\" (IANA név kell, például Europe/Budapest)")
                             .arg(p.value(QStringLiteral("tz")))
                      << "\n";
        return std::nullopt;
    }
    return QTimeZone(name.toUtf8());
}

bool coveredByEphemeris(std::pair<double, double> reach, const QString& option, const QString& text)
{
    if (shippedEphemerisCovers(reach.first, reach.second))
        return true;
    errorStream() << QCoreApplication::translate("Almanac",
                                                 "Az efemeriszfájlok nem fedik le ezt az időpontot: --%1 \"%2\" (a "
                                                 "fájlok 1800.01.01-től 2399.12.31-ig tartanak, és a számítás "
                                                 "hetekkel előtte és utána is olvas belőlük)")
                         .arg(option, text)
                  << "\n";
    return false;
}

std::optional<Ephemeris> ephemerisOption(const QCommandLineParser& p)
{
    try {
        Ephemeris eph = Ephemeris::open(p.value(QStringLiteral("ephe")));
        if (!eph.files())
            errorStream() << QCoreApplication::translate("Almanac", "Efemeriszfájlok nélkül, a beépített Moshier-sorral számolok.")
                          << "\n";
        return eph;
    } catch (const EphemerisError& e) {
        errorStream() << tavik::words::ephemerisFaultText(e) << "\n";
        return std::nullopt;
    }
}

}  // namespace tavik::almanac
