#include "mapcommand.h"

#include "almanacterms.h"
#include "commandline.h"
#include "filefaults.h"
#include "keptlayers.h"
#include "mapimage.h"
#include "maptable.h"
#include "mapwords.h"
#include "newmoons.h"
#include "visibilitymap.h"

#include <datafiles.h>
#include <datetimeparser.h>
#include <parallel.h>
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

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
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

// The rows of the map as they are computed, never held whole (a 0.1° world
// would take 104 MB of places): each row is coloured into the cells at once,
// and its table lines are formatted on the computing thread that made it and
// handed to the table's writer in order, a few rows ahead of it at most.
class MapStream {
public:
    MapStream(const VisibilityMap& frame, bool table)
        : m_cells(frame.columns, frame.rows, QImage::Format_RGB32), m_colours(frame.request.criterion),
          m_rows(frame.rows), m_columns(frame.columns)
    {
        if (table)
            m_table.emplace(frame);
        if (!m_cells.isNull()) {
            m_bits = m_cells.bits();
            m_lineBytes = m_cells.bytesPerLine();
        }
    }
    bool ok() const { return m_bits != nullptr; }
    const QImage& cells() const { return m_cells; }
    const std::atomic_bool* cancelled() const { return &m_cancelled; }

    // The sink of the computation, called on its threads.
    void take(int first, int count, const MapPoint* points)
    {
        bool before = false, other = false;
        for (int r = 0; r < count; ++r) {
            const MapPoint* row = points + std::size_t(r) * m_columns;
            m_colours.colourRow(row, m_columns, reinterpret_cast<QRgb*>(m_bits + qsizetype(first + r) * m_lineBytes));
            for (int c = 0; c < m_columns; ++c) {
                before = before || row[c].outcome == MapOutcome::BeforeConjunction;
                other = other || (row[c].outcome != MapOutcome::BeforeConjunction && row[c].outcome != MapOutcome::NoSunset);
            }
        }
        if (before)
            m_anyBefore.store(true, std::memory_order_relaxed);
        if (other)
            m_anyOther.store(true, std::memory_order_relaxed);
        if (!m_table)
            return;
        QByteArray text;
        m_table->appendRows(text, first, count, points);
        std::unique_lock lock(m_mutex);
        // The rows the writer waits for are never held back.
        m_room.wait(lock, [&] { return m_abandoned || first < m_written + kRowsAhead; });
        if (m_abandoned)
            return;
        m_ready.emplace(first, Rows{count, std::move(text)});
        m_arrived.notify_all();
    }

    // The table's pieces in order, for the file's writer: the header, then
    // the rows as they come; an empty piece after the last.
    QByteArrayView nextPiece()
    {
        if (!m_headerGiven) {
            m_headerGiven = true;
            return MapTableRows::header();
        }
        std::unique_lock lock(m_mutex);
        if (m_written >= m_rows)
            return {};
        m_arrived.wait(lock, [&] { return m_ready.contains(m_written) || m_finished; });
        const auto rows = m_ready.find(m_written);
        if (rows == m_ready.end())
            return {};   // called off
        m_piece = std::move(rows->second.text);
        m_written += rows->second.count;
        m_ready.erase(rows);
        m_room.notify_all();
        return m_piece;
    }

    // The computation has ended, whether or not every row came.
    void finished()
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_arrived.notify_all();
    }
    // The table is not wanted any more: the computation stops and nothing waits.
    void abandon()
    {
        m_cancelled.store(true);
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
        m_room.notify_all();
    }

    // Whether every place whose Sun sets (rises) does so before (after) the
    // conjunction: what almanac::beyondConjunctionEverywhere tells of a held map.
    bool beyondConjunctionEverywhere() const { return m_anyBefore.load() && !m_anyOther.load(); }

private:
    static constexpr int kRowsAhead = 32;
    struct Rows {
        int count = 0;
        QByteArray text;
    };
    QImage m_cells;
    uchar* m_bits = nullptr;
    qsizetype m_lineBytes = 0;
    const tavik::maps::CellColours m_colours;
    const int m_rows, m_columns;
    std::optional<MapTableRows> m_table;
    std::atomic_bool m_cancelled{false}, m_anyBefore{false}, m_anyOther{false};
    std::mutex m_mutex;
    std::condition_variable m_room, m_arrived;
    std::map<int, Rows> m_ready;   // by their first row
    int m_written = 0;             // rows handed to the writer
    bool m_finished = false, m_abandoned = false, m_headerGiven = false;
    QByteArray m_piece;
};

