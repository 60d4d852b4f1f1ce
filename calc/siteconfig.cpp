#include "siteconfig.h"

#include "localzone.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <cmath>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavik {

namespace {

const QString kSection = QStringLiteral("[site]");

// An absolute folder from the environment, in the file-name encoding; empty
// for an unset, empty or relative value, which the desktop's convention ignores.
QString absoluteFromEnvironment(const char* name)
{
    const QString value = QFile::decodeName(qgetenv(name));
    return QDir::isAbsolutePath(value) ? value : QString();
}

QString homeFolder()
{
    const QString home = absoluteFromEnvironment("HOME");
    if (!home.isEmpty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QDir::rootPath();
}

std::optional<double> readNumber(const QString& text, ValueRange range, SiteConfigFault& fault)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);   // "46,253" is not 46253
    bool ok = false;
    const double v = c.toDouble(text, &ok);
    fault.range = range;
    if (!ok || !std::isfinite(v)) {
        fault.kind = SiteFault::NotANumber;
        return std::nullopt;
    }
    if (!range.contains(v)) {
        fault.kind = SiteFault::OutOfRange;
        return std::nullopt;
    }
    return v;
}

// One "key=value" of the section into the site; false with the fault's kind
// and range set when the value is bad. Unknown keys are skipped.
bool readEntry(const QString& key, const QString& value, ObservingSite& site, SiteConfigFault& fault)
{
    std::optional<double> number;
    if (key == QLatin1String("name")) {
        site.name = value;
    } else if (key == QLatin1String("latitude")) {
        if (!(number = readNumber(value, kLatitudeRange, fault)))
            return false;
        site.latitude = *number;
    } else if (key == QLatin1String("longitude")) {
        if (!(number = readNumber(value, kLongitudeRange, fault)))
            return false;
        site.longitude = *number;
    } else if (key == QLatin1String("elevation")) {
        if (!(number = readNumber(value, kElevationRange, fault)))
            return false;
        site.elevation = *number;
    } else if (key == QLatin1String("timezone")) {
        if (!value.isEmpty() && !isKnownZone(value)) {
            fault.kind = SiteFault::UnknownZone;
            return false;
        }
        site.timezone = value;
    }
    return true;
}

// The site of the file's text, or the first fault. Without a section the
// file names no site (Budapest); a section must give both coordinates, and
// leaves the name, the elevation (0 m) and the zone (the system's) optional.
SiteConfigRead parseSiteConfig(QByteArrayView bytes)
{
    SiteConfigRead out;
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes = bytes.sliced(3);
    ObservingSite site{QString(), 0, 0, 0, QString()};
    int sectionLine = 0;
    bool inSection = false, haveLatitude = false, haveLongitude = false;
    const QList<QByteArray> lines = bytes.toByteArray().split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArrayView raw = lines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        SiteConfigFault& fault = out.fault;
        fault.line = i + 1;
        fault.key.clear();
        QStringDecoder utf8(QStringDecoder::Utf8);
        fault.text = utf8.decode(raw);
        if (utf8.hasError()) {
            fault.kind = SiteFault::NotText;
            return out;
        }
        const QString line = fault.text.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            inSection = line.compare(kSection, Qt::CaseInsensitive) == 0;
            if (inSection && sectionLine == 0)
                sectionLine = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            fault.kind = SiteFault::NotAnEntry;
            return out;
        }
        fault.key = line.first(eq).trimmed().toLower();
        if (!readEntry(fault.key, line.sliced(eq + 1).trimmed(), site, fault))
            return out;
        haveLatitude = haveLatitude || fault.key == QLatin1String("latitude");
        haveLongitude = haveLongitude || fault.key == QLatin1String("longitude");
    }
    out.fault = {};
    if (sectionLine != 0 && (!haveLatitude || !haveLongitude)) {
        out.fault = {SiteFault::Missing, sectionLine, haveLatitude ? QStringLiteral("longitude") : QStringLiteral("latitude"),
                     kSection, {}};
        return out;
    }
    if (sectionLine != 0)
        out.site = site;
    return out;
}

// Seven decimals as storedSite() keeps them; no trailing zeros.
QString fileNumber(double v)
{
    QString text = QString::number(v, 'f', 7);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// Each missing folder of the path, made for the user alone.
void makeFolders(const QString& folder)
{
    if (folder.isEmpty() || QFileInfo::exists(folder))
        return;
    makeFolders(QFileInfo(folder).path() == folder ? QString() : QFileInfo(folder).path());
    // A failure shows in the write that follows, with its reason.
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
}

}  // namespace

QTimeZone ObservingSite::zone() const
{
    if (timezone.isEmpty())
        return QTimeZone::systemTimeZone();
    return QTimeZone(timezone.toUtf8());
}

QString siteConfigPath()
{
    QString base = absoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = homeFolder() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/tavik/tavik.conf"));
}

SiteConfigRead readSiteConfig(const QString& path)
{
    const FileRead<QByteArray> bytes = readFileBytes(path);
    if (!bytes.ok()) {
        SiteConfigRead out;
        if (bytes.status.error != FileError::Missing || bytes.status.reason != FileReason::Other)
            out.status = bytes.status;
        return out;
    }
    SiteConfigRead out = parseSiteConfig(bytes.value);
    out.status = bytes.status;
    return out;
}

ObservingSite storedSite(ObservingSite site)
{
    for (double* v : {&site.latitude, &site.longitude, &site.elevation})
        *v = std::round(*v * 1e7) / 1e7;
    return site;
}

QByteArray siteConfigText(const ObservingSite& site)
{
    QString name = site.name;
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString text = kSection + QStringLiteral("\nname=") + name.trimmed()
                         + QStringLiteral("\nlatitude=") + fileNumber(site.latitude)
                         + QStringLiteral("\nlongitude=") + fileNumber(site.longitude)
                         + QStringLiteral("\nelevation=") + fileNumber(site.elevation)
                         + QStringLiteral("\ntimezone=") + site.timezone + u'\n';
    return text.toUtf8();
}

FileStatus writeSiteConfig(const QString& path, const ObservingSite& site)
{
    makeFolders(QFileInfo(path).path());
    return replaceWholeFileBytes(path, siteConfigText(site));
}

}  // namespace tavik
