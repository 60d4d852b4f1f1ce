#include "siteconfig.h"

#include "datafolders.h"
#include "fileaccess.h"
#include "localzone.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

namespace tavik {

namespace {

const QString kSection = QStringLiteral("[site]");
// A settings file beyond this is none that the program wrote.
constexpr qint64 kMaxSiteFileBytes = qint64(64) << 10;

std::optional<double> readNumber(const QString& text, ValueRange range, SiteConfigFault& fault)
{
    const std::optional<double> v = readSiteNumber(text);
    fault.range = range;
    if (!v) {
        fault.kind = SiteFault::NotANumber;
        return std::nullopt;
    }
    if (!range.contains(*v)) {
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

// Reads the file's lines in order. Without a section the file names no site
// (Budapest); a section must give both coordinates, and leaves the name, the
// elevation (0 m) and the zone (the system's) optional.
class SiteFileReader {
public:
    // False, with the fault filled in, for a bad line.
    bool readLine(QByteArrayView raw, int number, SiteConfigFault& fault);
    // The site read, or the fault of a section that lacks a coordinate.
    SiteConfigRead result() const;

private:
    ObservingSite m_site{QString(), 0, 0, 0, QString()};
    int m_sectionLine = 0;
    bool m_inSection = false;
    bool m_haveLatitude = false;
    bool m_haveLongitude = false;
};

bool SiteFileReader::readLine(QByteArrayView raw, int number, SiteConfigFault& fault)
{
    if (raw.endsWith('\r'))
        raw.chop(1);
    fault = {SiteFault::None, number, {}, {}, {0, 0}};
    QStringDecoder utf8(QStringDecoder::Utf8);
    fault.text = utf8.decode(raw);
    if (utf8.hasError()) {
        fault.kind = SiteFault::NotText;
        return false;
    }
    const QString line = fault.text.trimmed();
    if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
        return true;
    if (line.startsWith(u'[')) {
        m_inSection = line.compare(kSection, Qt::CaseInsensitive) == 0;
        if (m_inSection && m_sectionLine == 0)
            m_sectionLine = number;
        return true;
    }
    if (!m_inSection)
        return true;
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0) {
        fault.kind = SiteFault::NotAnEntry;
        return false;
    }
    fault.key = line.first(eq).trimmed().toLower();
    if (!readEntry(fault.key, line.sliced(eq + 1).trimmed(), m_site, fault))
        return false;
    m_haveLatitude = m_haveLatitude || fault.key == QLatin1String("latitude");
    m_haveLongitude = m_haveLongitude || fault.key == QLatin1String("longitude");
    return true;
}

SiteConfigRead SiteFileReader::result() const
{
    SiteConfigRead out;
    if (m_sectionLine == 0)
        return out;
    if (!m_haveLatitude || !m_haveLongitude) {
        const QString key = m_haveLatitude ? QStringLiteral("longitude") : QStringLiteral("latitude");
        out.fault = {SiteFault::Missing, m_sectionLine, key, kSection, {0, 0}};
        return out;
    }
    out.site = m_site;
    return out;
}

SiteConfigRead parseSiteConfig(QByteArrayView bytes)
{
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes = bytes.sliced(3);
    SiteFileReader reader;
    const QList<QByteArray> lines = bytes.toByteArray().split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        SiteConfigFault fault;
        if (!reader.readLine(lines.at(i), i + 1, fault)) {
            SiteConfigRead out;
            out.fault = fault;
            return out;
        }
    }
    return reader.result();
}

// Why a path the reader found no file at is still not free for the site: a
// folder or a link to nothing there would be taken for no file and hide the
// site the user saved.
FileStatus whatStandsInstead(const QString& path)
{
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) != 0)
        return {};
    if (S_ISLNK(st.st_mode) && ::stat(native.constData(), &st) != 0)
        return detail::failure(FileError::NotReadable, path, FileReason::DanglingLink);
    if (S_ISDIR(st.st_mode))
        return detail::failure(FileError::NotReadable, path, FileReason::IsFolder);
    return {};
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
    return zoneNamed(timezone, EmptyZone::System);
}

std::optional<double> readSiteNumber(const QString& text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);   // "46,253" is not 46253
    bool ok = false;
    const double v = c.toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString siteConfigPath()
{
    return QDir::cleanPath(desktopFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"))
                           + QStringLiteral("/tavik/tavik.conf"));
}

SiteConfigRead readSiteConfig(const QString& path)
{
    const FileRead<QByteArray> bytes = readFileBytes(path, kMaxSiteFileBytes);
    if (!bytes.ok()) {
        SiteConfigRead out;
        if (bytes.status.error != FileError::Missing || bytes.status.reason != FileReason::Other)
            out.status = bytes.status;
        else
            out.status = whatStandsInstead(path);
        return out;
    }
    SiteConfigRead out = parseSiteConfig(bytes.value);
    out.status = bytes.status;
    return out;
}

QString siteNumberText(double v)
{
    QString text = QString::number(v, 'f', 7);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
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
                         + QStringLiteral("\nlatitude=") + siteNumberText(site.latitude)
                         + QStringLiteral("\nlongitude=") + siteNumberText(site.longitude)
                         + QStringLiteral("\nelevation=") + siteNumberText(site.elevation)
                         + QStringLiteral("\ntimezone=") + site.timezone + u'\n';
    return text.toUtf8();
}

FileStatus writeSiteConfig(const QString& path, const ObservingSite& site)
{
    makeFolders(QFileInfo(path).path());
    const FileRead<QByteArray> old = readFileBytes(path, kMaxSiteFileBytes);
    return replaceWholeFileBytes(path, siteConfigText(site) + (old.ok() ? uiSection(old.value) : QByteArray()));
}

FileStatus writeLanguageChoice(const QString& path, LanguageChoice choice)
{
    const FileRead<QByteArray> old = readFileBytes(path, kMaxSiteFileBytes);
    if (!old.ok() && old.status.error != FileError::Missing)
        return old.status;
    makeFolders(QFileInfo(path).path());
    return replaceWholeFileBytes(path, withLanguageChoice(old.value, choice));
}

}  // namespace tavik