// The map streamed into its picture and its table, and both written or
// neither: the table goes to its temporary file as its rows come, the
// picture is drawn and written once the table is whole on the disk, and the
// table takes its name only then (when that last step fails, the picture
// gets back what it held, or goes, if it was new).
int drawAndWrite(const Ephemeris& eph, const MapJob& job, const tavik::words::Language& language)
{
    QElapsedTimer timer;
    timer.start();
    std::optional<VisibilityMapJob> work;
    try {
        work.emplace(eph, job.request);
        if (!work->nearNewMoon()) {
            errorStream() << QCoreApplication::translate(
                                 "MapCommand", "A --date napján (%1.) nincs holdsarló: a legközelebbi együttállás %2 UT. "
                                               "A térkép az együttállás előtti és utáni %3 napra készül.\n")
                                 .arg(language.date(job.request.date),
                                      formatLocalMinute(work->newMoon(), QTimeZone::utc()))
                                 .arg(int(kMaxMapAge));
            return kBadInput;
        }
    } catch (const EphemerisError& e) {
        errorStream() << tavik::words::ephemerisFaultText(e) << "\n";
        return kEphemerisFault;
    }
    VisibilityMap map = work->frame();
    MapStream stream(map, !job.tablePath.isEmpty());
    const auto noPicture = [] {
        errorStream() << QCoreApplication::translate("MapCommand", "A kép nem készíthető el (kevés a memória?)") << "\n";
        return kBadInput;
    };
    if (!stream.ok())
        return noPicture();
    qint64 computed = 0;
    const auto compute = [&] {
        map = work->run(0, stream.cancelled(), nullptr,
                        [&stream](int first, int count, const MapPoint* points) { stream.take(first, count, points); });
        computed = timer.elapsed();
        stream.finished();
    };
    QByteArray png;
    std::optional<KeptLayers> layers;
    // While the cells are computed: the sheet laid out (the fonts loaded) and its kept layer read.
    const auto prepare = [&, frame = map] {
        const maps::MapSheet sheet = tavik::words::pictureSheet(language, frame, stream.cells(), job.site);
        layers.emplace(sheet, maps::pictureLayout(sheet), job.request.criterion);
    };
    const auto drawPicture = [&] {
        png = tavik::maps::pngBytes(layers->picture(), job.pictureFormat.constData());
        return !png.isEmpty();
    };
    FileStatus status;
    if (job.tablePath.isEmpty()) {
        auto computing = besideCaller(compute);
        prepare();
        computing.join();
        if (!drawPicture())
            return noPicture();
        // As with a table: an old picture that stands but cannot be read is left alone.
        if (keepFile(job.picturePath, kMaxPictureBytes, status))
            status = replaceWholeFileBytes(job.picturePath, png);
    } else {
        auto computing = besideCaller(compute);   // the rows are computed while the table is written
        prepare();
        bool pictureFailed = false, pictureWritten = false;
        std::optional<KeptFile> old;
        status = replaceWholeFileStreamed(
            job.tablePath, [&stream] { return stream.nextPiece(); },
            [&] {
                computing.join();
                FileStatus kept;
                if (!drawPicture()) {
                    pictureFailed = true;
                    kept.error = FileError::NotWritable;   // anything but None: the table is not to be renamed
                    return kept;
                }
                old = keepFile(job.picturePath, kMaxPictureBytes, kept);
                if (!old)
                    return kept;
                const FileStatus written = replaceWholeFileBytes(job.picturePath, png);
                pictureWritten = written.ok();
                return written;
            });
        stream.abandon();
        if (computing.joinable())
            computing.join();
        if (pictureFailed)
            return noPicture();
        if (!status.ok() && pictureWritten)
            old->putBack();   // the picture was written, the table could not take its name
    }
    if (!status.ok()) {
        errorStream() << describeFileFault(status) << "\n";
        return kBadInput;
    }
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
    if (map.complete && stream.beyondConjunctionEverywhere())
        errorStream() << tavik::words::beyondConjunctionNote(language, map) << "\n";
    out.flush();
    layers->keep();   // for the next picture, once this one is written and told
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
    // The picture's text is drawn without a screen: Qt's minimal platform
    // with its fonts starts in two thirds of the offscreen one's time and
    // draws the same pixels.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
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
