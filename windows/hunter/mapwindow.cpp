#include "mapwindow.h"

#include "accessible.h"
#include "almanacterms.h"
#include "backgroundwork.h"
#include "crescents.h"
#include "mapcanvas.h"
#include "maplegend.h"
#include "mapwords.h"
#include "nextchance.h"
#include "wordslanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <atomic>
#include <map>
#include <tuple>
#include <cmath>
#include <utility>
#include <vector>

namespace tavik {

namespace {

constexpr int kWorkerThreads = 2;
constexpr int kRestartMs = 60;     // a drag or the wheel settles before the work starts
constexpr int kProgressMs = 100;
// The grid steps a map may have, degrees: the finest whose cells are at
// least two pixels wide, small enough not to look blocky and few enough for
// a 1600 × 1000 view to come within a fraction of a second.
constexpr double kSteps[] = {0.01, 0.02, 0.05, 0.1, 0.25, 0.5, 1.0, 2.0, 5.0};
constexpr double kPixelsPerCell = 2.0;
constexpr int kSavedWidths[] = {0, 1920, 3840};   // 0: as on the screen

// A view of more places than this is first shown coarser, five times
// quicker, while its own cells are computed.
constexpr double kPreviewPlaces = 60000;
constexpr int kPreviewCoarser = 1;   // steps of kSteps: four to six times fewer places

double stepFor(double degreesPerPixel, const maps::GeoRect& region, bool preview)
{
    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        const almanac::MapRequest r{QDate(), false, almanac::Criterion::Yallop, kSteps[i], region};
        if (kSteps[i] < kPixelsPerCell * degreesPerPixel - 1e-12 || !almanac::validMapRequest(r))
            continue;
        const bool many = region.width() * region.height() / (kSteps[i] * kSteps[i]) > kPreviewPlaces;
        return preview && many ? kSteps[std::min(i + kPreviewCoarser, std::size(kSteps) - 1)] : kSteps[i];
    }
    return almanac::kMaxMapStep;
}

// The cells are computed in tiles of the world's grid at a step, kTile cells
// a side from its north-west corner, and kept: a pan computes only the tiles
// that come into view, and a cell is the same whatever view it came with (a
// row's places start their searches from their western neighbours', so a
// cell's last digits would otherwise depend on where its row began).
constexpr int kTile = 32;
// The tiles kept, in places (16 bytes each): some 64 MB.
constexpr qint64 kKeptPlaces = 4'000'000;

struct TileRange {
    int west = 0, east = 0, north = 0, south = 0;   // tile indices, east and south past the last
    int count() const { return (east - west) * (south - north); }
};

int worldColumns(double step) { return int(std::lround(360.0 / step)); }
int worldRows(double step) { return int(std::lround(180.0 / step)); }

TileRange tilesOver(const maps::GeoRect& shown, double step)
{
    const double side = kTile * step;
    const int across = (worldColumns(step) + kTile - 1) / kTile, down = (worldRows(step) + kTile - 1) / kTile;
    TileRange t;
    t.west = std::clamp(int(std::floor((shown.west + 180.0) / side)), 0, across - 1);
    t.east = std::clamp(int(std::ceil((shown.east + 180.0) / side)), t.west + 1, across);
    t.north = std::clamp(int(std::floor((90.0 - shown.north) / side)), 0, down - 1);
    t.south = std::clamp(int(std::ceil((90.0 - shown.south) / side)), t.north + 1, down);
    return t;
}

// The region of a tile, or of the tiles from (x0, y0) to before (x1, y1).
maps::GeoRect tileRegion(double step, int x0, int y0, int x1, int y1)
{
    const int columns = worldColumns(step), rows = worldRows(step);
    // The last tile of a row or column ends at the world's edge.
    auto lon = [&](int x) { return kTile * x >= columns ? 180.0 : -180.0 + kTile * x * step; };
    auto lat = [&](int y) { return kTile * y >= rows ? -90.0 : 90.0 - kTile * y * step; };
    return maps::GeoRect{lon(x0), lat(y1), lon(x1), lat(y0)};
}

QString degrees(const words::Language& language, double value, bool latitude)
{
    return language.numberLocale().toString(std::abs(value), 'f', 2) + u'°' + words::compassLetter(latitude, value >= 0);
}

}  // namespace

