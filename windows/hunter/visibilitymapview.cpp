#include "visibilitymapview.h"

#include "accessible.h"
#include "backgroundwork.h"
#include "datafiles.h"
#include "filefaults.h"
#include "lists.h"
#include "mapwindow.h"
#include "ui.h"
#include "visibilitymapsurface.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <atomic>
#include <vector>

namespace tavik {

namespace {

constexpr int kWorkerThreads = 2;
constexpr int kPictureMapWidth = 900;   // pixels of one map in a saved picture

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
// ephemeris), computed on a worker.
struct VisibilityMapWork {
    std::vector<almanac::VisibilityMapJob> jobs;
    QList<almanac::VisibilityMap> maps;   // those done, on the window's thread
    almanac::VisibilityMap next;          // the worker's
    std::atomic_bool cancelled{false};
    QElapsedTimer timer;
};

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
    stopBackgroundWork(this);
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
    connect(m_saveButton, &QPushButton::clicked, this, &VisibilityMapView::KepMentese_Click);
    controls->addWidget(m_saveButton);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setWordWrap(true);   // a long message takes lines, not the page's width
    controls->addWidget(m_status, 1);
    m_surface = new VisibilityMapSurface(this);
    m_surface->setWaiting(tr("Nincs még térkép."));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_surface, 1);
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
    m_surface->setRegion(world ? maps::kWorld : maps::kEurope);
}

maps::GeoRect VisibilityMapView::region() const
{
    return m_surface->region();
}

int VisibilityMapView::shownEvenings() const
{
    return m_maps.isEmpty() ? 0 : m_surface->fitting(m_surface->width());
}

void VisibilityMapView::startWork()
{
    m_pending = false;
    if (m_work)
        m_work->cancelled = true;
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
        m_status->setText(tr("A térkép nem készült el: %1").arg(e.message()));
        return;
    }
    m_work = work;
    m_computing = true;
    m_status->setText(tr("Számolom a térképet…"));
    m_surface->setWaiting(tr("Számolom a térképet…"));
    work->timer.start();
    computeNext(work);
}

// One evening at a time, so that the first is shown while the next are
// computed.
void VisibilityMapView::computeNext(const std::shared_ptr<VisibilityMapWork>& work)
{
    const std::size_t index = std::size_t(work->maps.size());
    runAndDeliver(this, [work, index] {
        work->next = work->jobs[index].run(kWorkerThreads, &work->cancelled);
    }, [this, work] { takeWork(work); });
}

void VisibilityMapView::takeWork(const std::shared_ptr<VisibilityMapWork>& work)
{
    if (work != m_work || work->cancelled || !work->next.complete)
        return;
    work->maps.append(std::move(work->next));
    m_maps = work->maps;
    m_surface->setMaps(m_maps, m_site);
    m_saveButton->setEnabled(true);
    if (std::size_t(work->maps.size()) < work->jobs.size()) {
        m_surface->setWaiting(tr("Számolom a következő estét…"));
        computeNext(work);
        return;
    }
    m_work.reset();
    m_computing = false;
    m_status->setText(tr("Kész (%1 s)").arg(almanac::decimalText(work->timer.elapsed() / 1000.0, 1)));
    Q_EMIT mapsReady();
}

QImage VisibilityMapView::picture() const
{
    const int n = std::max(1, shownEvenings());
    const maps::GeoRect r = region();
    const QSize size(n * (kPictureMapWidth + 8) + 8, int(kPictureMapWidth * r.height() / r.width()) + 140);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QRect area(QPoint(0, 0), size);
    m_surface->paintMaps(p, area);
    return image;
}

bool VisibilityMapView::savePicture(const QString& path)
{
    const QByteArray png = maps::pngBytes(picture());
    if (png.isEmpty()) {
        m_messages.show(this, MessageIcon::Error, tr("A térkép képe nem készíthető el."));
        return false;
    }
    const FileStatus status = replaceWholeFileBytes(path, png);
    if (!status.ok()) {
        m_messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    return true;
}

void VisibilityMapView::KepMentese_Click()
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
