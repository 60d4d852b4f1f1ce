#include "mapwindow.h"

#include "accessible.h"
#include "backgroundwork.h"
#include "crescents.h"
#include "datafiles.h"
#include "filefaults.h"
#include "mapcanvas.h"
#include "maplegend.h"
#include "mapwords.h"
#include "nextchance.h"

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
#include <cmath>
#include <utility>
#include <vector>

namespace tavik {

namespace {

constexpr int kWorkerThreads = 2;
constexpr int kRestartMs = 120;    // a pan or zoom settles before the work starts
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

// The shown region widened to whole cells, within the world.
maps::GeoRect cellRegion(const maps::GeoRect& shown, double step)
{
    return maps::GeoRect{std::max(-180.0, std::floor(shown.west / step) * step),
                         std::max(-90.0, std::floor(shown.south / step) * step),
                         std::min(180.0, std::ceil(shown.east / step) * step),
                         std::min(90.0, std::ceil(shown.north / step) * step)};
}

QString degrees(const words::Language& language, double value, bool latitude)
{
    const QString side = latitude ? (value >= 0 ? MapWindow::tr("É") : MapWindow::tr("D"))
                                  : (value >= 0 ? MapWindow::tr("K") : MapWindow::tr("Ny"));
    return language.numberLocale().toString(std::abs(value), 'f', 2) + u'°' + side;
}

QString gradeText(almanac::Criterion criterion, int grade)
{
    using namespace almanac;
    return criterion == Criterion::Yallop
               ? QString(yallopLetter(YallopClass(grade))) + QStringLiteral(": ") + yallopWords(YallopClass(grade))
               : QString(odehLetter(OdehZone(grade))) + QStringLiteral(": ") + odehWords(OdehZone(grade));
}

}  // namespace

// One view's maps: the ephemeris read on the window's thread, the places
// computed on a worker; dropped when the view changes.
struct MapWindowWork {
    std::vector<almanac::VisibilityMapJob> jobs;
    std::vector<bool> nearNewMoon;
    QList<almanac::VisibilityMap> maps;   // the worker's until it ends
    std::atomic_bool cancelled{false};
    std::atomic_int rowsDone{0};
    int rows = 0;
    bool preview = false;   // coarser cells, shown while the view's own are computed
};

MapWindow::MapWindow(MapWindowEnvironment env, QWidget* parent) : QWidget(parent), m_env(std::move(env))
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
    m_canvas->setSheet(emptySheet(), {});
    scheduleWork();
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
        m_statusBar->showMessage(e.message());
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
            m_statusBar->showMessage(e.message());
            return;
        }
    }
    const maps::GeoRect shown = m_canvas->region();
    m_step = stepFor(m_canvas->degreesPerPixel(), shown, preview);
    auto work = std::make_shared<MapWindowWork>();
    work->preview = preview && m_step != stepFor(m_canvas->degreesPerPixel(), shown, false);
    QStringList far;
    try {
        for (const QDate date : almanac::mapDates(m_env.date, m_env.morning, m_eveningCount)) {
            const almanac::MapRequest request{date, m_env.morning, m_criterion, m_step,
                                              cellRegion(shown, m_step)};
            work->jobs.emplace_back(*m_eph, request);
            work->nearNewMoon.push_back(work->jobs.back().nearNewMoon());
            if (work->nearNewMoon.back())
                work->rows += int(std::lround(request.region.height() / m_step));
            else
                far << m_env.language.captionDate(request.date);
        }
    } catch (const almanac::EphemerisError& e) {
        m_statusBar->showMessage(e.message());
        return;
    }
    m_note.clear();
    if (!far.isEmpty()) {
        m_note = (tr("%1: messze az újholdtól, nincs holdsarló (legközelebbi együttállás: %2 UT)")
                                     .arg(far.join(QStringLiteral(", ")),
                                          almanac::formatLocalMinute(work->jobs.front().newMoon(), QTimeZone::utc())));
    }
    m_work = work;
    runAndDeliver(this, [work] {
        for (std::size_t i = 0; i < work->jobs.size() && !work->cancelled; ++i) {
            almanac::VisibilityMap map;
            if (work->nearNewMoon[i])
                map = work->jobs[i].run(kWorkerThreads, &work->cancelled, &work->rowsDone);
            else
                map.request = work->jobs[i].request();
            work->maps.append(std::move(map));
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
    if (work != m_work || work->cancelled)
        return;
    m_work.reset();
    m_progress.stop();
    m_statusBar->clearMessage();
    QStringList notes;
    if (!m_note.isEmpty())
        notes << m_note;
    for (const almanac::VisibilityMap& map : work->maps)
        if (const QString note = words::beyondConjunctionNote(m_env.language, map); !note.isEmpty())
            notes << note;
    if (!notes.isEmpty())
        m_statusBar->showMessage(notes.join(QStringLiteral(" – ")));
    maps::MapSheet sheet = words::mapSheet(m_env.language, work->maps, m_canvas->region(), m_env.site);
    m_canvas->setSheet(sheet, work->maps);
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
    if (graded) {
        text += QStringLiteral(" – ") + (map.request.criterion == almanac::Criterion::Yallop ? QStringLiteral("q") : QStringLiteral("V"))
                + QStringLiteral(" = ") + numbers.toString(p.value, 'f', 3) + QStringLiteral(" – ")
                + gradeText(map.request.criterion, p.grade);
    } else {
        const QList<maps::LegendEntry> legend = words::legendEntries(map.request.criterion, map.request.morning);
        for (const maps::LegendEntry& e : legend) {
            if (e.colour == maps::pointColour(map.request.criterion, p))
                text += QStringLiteral(" – ") + e.text;
        }
    }
    if (p.outcome == MapOutcome::NoSunset)
        return text;
    auto when = [&](double seconds) {
        const double jd = map.julianDay(float(seconds));
        return tr("%1 (%2 UT)").arg(almanac::formatLocalTime(jd, m_env.zone), almanac::formatLocalTime(jd, QTimeZone::utc()));
    };
    text += QStringLiteral(" – ") + (map.request.morning ? tr("napkelte") : tr("napnyugta")) + u' ' + when(p.sunEvent);
    if (graded)
        text += QStringLiteral(", ") + tr("legjobb időpont") + u' ' + when(map.bestSeconds(p));
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
    const maps::MapSheet& sheet = m_canvas->sheet();
    if (!width)
        return maps::sheetImage(sheet, m_canvas->layoutFor(m_canvas->size()));
    return maps::sheetImage(sheet, maps::layoutSheet(sheet, QSize(*width, 0), false));
}

bool MapWindow::savePicture(const QString& path, std::optional<int> width)
{
    const QByteArray png = maps::pngBytes(picture(width));
    if (png.isEmpty()) {
        m_env.messages.show(this, MessageIcon::Error, tr("A térkép képe nem készíthető el."));
        return false;
    }
    const FileStatus status = replaceWholeFileBytes(path, png);
    if (!status.ok()) {
        m_env.messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    return true;
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