// The tiles computed so far, for the evenings and criterion shown.
struct MapTileCache {
    struct Key {
        qint64 day;   // the evening's Julian day number
        double step;
        int x, y;
        bool operator<(const Key& o) const { return std::tie(day, step, x, y) < std::tie(o.day, o.step, o.x, o.y); }
    };
    struct Entry {
        std::shared_ptr<const almanac::VisibilityMap> tile;
        quint64 used = 0;
    };
    std::map<Key, Entry> tiles;
    std::map<QDate, almanac::VisibilityMapJob> days;   // what each evening read from the ephemeris
    quint64 clock = 0;
    int generation = 0;   // counts the drops: a tile of an older one is not taken

    const almanac::VisibilityMap* find(const Key& key)
    {
        const auto it = tiles.find(key);
        if (it == tiles.end())
            return nullptr;
        it->second.used = ++clock;
        return it->second.tile.get();
    }

    // The least recently used go first, down to kKeptPlaces.
    void trim()
    {
        qint64 places = 0;
        std::vector<std::pair<quint64, Key>> order;
        for (const auto& [key, entry] : tiles) {
            places += qint64(entry.tile->points.size());
            order.emplace_back(entry.used, key);
        }
        std::sort(order.begin(), order.end());
        for (const auto& [used, key] : order) {
            if (places <= kKeptPlaces)
                break;
            places -= qint64(tiles[key].tile->points.size());
            tiles.erase(key);
        }
    }
};

// The tiles that together make the maps of a view: the ephemeris read on the
// window's thread, the places computed on a worker; dropped when the view
// changes (the tiles done by then are kept).
struct MapWindowWork {
    struct Part {
        MapTileCache::Key key;
        almanac::VisibilityMapJob job;
        almanac::VisibilityMap tile;   // the worker's until it ends
    };
    std::vector<Part> parts;
    std::vector<almanac::VisibilityMapJob> days;   // one an evening
    std::vector<bool> nearNewMoon;
    std::atomic_bool cancelled{false};
    std::atomic_int rowsDone{0};
    int rows = 0;
    int generation = 0;
    double step = 0;
    TileRange range;
    bool preview = false;   // coarser cells, shown while the view's own are computed
};

namespace {

// The maps of a view, each made of its evening's tiles: all of them are in the cache.
QList<almanac::VisibilityMap> assembleMaps(MapTileCache& cache, const MapWindowWork& work)
{
    QList<almanac::VisibilityMap> maps;
    const TileRange& t = work.range;
    for (std::size_t d = 0; d < work.days.size(); ++d) {
        almanac::VisibilityMap map;
        map.request = work.days[d].request();
        map.request.step = work.step;
        map.request.region = tileRegion(work.step, t.west, t.north, t.east, t.south);
        map.newMoon = work.days[d].newMoon();
        if (!work.nearNewMoon[d]) {
            maps.append(std::move(map));
            continue;
        }
        map.complete = true;
        std::vector<const almanac::VisibilityMap*> row;
        for (int y = t.north; y < t.south; ++y) {
            row.clear();
            for (int x = t.west; x < t.east; ++x) {
                const almanac::VisibilityMap* tile = cache.find({map.request.date.toJulianDay(), work.step, x, y});
                if (!tile)
                    return {};
                row.push_back(tile);
            }
            if (y == t.north) {
                map.epoch = row.front()->epoch;
                for (const almanac::VisibilityMap* tile : row)
                    map.columns += tile->columns;
            }
            const int rows = row.front()->rows;
            const std::size_t top = map.points.size();
            map.points.resize(top + std::size_t(rows) * map.columns);
            int left = 0;
            for (const almanac::VisibilityMap* tile : row) {
                for (int r = 0; r < rows; ++r)
                    std::copy_n(&tile->at(r, 0), tile->columns, map.points.begin() + qsizetype(top) + qsizetype(r) * map.columns + left);
                left += tile->columns;
            }
            map.rows += rows;
        }
        maps.append(std::move(map));
    }
    return maps;
}

}  // namespace

