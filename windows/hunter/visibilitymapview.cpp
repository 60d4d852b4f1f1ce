#include "visibilitymapview.h"

#include "accessible.h"
#include "almanacterms.h"
#include "backgroundwork.h"
#include "lists.h"
#include "mapcanvas.h"
#include "mapwindow.h"
#include "mapwords.h"
#include "ui.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPromise>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <atomic>
#include <vector>

namespace tavik {

namespace {

constexpr int kWorkerThreads = 2;
constexpr int kPictureMapWidth = 900;   // pixels of one map in a saved picture
constexpr int kMargin = 8;              // pixels
constexpr int kLeastMapWidth = 320;     // below this a map says too little

// A combo box with its label before it, the label's mnemonic leading to it.
QComboBox* labelledBox(QWidget* parent, QHBoxLayout* row, const QString& caption, const char* name,
                       const QStringList& items)
{
    auto* label = new QLabel(caption, parent);
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    access::nameAfterCaption(box, QString(caption).remove(u'&'));
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

}  // namespace

// One call's maps: prepared on the window's thread (they read the
// ephemeris), computed in the background.
struct VisibilityMapWork {
    std::vector<almanac::VisibilityMapJob> jobs;
    std::atomic_bool cancelled{false};
    QElapsedTimer timer;
};

namespace {

// One evening after the other, each map handed over when it is done, so that
// the first is shown while the next are computed.
void computeMaps(QPromise<almanac::VisibilityMap>& promise, const std::shared_ptr<VisibilityMapWork>& work)
{
    for (const almanac::VisibilityMapJob& job : work->jobs) {
        almanac::VisibilityMap map = job.run(kWorkerThreads, &work->cancelled);
        if (!map.complete || promise.isCanceled())
            return;
        promise.addResult(std::move(map));
    }
}

}  // namespace

VisibilityMapView::VisibilityMapView(MessageSink messages, QWidget* parent)
    : QWidget(parent), m_messages(std::move(messages))
{
    setObjectName(QStringLiteral("visibilityMap"));
    createControls();
}

VisibilityMapView::~VisibilityMapView()
{
    if (m_work)
        m_work->cancelled = true;
    if (m_watcher)
        m_watcher->waitForFinished();
}

void VisibilityMapView::createControls()
{
    setFont(ui::font(QStringLiteral("Arial"), 9));
    auto* controls = new QHBoxLayout;
    m_worldButton = new QPushButton(tr("Egész &világ"), this);
    m_worldButton->setObjectName(QStringLiteral("worldButton"));
    m_worldButton->setCheckable(true);
    m_worldButton->setAccessibleName(tr("Egész világ vagy Európa"));
    connect(m_worldButton, &QPushButton::toggled, this, &VisibilityMapView::showWholeWorld);
    controls->addWidget(m_worldButton);
    m_eveningsBox = labelledBox(this, controls, tr("Esték &száma:"), "eveningsBox",
                                {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_eveningsBox->setCurrentIndex(m_eveningCount - 1);
    connect(m_eveningsBox, &QComboBox::currentIndexChanged, this, [this](int i) { setEveningCount(i + 1); });
    m_criterionBox = labelledBox(this, controls, tr("&Feltétel:"), "criterionBox",
                                 {QStringLiteral("Yallop (q)"), QStringLiteral("Odeh (V)")});
    connect(m_criterionBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (m_date.isValid())
            setEvening(m_date, m_morning, m_site, i == 0 ? almanac::Criterion::Yallop : almanac::Criterion::Odeh);
    });
    m_saveButton = new QPushButton(tr("Kép me&ntése…"), this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setEnabled(false);
    connect(m_saveButton, &QPushButton::clicked, this, &VisibilityMapView::savePictureAs);
    controls->addWidget(m_saveButton);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setWordWrap(true);   // a long message takes lines, not the page's width
    controls->addWidget(m_status, 1);
    m_canvas = new MapCanvas(this);
    m_canvas->setObjectName(QStringLiteral("mapSurface"));
    m_canvas->setAccessibleName(QCoreApplication::translate("tavik::VisibilityMapSurface", "Holdsarló-láthatósági térkép"));
    m_canvas->setKeepBoxShape(true);
    m_canvas->showBox(maps::kEurope);
    // A wider or narrower page shows as many evenings as fit.
    connect(m_canvas, &MapCanvas::regionChanged, this, [this] {
        if (shownEvenings() != m_canvas->maps().size())
            showMaps();
    });
    showMaps();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_canvas, 1);
}

void VisibilityMapView::setEphemeris(const almanac::Ephemeris& eph)
{
    m_eph = eph;
}

void VisibilityMapView::setEvening(QDate date, bool morning, const almanac::Site& site, almanac::Criterion criterion)
{
    const bool same = date == m_date && morning == m_morning && site.latitude == m_site.latitude
                      && site.longitude == m_site.longitude && criterion == m_criterion;
    if (same && (m_computing || m_pending || !m_maps.isEmpty()))
        return;
    m_date = date;
    m_morning = morning;
    m_site = site;
    m_criterion = criterion;
    {
        const QSignalBlocker quiet(m_criterionBox);
        m_criterionBox->setCurrentIndex(criterion == almanac::Criterion::Yallop ? 0 : 1);
    }
    if (isVisible())
        startWork();
    else
        m_pending = true;
}

void VisibilityMapView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_pending)
        startWork();
}

void VisibilityMapView::setEveningCount(int count)
{
    count = std::clamp(count, 1, 3);
    if (count == m_eveningCount)
        return;
    m_eveningCount = count;
    {
        const QSignalBlocker quiet(m_eveningsBox);
        m_eveningsBox->setCurrentIndex(count - 1);
    }
    if (m_date.isValid())
        startWork();
}

void VisibilityMapView::setGridStep(double step)
{
    m_step = std::clamp(step, almanac::kMinMapStep, almanac::kMaxMapStep);
}

void VisibilityMapView::showWholeWorld(bool world)
{
    m_worldButton->setChecked(world);
    m_canvas->showBox(world ? maps::kWorld : maps::kEurope);
}

maps::GeoRect VisibilityMapView::region() const
{
    return m_canvas->region();
}

int VisibilityMapView::shownEvenings() const
{
    if (m_maps.isEmpty())
        return 0;
    const int fit = std::max(1, (m_canvas->width() - kMargin) / (kLeastMapWidth + kMargin));
    return std::clamp(int(m_maps.size()), 1, fit);
}

void VisibilityMapView::showMaps()
{
    const QList<almanac::VisibilityMap> shown = m_maps.first(shownEvenings());
    maps::MapSheet sheet = words::mapSheet(words::Language::installed(), shown, m_canvas->region(),
                                           shown.isEmpty() ? std::nullopt : std::optional(m_site));
    if (shown.isEmpty()) {
        sheet.legend = words::legendEntries(m_criterion, m_morning);
        sheet.title = m_computing ? tr("Számolom a térképet…") : tr("Nincs még térkép.");
    }
    m_canvas->setSheet(sheet, shown);
}

void VisibilityMapView::startWork()
{
    m_pending = false;
    if (m_work)
        m_work->cancelled = true;
    delete m_watcher;   // what it watches ends by itself
    m_watcher = nullptr;
    if (!m_eph) {
        m_status->setText(tr("A térképhez nincs efemerisz."));
        return;
    }
    auto work = std::make_shared<VisibilityMapWork>();
    try {
        for (const QDate date : almanac::mapDates(m_date, m_morning, m_eveningCount))
            work->jobs.emplace_back(*m_eph, almanac::MapRequest{date, m_morning, m_criterion, m_step, {}});
    } catch (const almanac::EphemerisError& e) {
        m_work.reset();
        m_computing = false;
        m_status->setText(tr("A térkép nem készült el: %1").arg(words::ephemerisFaultText(e)));
        return;
    }
    m_work = work;
    m_computing = true;
    m_status->setText(tr("Számolom a térképet…"));
    if (m_maps.isEmpty())
        showMaps();
    work->timer.start();
    m_watcher = new QFutureWatcher<almanac::VisibilityMap>(this);
    connect(m_watcher, &QFutureWatcherBase::resultReadyAt, this, &VisibilityMapView::takeMap);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &VisibilityMapView::workDone);
    m_watcher->setFuture(runInBackground(computeMaps, work));
}

