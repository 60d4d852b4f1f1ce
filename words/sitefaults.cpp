#include "sitefaults.h"

#include "filefaults.h"

#include <QCoreApplication>
#include <cmath>

namespace tavik {

namespace {

QString say(const char* text)
{
    return QCoreApplication::translate("tavik::SiteFaults", text);
}

// Thousands grouped as the interface language groups them: "15 000", "15,000".
QString wholeNumber(double v)
{
    const QString separator = QCoreApplication::translate("tavik::SiteFaults", " ", "thousands separator");
    QString digits = QString::number(qlonglong(std::abs(v)));
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, separator);
    return v < 0 ? u'-' + digits : digits;
}

QString faultReason(const SiteConfigFault& fault)
{
    const SiteField field = siteFieldOfKey(fault.key);
    switch (fault.kind) {
    case SiteFault::None: break;
    case SiteFault::NotText: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "A sor nem UTF-8 szöveg."));
    case SiteFault::NotAnEntry: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "„kulcs=érték” alakú sor kell, például latitude=47.4979."));
    case SiteFault::NotANumber:
        return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "%1 helyén szám kell, tizedesponttal, %2.")).arg(siteFieldName(field), siteFieldRange(field));
    case SiteFault::OutOfRange:
        return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "%1 csak %2 lehet.")).arg(siteFieldName(field), siteFieldRange(field));
    case SiteFault::UnknownZone:
        return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "Ismeretlen időzóna: IANA név kell, például Europe/Budapest, vagy üres a rendszer "
                                     "zónájához."));
    case SiteFault::Missing:
        return fillIn(say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "Hiányzik %1 „%2=” sor.")), {hungarianArticle(fault.key, false), fault.key});
    }
    return {};
}

}  // namespace

QString siteFieldName(SiteField field)
{
    switch (field) {
    case SiteField::Name: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "A hely neve"));
    case SiteField::Latitude: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "A földrajzi szélesség"));
    case SiteField::Longitude: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "A földrajzi hosszúság"));
    case SiteField::Elevation: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "A tengerszint feletti magasság"));
    case SiteField::Zone: return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "Az időzóna"));
    }
    return {};
}

QString siteFieldRange(SiteField field)
{
    const auto degrees = [](ValueRange r) {
        return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "%1° és %2° között")).arg(wholeNumber(r.low), wholeNumber(r.high));
    };
    switch (field) {
    case SiteField::Latitude: return degrees(kLatitudeRange);
    case SiteField::Longitude: return degrees(kLongitudeRange);
    case SiteField::Elevation:
        return say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "%1 és %2 méter között")).arg(wholeNumber(kElevationRange.low),
                                                                           wholeNumber(kElevationRange.high));
    case SiteField::Name:
    case SiteField::Zone: break;
    }
    return {};
}

SiteField siteFieldOfKey(const QString& key)
{
    if (key == QLatin1String("latitude"))
        return SiteField::Latitude;
    if (key == QLatin1String("longitude"))
        return SiteField::Longitude;
    if (key == QLatin1String("elevation"))
        return SiteField::Elevation;
    if (key == QLatin1String("timezone"))
        return SiteField::Zone;
    return SiteField::Name;
}

QString describeSiteConfigFault(const SiteConfigRead& read, const QString& path)
{
    QString text;
    if (!read.status.ok()) {
        text = describeFileFault(read.status);
    } else if (read.fault.kind != SiteFault::None) {
        text = fillIn(say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "A megfigyelőhely beállításfájljának (%1) %2. sora hibás: %3")),
                      {path, QString::number(read.fault.line), read.fault.text.trimmed()})
               + u'\n' + faultReason(read.fault);
    } else {
        return {};
    }
    return text + u'\n'
           + say(QT_TRANSLATE_NOOP("tavik::SiteFaults", "Addig Budapest a megfigyelőhely; a fájl változatlan marad, amíg új helyet nem "
                                   "ment a Megfigyelőhely ablakban."));
}

}  // namespace tavik