MapWindow::MapWindow(MapWindowEnvironment env, QWidget* parent)
    : QWidget(parent), m_env(std::move(env)), m_tiles(std::make_unique<MapTileCache>())
{
    setObjectName(QStringLiteral("mapWindow"));
    setWindowTitle(tr("Holdsarló-térkép"));
    if (!m_env.date.isValid())
        m_env.date = QDate::currentDate();
    createControls();
    m_restart.setSingleShot(true);
    m_restart.setInterval(kRestartMs);
    connect(&m_restart, &QTimer::timeout, this, [this] { startWork(true); });
    m_progress.setInterval(kProgressMs);
    connect(&m_progress, &QTimer::timeout, this, &MapWindow::showProgress);
    m_canvas->setSheet(emptySheet(), {});
    m_canvas->showBox(maps::kHungary);
    const QSize room = screen() ? screen()->availableGeometry().size() * 0.9 : QSize(1200, 800);
    resize(QSize(1200, 800).boundedTo(room).expandedTo(minimumSizeHint()));
    m_canvas->setFocus();   // + - and the arrows move the map as soon as it opens
}

MapWindow::~MapWindow()
{
    if (m_work)
        m_work->cancelled = true;
    stopBackgroundWork(this);
}

void MapWindow::createControls()
{
    auto* controls = new QHBoxLayout;
    auto labelled = [&](const QString& caption, QWidget* w, const char* name) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(w);
        w->setObjectName(QLatin1String(name));
        access::nameAfterCaption(w, QString(caption).remove(u'&').remove(u':'));
        controls->addWidget(label);
        controls->addWidget(w);
    };
    m_viewBox = new QComboBox(this);
    m_viewBox->addItems({tr("Magyarország"), tr("Európa"), tr("Egész világ")});
    labelled(tr("&Nézet:"), m_viewBox, "viewBox");
    connect(m_viewBox, &QComboBox::activated, this, [this](int i) { setView(View(i)); });
    m_dateEdit = new QDateEdit(m_env.date, this);
    m_dateEdit->setDisplayFormat(m_env.language.captionDatePattern());
    m_dateEdit->setCalendarPopup(true);
    labelled(tr("&Dátum:"), m_dateEdit, "dateEdit");
    connect(m_dateEdit, &QDateEdit::dateChanged, this, [this](QDate d) { setEvening(d, m_env.morning); });
    m_morningBox = new QCheckBox(tr("&Hajnal"), this);
    m_morningBox->setObjectName(QStringLiteral("morningBox"));
    m_morningBox->setAccessibleName(tr("Hajnali sarló"));
    m_morningBox->setChecked(m_env.morning);
    connect(m_morningBox, &QCheckBox::toggled, this, [this](bool on) { setEvening(m_env.date, on); });
    controls->addWidget(m_morningBox);
    m_eveningsBox = new QSpinBox(this);
    m_eveningsBox->setRange(1, 3);
    labelled(tr("&Esték:"), m_eveningsBox, "eveningsBox");
    connect(m_eveningsBox, &QSpinBox::valueChanged, this, &MapWindow::setEveningCount);
    m_criterionBox = new QComboBox(this);
    m_criterionBox->addItems({tr("Yallop (q)"), tr("Odeh (V)")});
    labelled(tr("&Feltétel:"), m_criterionBox, "criterionBox");
    connect(m_criterionBox, &QComboBox::activated, this,
            [this](int i) { setCriterion(i == 0 ? almanac::Criterion::Yallop : almanac::Criterion::Odeh); });
    controls->addStretch(1);

    m_canvas = new MapCanvas(this);
    connect(m_canvas, &MapCanvas::regionChanged, this, &MapWindow::scheduleWork);
    connect(m_canvas, &MapCanvas::pointed, this, &MapWindow::showPoint);
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->setSizeGripEnabled(true);
    m_pointLabel = new QLabel(m_statusBar);
    m_pointLabel->setObjectName(QStringLiteral("pointLabel"));
    m_pointLabel->setAccessibleName(tr("A térkép az egér alatt"));
    // A long line is cut rather than widening the window.
    m_pointLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusBar->addWidget(m_pointLabel, 1);
    // Saving sits below the map, so that the controls above fit a narrow screen.
    auto* sizeLabel = new QLabel(tr("Mé&ret:"), m_statusBar);
    m_sizeBox = new QComboBox(m_statusBar);
    m_sizeBox->setObjectName(QStringLiteral("sizeBox"));
    m_sizeBox->addItems({tr("mint a képernyőn"), tr("1920 pont széles"), tr("3840 pont széles")});
    access::nameAfterCaption(m_sizeBox, tr("A mentett kép mérete"));
    sizeLabel->setBuddy(m_sizeBox);
    m_saveButton = new QPushButton(tr("&Kép mentése…"), m_statusBar);
    m_saveButton->setObjectName(QStringLiteral("savePicture"));
    connect(m_saveButton, &QPushButton::clicked, this, &MapWindow::savePictureAs);
    m_statusBar->addPermanentWidget(sizeLabel);
    m_statusBar->addPermanentWidget(m_sizeBox);
    m_statusBar->addPermanentWidget(m_saveButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(controls);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_statusBar);
    const QList<QWidget*> order{m_viewBox, m_dateEdit, m_morningBox, m_eveningsBox, m_criterionBox, m_canvas, m_sizeBox, m_saveButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

maps::MapSheet MapWindow::emptySheet() const
{
    maps::MapSheet sheet;
    sheet.site = m_env.site;
    sheet.title = tr("Holdsarló láthatósága – %1").arg(words::criterionName(m_criterion));
    for (const QDate date : almanac::mapDates(m_env.date, m_env.morning, m_eveningCount))
        sheet.captions.append(words::eveningCaption(m_env.language, date, m_env.morning));
    sheet.legend = words::legendEntries(m_criterion, m_env.morning);
    sheet.labels = words::mapLabels();
    return sheet;
}

void MapWindow::setEvening(QDate date, bool morning)
{
    if (date == m_env.date && morning == m_env.morning)
        return;
    m_env.date = date;
    m_env.morning = morning;
    const QSignalBlocker quietDate(m_dateEdit), quietMorning(m_morningBox);
    m_dateEdit->setDate(date);
    m_morningBox->setChecked(morning);
    dropCells();
    m_canvas->setSheet(emptySheet(), {});
    scheduleWork();
}

void MapWindow::setView(View view)
{
    static constexpr maps::GeoRect boxes[] = {maps::kHungary, maps::kEurope, maps::kWorld};
    const QSignalBlocker quiet(m_viewBox);
    m_viewBox->setCurrentIndex(int(view));
    m_canvas->showBox(boxes[int(view)]);
}

void MapWindow::setEveningCount(int count)
{
    count = std::clamp(count, 1, 3);
    const QSignalBlocker quiet(m_eveningsBox);
    m_eveningsBox->setValue(count);
    if (count == m_eveningCount)
        return;
    m_eveningCount = count;
    dropCells();
    m_canvas->setSheet(emptySheet(), {});
    scheduleWork();
}

void MapWindow::setCriterion(almanac::Criterion criterion)
{
    const QSignalBlocker quiet(m_criterionBox);
    m_criterionBox->setCurrentIndex(criterion == almanac::Criterion::Yallop ? 0 : 1);
    if (criterion == m_criterion)
        return;
    m_criterion = criterion;
    dropCells();
    m_canvas->setSheet(emptySheet(), {});
    scheduleWork();
}

void MapWindow::dropCells()
{
    m_tiles->tiles.clear();
    m_tiles->days.clear();
    ++m_tiles->generation;
}

// A change of view drops the work for the old one at once.
void MapWindow::scheduleWork()
{
    if (m_work)
        m_work->cancelled = true;
    m_work.reset();
    m_restart.start();
}

bool MapWindow::openEphemeris()
{
    try {
        m_eph = almanac::Ephemeris::open(m_env.ephemerisFolder);
        return true;
    } catch (const almanac::EphemerisError& e) {
        m_statusBar->showMessage(words::ephemerisFaultText(e));
        return false;
    }
}

void MapWindow::startWork(bool preview)
{
    if (!m_eph && !openEphemeris())
        return;
    if (const QDateTime after = std::exchange(m_env.chanceAfter, QDateTime()); after.isValid()) {
        try {
            // The evening the visibility window opens on: the map's date is
            // the site's in its local mean time, the day the map gives every
            // place in its own.
            const almanac::UsableChance usable =
                almanac::nextUsableChance(*m_eph, almanac::julianDayUt(after), m_env.site);
            if (usable.chance) {
                const double event = usable.chance->sighting.sunEvent + m_env.site.longitude / 360.0;
                setEvening(almanac::utcOf(event).date(), !usable.chance->evening());
            }
            m_restart.stop();
        } catch (const almanac::EphemerisError& e) {
            m_statusBar->showMessage(words::ephemerisFaultText(e));
            return;
        }
    }
    const maps::GeoRect shown = m_canvas->region();
    const double fine = stepFor(m_canvas->degreesPerPixel(), shown, false);
    auto work = std::make_shared<MapWindowWork>();
    work->generation = m_tiles->generation;
    QStringList far;
    try {
        for (const QDate date : almanac::mapDates(m_env.date, m_env.morning, m_eveningCount)) {
            auto day = m_tiles->days.find(date);
            if (day == m_tiles->days.end()) {
                const almanac::MapRequest request{date, m_env.morning, m_criterion, fine, maps::kWorld};
                day = m_tiles->days.emplace(date, almanac::VisibilityMapJob(*m_eph, request)).first;
            }
            work->days.push_back(day->second);
            work->nearNewMoon.push_back(day->second.nearNewMoon());
            if (!work->nearNewMoon.back())
                far << m_env.language.captionDate(date);
        }
    } catch (const almanac::EphemerisError& e) {
        m_statusBar->showMessage(words::ephemerisFaultText(e));
        return;
    }
    // The tiles of the view not yet computed, at a step: a view of many
    // places is first computed coarser.
    auto missing = [&](double step) {
        std::vector<MapWindowWork::Part> parts;
        const TileRange t = tilesOver(shown, step);
        for (std::size_t d = 0; d < work->days.size(); ++d) {
            if (!work->nearNewMoon[d])
                continue;
            const qint64 date = work->days[d].request().date.toJulianDay();
            for (int y = t.north; y < t.south; ++y)
                for (int x = t.west; x < t.east; ++x)
                    if (!m_tiles->find({date, step, x, y}))
                        parts.push_back({{date, step, x, y}, work->days[d].part(tileRegion(step, x, y, x + 1, y + 1), step), {}});
        }
        return parts;
    };
    const auto places = [](const std::vector<MapWindowWork::Part>& parts) {
        qint64 n = 0;
        for (const MapWindowWork::Part& p : parts)
            n += std::llround(p.job.request().region.width() / p.job.request().step)
                 * std::llround(p.job.request().region.height() / p.job.request().step);
        return n;
    };
    m_step = fine;
    work->parts = missing(fine);
    const double coarse = stepFor(m_canvas->degreesPerPixel(), shown, true);
    if (preview && coarse != fine && double(places(work->parts)) > kPreviewPlaces) {
        m_step = coarse;
        work->parts = missing(coarse);
        work->preview = true;
    }
    work->step = m_step;
    work->range = tilesOver(shown, m_step);
    m_placesComputed = places(work->parts);
    for (const MapWindowWork::Part& p : work->parts)
        work->rows += int(std::lround(p.job.request().region.height() / m_step));
    m_note.clear();
    if (!far.isEmpty()) {
        m_note = (tr("%1: messze az újholdtól, nincs holdsarló (legközelebbi együttállás: %2 UT)")
                                     .arg(far.join(QStringLiteral(", ")),
                                          almanac::formatLocalMinute(work->days.front().newMoon(), QTimeZone::utc())));
    }
    m_work = work;
    runAndDeliver(this, [work] {
        for (MapWindowWork::Part& part : work->parts) {
            if (work->cancelled)
                break;
            part.tile = part.job.run(kWorkerThreads, &work->cancelled, &work->rowsDone);
        }
    }, [this, work] { workDone(work); });
    m_progress.start();
    showProgress();
}

void MapWindow::showProgress()
{
    if (!m_work) {
        m_progress.stop();
        return;
    }
    const int percent = m_work->rows > 0 ? 100 * m_work->rowsDone / m_work->rows : 100;
    m_statusBar->showMessage(tr("Számítás: %1%, %2° rácsköz").arg(percent).arg(m_env.language.numberLocale().toString(m_step))
                             + (m_note.isEmpty() ? QString() : QStringLiteral(" – ") + m_note));
}

void MapWindow::workDone(const std::shared_ptr<MapWindowWork>& work)
{
    // The tiles done are kept, even those of a view left meanwhile.
    if (work->generation == m_tiles->generation) {
        for (MapWindowWork::Part& part : work->parts)
            if (part.tile.complete)
                m_tiles->tiles[part.key] = {std::make_shared<const almanac::VisibilityMap>(std::move(part.tile)), ++m_tiles->clock};
    }
    if (work != m_work || work->cancelled) {
        m_tiles->trim();
        return;
    }
    const QList<almanac::VisibilityMap> maps = assembleMaps(*m_tiles, *work);
    m_tiles->trim();
    m_work.reset();
    m_progress.stop();
    m_statusBar->clearMessage();
    QStringList notes;
    if (!m_note.isEmpty())
        notes << m_note;
    for (const almanac::VisibilityMap& map : maps)
        if (almanac::beyondConjunctionEverywhere(map))
            notes << words::beyondConjunctionNote(m_env.language, map);
    if (!notes.isEmpty())
        m_statusBar->showMessage(notes.join(QStringLiteral(" – ")));
    maps::MapSheet sheet = words::mapSheet(m_env.language, maps, m_canvas->region(), m_env.site);
    m_canvas->setSheet(sheet, maps);
    if (work->preview) {
        Q_EMIT previewShown();
        startWork(false);
    } else
        Q_EMIT mapsReady();
}

QString MapWindow::pointText(const QPointF& at) const
{
    const auto hit = m_canvas->geoAt(at);
    if (!hit)
        return {};
    const auto& [index, geo] = *hit;
    QString text = degrees(m_env.language, geo.y(), true) + QStringLiteral(", ") + degrees(m_env.language, geo.x(), false);
    const QList<almanac::VisibilityMap>& maps = m_canvas->maps();
    if (index >= maps.size() || maps[index].points.empty())
        return text;
    const almanac::VisibilityMap& map = maps[index];
    const almanac::MapRegion& r = map.request.region;
    const int column = int(std::floor((geo.x() - r.west) / r.width() * map.columns));
    const int row = int(std::floor((r.north - geo.y()) / r.height() * map.rows));
    if (row < 0 || row >= map.rows || column < 0 || column >= map.columns)
        return text;
    const almanac::MapPoint& p = map.at(row, column);
    using almanac::MapOutcome;
    const bool graded = p.outcome == MapOutcome::Graded || p.outcome == MapOutcome::NoMoonset;
    const QLocale numbers = m_env.language.numberLocale();
    if (graded)
        text += QStringLiteral(" – ") + (map.request.criterion == almanac::Criterion::Yallop ? QStringLiteral("q") : QStringLiteral("V"))
                + QStringLiteral(" = ") + numbers.toString(p.value, 'f', 3);
    // A graded place's class, or the reason it has none, as the legend says it.
    const maps::LegendKey key{graded ? MapOutcome::Graded : p.outcome, graded ? int(p.grade) : 0};
    text += QStringLiteral(" – ") + words::legendText(map.request.criterion, key, map.request.morning);
    if (p.outcome == MapOutcome::NoSunset)
        return text;
    auto when = [&](double seconds) {
        const double jd = map.julianDay(float(seconds));
        return tr("%1 (%2 UT)").arg(almanac::formatLocalTime(jd, m_env.zone), almanac::formatLocalTime(jd, QTimeZone::utc()));
    };
    text += QStringLiteral(" – ") + (map.request.morning ? tr("napkelte") : tr("napnyugta")) + u' ' + when(p.sunEvent);
    if (graded)
        text += QStringLiteral(", ") + tr("legjobb időpont %1").arg(when(map.bestSeconds(p)));
    if (p.outcome == MapOutcome::NoMoonset)
        text += QStringLiteral(" – ") + (map.request.morning ? tr("a Hold nem kel fel az éjjel") : tr("a Hold nem nyugszik le az éjjel"));
    return text;
}

void MapWindow::showPoint(const QPointF& at)
{
    m_statusBar->clearMessage();
    m_pointLabel->setText(pointText(at));
}

QImage MapWindow::picture(std::optional<int> width) const
{
    return m_canvas->picture(width);
}

bool MapWindow::savePicture(const QString& path, std::optional<int> width)
{
    return saveMapPicture(this, m_env.messages, picture(width), path);
}

QString crescentPictureName(const QDate& date)
{
    return MapWindow::tr("holdsarlo-%1.png", "file name offered for a saved map").arg(date.toString(Qt::ISODate));
}

void MapWindow::savePictureAs()
{
    QString path;
    if (m_env.askPicturePath) {
        path = m_env.askPicturePath(this);
    } else {
        const QString name = crescentPictureName(m_env.date);
        path = QFileDialog::getSaveFileName(this, tr("Kép mentése"), name, tr("PNG kép (*.png)"));
        if (!path.isEmpty() && !path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            path += QStringLiteral(".png");
    }
    if (path.isEmpty())
        return;
    const int width = kSavedWidths[std::clamp(m_sizeBox->currentIndex(), 0, int(std::size(kSavedWidths)) - 1)];
    savePicture(path, width == 0 ? std::nullopt : std::optional<int>(width));
}

}  // namespace tavik
