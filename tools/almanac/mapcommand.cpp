#include "mapcommand.h"

#include "commandline.h"
#include "filefaults.h"
#include "mapimage.h"
#include "mapwords.h"
#include "maptable.h"
#include "newmoons.h"
#include "visibilitymap.h"

#include <datafiles.h>
#include <datetimeparser.h>
#include <regional.h>

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImageWriter>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTimeZone>
#include <QTranslator>

#include <functional>
#include <optional>

#include <sys/stat.h>

namespace tavik::almanac {

namespace {

constexpr int kBadInput = 2;
constexpr int kEphemerisFault = 3;

struct MapJob {
    MapRequest request;
    Site site;
    QString picturePath;
    QString tablePath;
    QByteArray pictureFormat = "png";
};

std::optional<QDate> readDate(const QString& text)
{
    const std::optional<CivilDateTime> c = parseCivilDateTime(text, RegionalSettings::hungarian());
    if (!c || isTimeAlone(text, RegionalSettings::hungarian())) {
        errorStream() << QCoreApplication::translate("MapCommand", "Hibás --date dátum: \"%1\" - például 2025.05.27").arg(text)
                      << "\n";
        return std::nullopt;
    }
    const QDate date(c->year, c->month, c->day);
    // The map reads the day's sky tables and the new moon nearest its evening.
    const double epoch = julianDayUt(QDateTime(date, QTime(0, 0), QTimeZone::utc()));
    const auto [first, last] = newMoonNearReach(epoch + 0.5);
    if (!coveredByEphemeris({std::min(first, epoch - 1.5), std::max(last, epoch + 3.5)}, QStringLiteral("date"), text))
        return std::nullopt;
    return date;
}

std::optional<Criterion> readCriterion(const QString& text)
{
    if (text == QLatin1String("yallop"))
        return Criterion::Yallop;
    if (text == QLatin1String("odeh"))
        return Criterion::Odeh;
    errorStream() << QCoreApplication::translate("MapCommand", "Ismeretlen --criterion: \"%1\" (lehet: yallop, odeh)").arg(text)
                  << "\n";
    return std::nullopt;
}

std::optional<double> readStep(const QString& text)
{
    bool ok = false;
    const double step = QString(text).replace(u',', u'.').toDouble(&ok);
    if (!ok || !validMapStep(step)) {
        errorStream() << QCoreApplication::translate("MapCommand", "Hibás --step rácsköz: \"%1\" (0,1 és 5 fok között kell lennie)")
                             .arg(text)
                      << "\n";
        return std::nullopt;
    }
    return step;
}

// The file a path writes to: links followed, the folder made canonical.
QString writtenFile(const QString& path)
{
    QFileInfo info(path);
    for (int hop = 0; hop < 40 && info.isSymLink(); ++hop)
        info = QFileInfo(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return writtenFile(a) == writtenFile(b);
}

// The picture's format from its name: what Qt writes under that extension,
// PNG where there is none.
std::optional<QByteArray> pictureFormat(const QString& path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix.isEmpty())
        return QByteArray("png");
    if (QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    QStringList known;
    for (const QByteArray& f : QImageWriter::supportedImageFormats())
        known << QString::fromLatin1(f);
    errorStream() << QCoreApplication::translate("MapCommand", "A --out kép kiterjesztése (\"%1\") nem ismert képformátum; lehet: %2\n")
                         .arg(QFileInfo(path).suffix(), known.join(QStringLiteral(", ")));
    return std::nullopt;
}

std::optional<MapJob> readJob(const QCommandLineParser& p)
{
    if (!p.isSet(QStringLiteral("date"))) {
        errorStream() << QCoreApplication::translate("MapCommand", "Hiányzik a --date dátum, például --date 2025.05.27") << "\n";
        return std::nullopt;
    }
    const auto date = readDate(p.value(QStringLiteral("date")));
    const auto criterion = readCriterion(p.value(QStringLiteral("criterion")));
    const auto step = readStep(p.value(QStringLiteral("step")));
    const auto site = siteOption(p, configuredSite(p));   // the site marked on the map
    if (!date || !criterion || !step || !site)
        return std::nullopt;
    MapJob job{MapRequest{*date, p.isSet(QStringLiteral("morning")), *criterion, *step, {}}, *site,
               p.value(QStringLiteral("out")), p.value(QStringLiteral("table"))};
    if (job.picturePath.isEmpty())
        job.picturePath = QStringLiteral("holdsarlo-%1.png").arg(date->toString(Qt::ISODate));
    if (!job.tablePath.isEmpty() && sameFile(job.picturePath, job.tablePath)) {
        errorStream() << QCoreApplication::translate("MapCommand", "A --out kép és a --table táblázat ugyanaz a fájl: \"%1\" - a táblázat felülírná a képet.\n")
                             .arg(job.tablePath);
        return std::nullopt;
    }
    const std::optional<QByteArray> format = pictureFormat(job.picturePath);
    if (!format)
        return std::nullopt;
    job.pictureFormat = *format;
    return job;
}

// Writes both files or neither: when the second cannot be written, the
// first gets back what it held (or goes, if it was new).
// The second comes piece by piece: a fine map's table is not held whole.
bool writeBoth(const QString& firstPath, const QByteArray& first, const QString& secondPath,
               const std::function<QByteArrayView()>& second)
{
    FileStatus status;
    const std::optional<KeptFile> old = keepFile(firstPath, kMaxPictureBytes, status);
    if (old)
        status = replaceWholeFileBytes(firstPath, first);
    if (status.ok() && !secondPath.isEmpty()) {
        status = replaceWholeFileStreamed(secondPath, second);
        if (!status.ok())
            old->putBack();
    }
    if (!status.ok())
        errorStream() << describeFileFault(status) << "\n";
    return status.ok();
}

QCommandLineParser& describe(QCommandLineParser& p)
{
    p.setApplicationDescription(QCoreApplication::translate("MapCommand", "Világtérkép: hol látható a holdsarló a megadott nap estéjén (--morning: hajnalán).\n"
        "Minden rácspontra napnyugta, holdnyugta, késés, legjobb időpont (napnyugta + 4/9 késés),\n"
        "és Yallop q vagy Odeh V értéke és osztálya a legjobb időpontban. A térképen jelölt hely:\n"
        "--lat és --lon, enélkül a beállított megfigyelőhely, vagy Budapest.\n"
        "A kép formátuma a --out kiterjesztéséből adódik (png, jpg, bmp...). Az újholdtól 5 napnál\n"
        "messzebb eső nap térképe nem készül.\n"
        "Kilépési kód: 0 kész, 2 hibás bemenet (dátum, rácsköz, feltétel, hely, a --out és a --table\n"
        "ugyanaz a fájl) vagy nem írható fájl - ilyenkor egyik fájl sem íródik -, 3 az efemerisz hibája."));
    addHelpOptions(p, false);
    p.addOptions({
        {QStringLiteral("date"), QCoreApplication::translate("MapCommand", "A nap, például 2025.05.27."), QCoreApplication::translate("MapCommand", "dátum")},
        {QStringLiteral("morning"), QCoreApplication::translate("MapCommand", "A hajnali (óhold) sarló térképe az esti helyett.")},
        {QStringLiteral("criterion"), QCoreApplication::translate("MapCommand", "yallop (alapértelmezés) vagy odeh."), QCoreApplication::translate("MapCommand", "feltétel"),
         QStringLiteral("yallop")},
        {QStringLiteral("step"), QCoreApplication::translate("MapCommand", "Rácsköz fokban, 0,1-5 (alapértelmezés: 0,5)."), QCoreApplication::translate("MapCommand", "fok"),
         QStringLiteral("0.5")},
        {QStringLiteral("out"), QCoreApplication::translate("MapCommand", "A kép (alapértelmezés: holdsarlo-ÉÉÉÉ-HH-NN.png)."),
         QCoreApplication::translate("MapCommand", "fájl")},
        {QStringLiteral("table"), QCoreApplication::translate("MapCommand", "Táblázat is, tabulátorral tagolt sorokkal."), QCoreApplication::translate("MapCommand", "fájl")},
    });
    for (QCommandLineOption o : placeOptions()) {
        // The map has no local times, but the site's reading asks for a zone.
        if (o.names().contains(QStringLiteral("tz")))
            o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
    return p;
}

// The map, its picture and its table, made in memory and then written.
int drawAndWrite(const Ephemeris& eph, const MapJob& job, const tavik::words::Language& language)
{
    QElapsedTimer timer;
    timer.start();
    VisibilityMap map;
    try {
        const VisibilityMapJob work(eph, job.request);
        if (!work.nearNewMoon()) {
            errorStream() << QCoreApplication::translate(
                                 "MapCommand", "A --date napján (%1.) nincs holdsarló: a legközelebbi együttállás %2 UT. "
                                               "A térkép az együttállás előtti és utáni %3 napra készül.\n")
                                 .arg(tavik::words::Language::date(job.request.date),
                                      formatLocalMinute(work.newMoon(), QTimeZone::utc()))
                                 .arg(int(kMaxMapAge));
            return kBadInput;
        }
        map = work.run();
    } catch (const EphemerisError& e) {
        errorStream() << e.message() << "\n";
        return kEphemerisFault;
    }
    const qint64 computed = timer.elapsed();
    const QByteArray png = tavik::maps::pngBytes(tavik::words::mapPicture(language, map, job.site), job.pictureFormat.constData());
    MapTableRows table(map);
    if (png.isEmpty()) {
        errorStream() << QCoreApplication::translate("MapCommand", "A kép nem készíthető el (kevés a memória?)") << "\n";
        return kBadInput;
    }
    if (!writeBoth(job.picturePath, png, job.tablePath, [&table] { return table.next(); }))
        return kBadInput;
    QTextStream out(stdout);
    out << tavik::words::mapTitle(language, map) << "\n"
        << QCoreApplication::translate("MapCommand", "%1 x %2 pont, számítás %3 ms, összesen %4 ms")
               .arg(map.columns)
               .arg(map.rows)
               .arg(computed)
               .arg(timer.elapsed())
        << "\n" << job.picturePath << "\n";
    if (!job.tablePath.isEmpty())
        out << job.tablePath << "\n";
    if (const QString note = tavik::words::beyondConjunctionNote(language, map); !note.isEmpty())
        errorStream() << note << "\n";
    return 0;
}

}  // namespace

namespace {

QtMessageHandler g_qtMessages = nullptr;

// Qt's note that it makes its own runtime folder says nothing to the user.
void quietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (g_qtMessages)
        g_qtMessages(type, context, text);
}

}  // namespace

int runMapCommand(int argc, char* argv[])
{
    g_qtMessages = qInstallMessageHandler(quietRuntimeFolder);
    // The picture's text is drawn without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTranslator qtMessages;
    prepareApplication(qtMessages);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeAt(1);
    QCommandLineParser p;
    describe(p).process(arguments);
    if (p.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << commandHelp(p, QStringLiteral("map"));
        return 0;
    }

    const std::optional<MapJob> job = readJob(p);
    if (!job)
        return kBadInput;
    const std::optional<Ephemeris> eph = ephemerisOption(p);
    if (!eph)
        return kEphemerisFault;
    return drawAndWrite(*eph, *job, tavik::words::Language::installed());
}

}  // namespace tavik::almanac