void VisibilityMapView::takeMap(int index)
{
    if (index == 0)
        m_maps.clear();
    m_maps.append(m_watcher->resultAt(index));
    showMaps();
    m_saveButton->setEnabled(true);
    if (std::size_t(m_maps.size()) < m_work->jobs.size())
        m_status->setText(tr("Számolom a következő estét…"));
}

void VisibilityMapView::workDone()
{
    if (m_work->cancelled || std::size_t(m_maps.size()) < m_work->jobs.size())
        return;
    const qint64 elapsed = m_work->timer.elapsed();
    m_work.reset();
    m_computing = false;
    m_status->setText(tr("Kész (%1 s)").arg(words::decimalText(elapsed / 1000.0, 1)));
    Q_EMIT mapsReady();
}

QImage VisibilityMapView::picture() const
{
    return m_canvas->picture(std::max(1, shownEvenings()) * (kPictureMapWidth + kMargin) + kMargin);
}

bool VisibilityMapView::savePicture(const QString& path)
{
    return saveMapPicture(this, m_messages, picture(), path);
}

void VisibilityMapView::savePictureAs()
{
    const QString name = crescentPictureName(m_date);
    QString path = QFileDialog::getSaveFileName(this, tr("Kép mentése"), name,
                                                tr("PNG kép (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    savePicture(path);
}

}  // namespace tavik
