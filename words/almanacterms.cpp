#include "almanacterms.h"

#include "wordslanguage.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>

namespace tavik::words {

using namespace almanac;

namespace {

QString listWord(const char* text)
{
    return QCoreApplication::translate("tavik::almanac::Lists", text);
}

QString crescentWord(const char* text)
{
    return QCoreApplication::translate("tavik::almanac::Crescents", text);
}

QString eclipseWord(const char* text)
{
    return QCoreApplication::translate("tavik::almanac::Eclipses", text);
}

QString ephemerisWord(const char* text)
{
    return QCoreApplication::translate("tavik::almanac::Ephemeris", text);
}

// The library's reason, in the interface's language where the almanac
// recognised it; the library's own words otherwise.
QString reasonText(const EphemerisError& e)
{
    switch (e.reason()) {
    case EphemerisReason::FileMissing:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "hiányzik a(z) %1 efemeriszfájl")).arg(e.file());
    case EphemerisReason::FileDamaged:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "sérült a(z) %1 efemeriszfájl")).arg(e.file());
    case EphemerisReason::FileUnusable:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "a(z) %1 efemeriszfájl nem használható"))
            .arg(e.file());
    case EphemerisReason::OutOfRange:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "az időpont kívül esik az efemerisz időszakán"));
    case EphemerisReason::Unknown:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "ismeretlen hiba"));
    case EphemerisReason::FellBack:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "a könyvtár a beépített sorra váltott"));
    case EphemerisReason::LibraryText: break;
    }
    return e.libraryText();
}

}  // namespace

QString decimalText(double value, int decimals)
{
    return words::Language::installed().decimal(value, decimals);
}

QString signedDurationText(double days)
{
    const long long minutes = std::llround(std::abs(days) * 1440.0);
    const QString sign = days < 0 && minutes > 0 ? QStringLiteral("-") : QString();
    if (minutes < 60)
        return sign + listWord(QT_TRANSLATE_NOOP("tavik::almanac::Lists", "%1 perc")).arg(minutes);
    return sign
           + listWord(QT_TRANSLATE_NOOP("tavik::almanac::Lists", "%1 óra %2 perc")).arg(minutes / 60).arg(minutes % 60);
}

QString compassLetter(bool latitude, bool northOrEast)
{
    if (latitude)
        return northOrEast ? QCoreApplication::translate("tavik::almanac::Lists", "É", "north")
                           : QCoreApplication::translate("tavik::almanac::Lists", "D", "south");
    return northOrEast ? QCoreApplication::translate("tavik::almanac::Lists", "K", "east")
                       : QCoreApplication::translate("tavik::almanac::Lists", "Ny", "west");
}

QString siteText(const Site& site)
{
    return QStringLiteral("%1 %2°, %3 %4°, %5 m")
        .arg(compassLetter(true, site.latitude >= 0), decimalText(std::abs(site.latitude), 4),
             compassLetter(false, site.longitude >= 0), decimalText(std::abs(site.longitude), 4))
        .arg(std::lround(site.elevation));
}

QString yallopWords(YallopClass c)
{
    switch (c) {
    case YallopClass::A: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "könnyen látható"));
    case YallopClass::B: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "jó időben látható"));
    case YallopClass::C: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "távcső segíthet"));
    case YallopClass::D: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "csak távcsővel"));
    case YallopClass::E: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "távcsővel sem"));
    case YallopClass::F: break;
    }
    return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "nem látható"));
}

QString odehWords(OdehZone z)
{
    switch (z) {
    case OdehZone::A: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "szabad szemmel látható"));
    case OdehZone::B:
        return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "távcsővel látható, szabad szemmel is lehet"));
    case OdehZone::C: return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "csak távcsővel látható"));
    case OdehZone::D: break;
    }
    return crescentWord(QT_TRANSLATE_NOOP("tavik::almanac::Crescents", "távcsővel sem látható"));
}

QString hungarianName(SolarType t)
{
    switch (t) {
    case SolarType::Total: return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "teljes"));
    case SolarType::Annular: return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "gyűrűs"));
    case SolarType::Hybrid: return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "hibrid"));
    case SolarType::Partial: break;
    }
    return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "részleges"));
}

QString hungarianName(LunarType t)
{
    switch (t) {
    case LunarType::Total: return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "teljes"));
    case LunarType::Partial: return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "részleges"));
    case LunarType::Penumbral: break;
    }
    return eclipseWord(QT_TRANSLATE_NOOP("tavik::almanac::Eclipses", "félárnyékos"));
}

QString ephemerisFaultText(const EphemerisError& e)
{
    switch (e.fault()) {
    case EphemerisFault::NoFilesInFolder:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris",
                                               "A(z) %1 mappában nincsenek efemeriszfájlok (sepl_18.se1, semo_18.se1)."))
            .arg(QDir::toNativeSeparators(e.folder()));
    case EphemerisFault::CannotCompute:
        return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris", "Az efemerisz nem tudott számolni (%1): %2"))
            .arg(e.moment(), reasonText(e));
    case EphemerisFault::FilesDoNotCover: break;
    }
    return ephemerisWord(QT_TRANSLATE_NOOP("tavik::almanac::Ephemeris",
                                           "Az efemeriszfájlok nem fedik le ezt az időpontot (%1): %2"))
        .arg(e.moment(), reasonText(e));
}

}  // namespace tavik::words
