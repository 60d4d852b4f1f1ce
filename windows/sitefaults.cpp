#include "sitefaults.h"

#include "filefaults.h"

#include <QLocale>

namespace tavik {

namespace {

QString wholeNumber(double v)
{
    return QLocale(QLocale::Hungarian).toString(qlonglong(v)).replace(QChar(0xa0), u' ');
}

QString faultReason(const SiteConfigFault& fault)
{
    const SiteField field = siteFieldOfKey(fault.key);
    switch (fault.kind) {
    case SiteFault::None: break;
    case SiteFault::NotText: return QStringLiteral("A sor nem UTF-8 szöveg.");
    case SiteFault::NotAnEntry: return QStringLiteral("„kulcs=érték” alakú sor kell, például latitude=47.4979.");
    case SiteFault::NotANumber:
        return siteFieldName(field) + QStringLiteral(" helyén szám kell, tizedesponttal, ") + siteFieldRange(field)
               + u'.';
    case SiteFault::OutOfRange:
        return siteFieldName(field) + QStringLiteral(" csak ") + siteFieldRange(field) + QStringLiteral(" lehet.");
    case SiteFault::UnknownZone:
        return QStringLiteral("Ismeretlen időzóna: IANA név kell, például Europe/Budapest, vagy üres a rendszer "
                              "zónájához.");
    case SiteFault::Missing: return QStringLiteral("Hiányzik ") + hungarianArticle(fault.key, false) + QStringLiteral(" „") + fault.key + QStringLiteral("=” sor.");
    }
    return {};
}

}  // namespace

QString siteFieldName(SiteField field)
{
    switch (field) {
    case SiteField::Name: return QStringLiteral("A hely neve");
    case SiteField::Latitude: return QStringLiteral("A földrajzi szélesség");
    case SiteField::Longitude: return QStringLiteral("A földrajzi hosszúság");
    case SiteField::Elevation: return QStringLiteral("A tengerszint feletti magasság");
    case SiteField::Zone: return QStringLiteral("Az időzóna");
    }
    return {};
}

QString siteFieldRange(SiteField field)
{
    const auto degrees = [](ValueRange r) {
        return wholeNumber(r.low) + QStringLiteral("° és ") + wholeNumber(r.high) + QStringLiteral("° között");
    };
    switch (field) {
    case SiteField::Latitude: return degrees(kLatitudeRange);
    case SiteField::Longitude: return degrees(kLongitudeRange);
    case SiteField::Elevation:
        return wholeNumber(kElevationRange.low) + QStringLiteral(" és ") + wholeNumber(kElevationRange.high)
               + QStringLiteral(" méter között");
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
        text = QStringLiteral("A megfigyelőhely beállításfájljának (") + path + QStringLiteral(") ")
               + QString::number(read.fault.line) + QStringLiteral(". sora hibás: ") + read.fault.text.trimmed()
               + u'\n' + faultReason(read.fault);
    } else {
        return {};
    }
    return text + QStringLiteral("\nAddig Budapest a megfigyelőhely; a fájl változatlan marad, amíg új helyet nem "
                                 "ment a Megfigyelőhely ablakban.");
}

}  // namespace tavik
