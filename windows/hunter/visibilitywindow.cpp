#include "visibilitywindow.h"

#include "almanacterms.h"
#include "altitudechart.h"
#include "datafiles.h"
#include "datetimeparser.h"
#include "filefaults.h"
#include "listcomputation.h"
#include "localzone.h"
#include "sightingwords.h"
#include "skyview.h"
#include "ui.h"
#include "visibilityfigures.h"
#include "visibilitymapview.h"
#include "wordslanguage.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tavik {

using namespace almanac;

namespace {

// A date typed without a time: every time the parser reads has a colon.
bool dateAlone(const QString& text)
{
    return !text.contains(u':');
}

QLabel* valueLabel(QWidget* parent, const QString& name, const QString& accessibleName)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFocusPolicy(Qt::TabFocus);
    l->setAccessibleName(accessibleName);
    return l;
}

}  // namespace

std::optional<QDateTime> readObservationTime(const QString& text, const RegionalSettings& regional,
                                             const QTimeZone& zone)
{
    const std::optional<CivilDateTime> c = parseCivilDateTime(text, regional);
    if (!c)
        return std::nullopt;
    if (isTimeAlone(text, regional))
        return std::nullopt;
    return clockTimeIn(*c, zone);
}

VisibilityWindow::VisibilityWindow(VisibilityEnvironment env, QWidget* parent)
    : QWidget(parent)
    , m_env(std::move(env))
{
    if (!m_env.clock)
        m_env.clock = [] { return QDateTime::currentDateTime(); };
    setObjectName(QStringLiteral("VisibilityWindow"));
    setWindowTitle(tr("Holdsarló láthatósága"));
    setFont(ui::font(QStringLiteral("Arial"), 9));
    auto* layout = new QVBoxLayout(this);
    createTimeRow();
    createFigures();
    createPictures();
    createHunt();
    createButtons();

    // A time in the main window's box is taken as it is; without one the
    // window opens on the coming evening (morning).
    const std::optional<QDateTime> typed =
        readObservationTime(m_env.observationText, m_env.regional, m_env.site.zone());
    m_siteName->setText(m_env.site.name);
    if (typed) {
        m_timeBox->setText(dateAlone(m_env.observationText) ? words::Language::date(typed->date())
                                                            : words::Language::dateTime(*typed));
        if (openEphemeris())
            recompute();
    } else {
        m_timeBox->setText(words::Language::dateTime(m_env.clock().toTimeZone(m_env.site.zone())));
        if (openEphemeris())
            showNow();
    }
    placeFigures();
    // Its size before it is first shown is what it is placed by: the whole
    // window, as far as the screen has room for it.
    layout->activate();
    resize(sizeHint().boundedTo(screenRoom()).expandedTo(minimumSize()));
}

QSize VisibilityWindow::screenRoom() const
{
    return QGuiApplication::primaryScreen()->availableGeometry().size() * 0.95;
}

// The report beside the pictures where the screen is wide enough for both,
// else on a page of its own before them, so that the window never needs a
// sideways scroll bar. Placed with its first figures in, below the time
// row and the line of the evening.
void VisibilityWindow::placeFigures()
{
    constexpr int kBelowTimeRow = 2;
    auto* column = static_cast<QVBoxLayout*>(layout());
    const int margins = 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + 16;
    // The map page scrolls, so the tabs alone would ask for less than its controls need.
    const int pictures = std::max(m_tabs->minimumSizeHint().width(), m_map->minimumSizeHint().width() + margins);
    const int sideBySide = m_figures->sizeHint().width() + pictures + margins;
    if (sideBySide > screenRoom().width()) {
        static_cast<QGroupBox*>(m_figures)->setTitle(QString());   // the tab says it
        m_tabs->insertTab(0, m_figures, tr("&Jelentés"));
        m_tabs->setCurrentIndex(0);
        column->insertWidget(kBelowTimeRow, m_tabs, 1);
        return;
    }
    auto* middle = new QHBoxLayout;
    column->insertLayout(kBelowTimeRow, middle, 1);
    middle->addWidget(m_figures, 0);
    middle->addWidget(m_tabs, 1);
}

VisibilityWindow::~VisibilityWindow() = default;

void VisibilityWindow::createTimeRow()
{
    auto* row = new QHBoxLayout;
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    auto* label = new QLabel(tr("&Időpont:"), this);
    m_timeBox = new QLineEdit(this);
    m_timeBox->setObjectName(QStringLiteral("timeBox"));
    m_timeBox->setAccessibleName(tr("Időpont (helyi idő)"));
    m_timeBox->setMaxLength(40);
    label->setBuddy(m_timeBox);
    connect(m_timeBox, &QLineEdit::returnPressed, this, &VisibilityWindow::recompute);
    auto* now = new QPushButton(tr("M&ost"), this);
    now->setObjectName(QStringLiteral("now"));
    connect(now, &QPushButton::clicked, this, &VisibilityWindow::showNow);
    QPushButton* next = addButton("nextChance", tr("&Következő esély"));
    next->setToolTip(tr("A következő este vagy hajnal, amikor a sarló Yallop szerint legalább C osztályú"));
    connect(next, &QPushButton::clicked, this, &VisibilityWindow::showNextChance);
    connect(m_timeBox, &QLineEdit::textEdited, this, &VisibilityWindow::timeBoxEdited);
    m_siteName = valueLabel(this, QStringLiteral("siteName"), tr("Megfigyelőhely neve"));
    m_siteName->setFont(ui::font(QStringLiteral("Arial"), 10, true));
    m_siteButton = new QPushButton(tr("Megfigyelő&hely…"), this);
    m_siteButton->setObjectName(QStringLiteral("siteButton"));
    m_siteButton->setEnabled(bool(m_env.openSiteWindow));
    connect(m_siteButton, &QPushButton::clicked, this, [this] {
        if (m_env.openSiteWindow)
            m_env.openSiteWindow();
    });
    row->addWidget(label);
    row->addWidget(m_timeBox, 1);
    row->addWidget(now);
    row->addWidget(next);
    row->addSpacing(20);
    row->addWidget(new QLabel(tr("Hely:"), this));
    row->addWidget(m_siteName);
    row->addWidget(m_siteButton);
    m_chance = valueLabel(this, QStringLiteral("chance"), tr("Melyik este"));
    m_chance->setWordWrap(true);
    layout()->addWidget(m_chance);
}

void VisibilityWindow::createFigures()
{
    auto* box = new QGroupBox(tr("Jelentés"), this);
    box->setObjectName(QStringLiteral("figures"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("<b>az időpontban</b>"), box), 0, 1);
    grid->addWidget(new QLabel(tr("<b>a legjobb időpontban</b>"), box), 0, 2);
    // The rows of an evening report; a morning one renames some of them.
    const QList<Figure> rows = reportFigures(SightingReport{}, QTimeZone::utc());
    for (int i = 0; i < rows.size(); ++i) {
        const Figure& f = rows[i];
        auto* name = new QLabel(f.label + u':', box);
        name->setObjectName(f.key + QStringLiteral(".label"));
        m_labels.insert(f.key, name);
        QLabel* now = valueLabel(box, f.key, f.label);
        QLabel* best = valueLabel(box, f.key + QStringLiteral(".best"), tr("%1 a legjobb időpontban").arg(f.label));
        name->setBuddy(now);
        if (f.key == QStringLiteral("records"))   // the report's columns, as the command prints them
            now->setFont(ui::font(QStringLiteral("Courier New"), 8.5));
        m_values.insert(f.key, now);
        m_values.insert(f.key + QStringLiteral(".best"), best);
        grid->addWidget(name, i + 1, 0);
        if (f.key == QStringLiteral("records")) {
            grid->addWidget(now, i + 1, 1, 1, 2);
            best->hide();
        } else {
            grid->addWidget(now, i + 1, 1);
            grid->addWidget(best, i + 1, 2);
        }
    }
    grid->setRowStretch(rows.size() + 1, 1);
    m_figures = box;
}

void VisibilityWindow::createPictures()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pictures"));
    auto* skyPage = new QWidget(m_tabs);
    auto* column = new QVBoxLayout(skyPage);
    m_sky = new SkyView(skyPage);
    m_chart = new AltitudeChart(skyPage);
    column->addWidget(m_sky, 3);
    column->addWidget(m_chart, 2);
    m_tabs->addTab(skyPage, tr("&Égbolt"));
    // The visibility map of the evening, computed when its page is shown. Its
    // evenings side by side may want more room than the window has: the page
    // scrolls then, rather than widening the window past the screen.
    auto* mapScroll = new QScrollArea(m_tabs);
    mapScroll->setObjectName(QStringLiteral("mapScroll"));
    mapScroll->setWidgetResizable(true);
    mapScroll->setFrameShape(QFrame::NoFrame);
    mapScroll->setAccessibleName(tr("Térkép"));
    auto* mapPage = new QWidget(mapScroll);
    mapPage->setObjectName(QStringLiteral("mapPage"));
    auto* mapLayout = new QVBoxLayout(mapPage);
    mapLayout->setContentsMargins(0, 0, 0, 0);
    m_map = new VisibilityMapView(m_env.messages, mapPage);
    mapLayout->addWidget(m_map);
    mapScroll->setWidget(mapPage);
    m_tabs->addTab(mapScroll, tr("&Térkép"));
}

void VisibilityWindow::createHunt()
{
    auto* box = new QGroupBox(tr("A holdsarló-vadászat terve"), this);
    auto* column = new QVBoxLayout(box);
    m_hunt = new QTableWidget(3, 6, box);
    m_hunt->setObjectName(QStringLiteral("hunt"));
    m_hunt->setAccessibleName(tr("A holdsarló-vadászat terve"));
    m_hunt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_hunt->verticalHeader()->hide();
    m_hunt->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_hunt->horizontalHeader()->setStretchLastSection(true);
    m_hunt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A narrow window cuts the last column short; its items show it whole.
    m_hunt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hunt->setFixedHeight(m_hunt->horizontalHeader()->sizeHint().height()
                           + 3 * m_hunt->verticalHeader()->defaultSectionSize() + 2 * m_hunt->frameWidth() + 2);
    column->addWidget(m_hunt);
    layout()->addWidget(box);
}

QPushButton* VisibilityWindow::addButton(const char* name, const QString& text)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    return b;
}

void VisibilityWindow::createButtons()
{
    m_status = valueLabel(this, QStringLiteral("status"), tr("Állapot"));
    m_status->setWordWrap(true);
    layout()->addWidget(m_status);
    auto* row = new QHBoxLayout;
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    QPushButton* copy = addButton("copy", tr("&Másolás"));
    QPushButton* save = addButton("savePicture", tr("Kép m&entése…"));
    QPushButton* lists = addButton("lists", tr("&Listák számítása erre a helyre…"));
    QPushButton* map = addButton("map", tr("Té&rkép…"));
    map->setAccessibleName(tr("Holdsarló-térkép ablak erre az estére"));
    connect(map, &QPushButton::clicked, this, &VisibilityWindow::openMap);
    QPushButton* record = addButton("record", tr("Észlelés rö&gzítése…"));
    QPushButton* close = addButton("close", tr("&Bezárás"));
    connect(record, &QPushButton::clicked, this, &VisibilityWindow::recordReport);
    connect(copy, &QPushButton::clicked, this, &VisibilityWindow::copyReport);
    connect(save, &QPushButton::clicked, this, &VisibilityWindow::savePictureAs);
    connect(lists, &QPushButton::clicked, this, &VisibilityWindow::openLists);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(copy);
    row->addWidget(save);
    row->addWidget(lists);
    row->addWidget(record);
    row->addWidget(map);
    row->addStretch(1);
    row->addWidget(close);
}

bool VisibilityWindow::openEphemeris()
{
    try {
        m_eph = Ephemeris::open(m_env.ephemerisFolder);
        return true;
    } catch (const EphemerisError& e) {
        const QString why = words::ephemerisFaultText(e);
        m_status->setText(why);
        m_env.messages.show(this, MessageIcon::Error, why);
        return false;
    }
}

void VisibilityWindow::setSite(const ObservingSite& site)
{
    m_env.site = site;
    m_siteName->setText(site.name);
    if (!m_lists || !m_lists->running())
        recompute();
}

bool VisibilityWindow::recompute()
{
    if (m_lists && m_lists->running())
        return false;
    const QString text = m_timeBox->text();
    const std::optional<QDateTime> at = readObservationTime(text, m_env.regional, m_env.site.zone());
    if (!at) {
        m_failure = tr("az időpont mezőben álló „%1” nem olvasható időpont").arg(text);
        if (m_report)
            m_status->setText(tr("Hibás időpont; a látható jelentés a(z) %1 időpontra szól.").arg(m_reportText));
        m_env.messages.show(this, MessageIcon::Warning,
                            tr("Hibás időpont: \"%1\"\nDátum és idő kell, például 2025.05.27 21:05.")
                                .arg(text));
        return false;
    }
    if (!dateAlone(text)) {
        computeAt(*at);
        m_chance->clear();
        return m_report.has_value();
    }
    if (!m_eph && !openEphemeris())
        return false;
    try {
        const double best = dateMoment(*m_eph, at->date(), m_env.site.position(), m_env.site.zone());
        showMoment(best, tr("A nap legjobb időpontja"));
    } catch (const EphemerisError& e) {
        failed(words::ephemerisFaultText(e));
    }
    return m_report.has_value();
}

// The coming chance a hunter can use, class C or better, as "sighting --next"
// finds it; the nearer evenings (mornings) passed over are named with their
// classes. Without one within the search, the nearest crescent at all.
void VisibilityWindow::showNow()
{
    const QDateTime now = m_env.clock().toTimeZone(m_env.site.zone());
    if ((m_lists && m_lists->running()) || (!m_eph && !openEphemeris())) {
        if (!m_eph)
            m_timeBox->setText(words::Language::dateTime(now));
        return;
    }
    UsableChance usable;
    try {
        usable = nextUsableChance(*m_eph, julianDayUt(now), m_env.site.position());
    } catch (const EphemerisError& e) {
        failed(words::ephemerisFaultText(e));
        return;
    }
    if (!usable.chance) {
        showChanceAfter(julianDayUt(now), std::nullopt, tr("A legközelebbi esély"));
        return;
    }
    showMoment(usable.chance->time(), tr("A legközelebbi esély"));
    if (!m_report || usable.passedOver.isEmpty())
        return;
    QStringList passed;
    for (const Chance& c : usable.passedOver) {
        const QString date = words::Language::date(localMinute(c.sighting.sunEvent, m_env.site.zone()).date());
        passed << (c.evening() ? tr("%1 este: %2, %3") : tr("%1 hajnal: %2, %3"))
                      .arg(date, QString(yallopLetter(c.visibility())), words::yallopWords(c.visibility()));
    }
    m_chance->setText(m_chance->text() + u'\n' + tr("Előtte kihagyva: %1").arg(passed.join(QStringLiteral("; "))));
}

void VisibilityWindow::showNextChance()
{
    const std::optional<QDateTime> box = readObservationTime(m_timeBox->text(), m_env.regional, m_env.site.zone());
    double from = m_report && m_timeBox->text() == m_reportText ? m_report->at
                  : box                                          ? julianDayUt(*box)
                                                                 : julianDayUt(m_env.clock());
    // A best time shown in the box is rounded to its minute: past the time
    // itself, by more than a search started elsewhere may find it off.
    constexpr double kHalfMinute = 0.5 / 1440.0;   // days
    if (m_report && m_report->crescent && std::abs(m_report->crescent->best - from) <= kHalfMinute)
        from = std::max(from, m_report->crescent->best + kHalfMinute);
    showChanceAfter(from, YallopClass::C, tr("A következő, legalább C osztályú esély"));
}

bool VisibilityWindow::showChanceAfter(double jd, std::optional<YallopClass> worst, const QString& heading)
{
    if ((m_lists && m_lists->running()) || (!m_eph && !openEphemeris()))
        return false;
    try {
        const std::optional<Chance> chance = nextChance(*m_eph, jd, m_env.site.position(), worst);
        if (!chance) {
            if (!worst) {   // no crescent within the search (polar summer): this moment's report
                showMoment(jd, QString());
                m_chance->clear();
            }
            m_status->setText(worst ? tr("Nincs A, B vagy C osztályú este vagy hajnal 60 napon belül ezen a helyen.")
                                    : tr("Nincs holdsarló-este vagy -hajnal 60 napon belül ezen a helyen."));
            return false;
        }
        showMoment(chance->time(), heading);
        return true;
    } catch (const EphemerisError& e) {
        failed(words::ephemerisFaultText(e));
        return false;
    }
}

// The report of the minute the box shows, so that the two always agree.
void VisibilityWindow::showMoment(double jd, const QString& heading)
{
    const QDateTime wall = localMinute(jd, m_env.site.zone());
    m_timeBox->setText(words::Language::dateTime(wall));
    computeAt(QDateTime(wall.date(), wall.time(), m_env.site.zone()));
    describeEvening(heading);
}

// "A legközelebbi esély: 2026.12.07 este, ma – Yallop C (távcső segíthet)"
void VisibilityWindow::describeEvening(const QString& heading)
{
    if (!m_report) {
        m_chance->clear();
        return;
    }
    const QTimeZone& zone = m_env.site.zone();
    const QDate day = localMinute(m_report->sunEvent.value_or(m_report->at), zone).date();
    const qint64 days = m_env.clock().toTimeZone(zone).date().daysTo(day);
    const QString when = days == 0   ? tr("ma")
                         : days == 1 ? tr("holnap")
                         : days > 1  ? tr("%1 nap múlva").arg(days)
                                     : tr("%n napja", nullptr, int(-days));
    QString seen = tr("a sarló nem látható");
    if (m_report->best && m_report->crescent) {
        const YallopClass c = yallopClass(m_report->best->q);
        seen = tr("Yallop %1 (%2)").arg(yallopLetter(c)).arg(words::yallopWords(c));
    }
    m_chance->setText(tr("%1: %2 %3, %4 – %5")
                          .arg(heading, words::Language::date(day),
                               m_report->evening ? tr("este") : tr("hajnalban"), when, seen));
}

void VisibilityWindow::computeAt(const QDateTime& when)
{
    if (!m_eph && !openEphemeris())
        return;
    try {
        m_report = sightingAt(*m_eph, julianDayUt(when), m_env.site.position());
        m_reportText = m_timeBox->text();
        m_failure.clear();
        showReport();
        m_status->clear();
    } catch (const EphemerisError& e) {
        failed(words::ephemerisFaultText(e));
    }
}

void VisibilityWindow::failed(const QString& message)
{
    m_report.reset();
    m_reportText.clear();
    m_failure = message;
    m_chance->clear();
    m_status->setText(message);
    m_env.messages.show(this, MessageIcon::Error, message);
}

void VisibilityWindow::timeBoxEdited(const QString& text)
{
    if (m_report && text != m_reportText)
        m_status->setText(tr("A jelentés a(z) %1 időpontra szól; az új időponthoz nyomja meg az Entert.")
                              .arg(m_reportText));
    else if (m_report)
        m_status->clear();
}

void VisibilityWindow::showReport()
{
    showFigures();
    const SkyScene scene = skyScene(*m_eph, *m_report);
    const QString caption = (scene.atBest ? tr("A legjobb időpontban, %1") : tr("Az időpontban, %1"))
                                .arg(formatLocalMinute(scene.jd, m_env.site.zone()));
    m_sky->setScene(scene, caption);
    const std::optional<double> best =
        m_report->best && m_report->crescent ? std::optional(m_report->crescent->best) : std::nullopt;
    m_chart->setSeries(altitudeSeries(*m_eph, *m_report), best, m_env.site.zone());
    showHunt();
    showMap();
}

// The map's date is the report's evening (morning) in the site's local mean
// time, the day the map gives every place in its own; the next evenings (the
// mornings before it) come after it.
void VisibilityWindow::showMap()
{
    const double event = m_report->sunEvent.value_or(m_report->at);
    m_mapDate = utcOf(event + m_env.site.longitude / 360.0).date();
    m_map->setEphemeris(*m_eph);
    m_map->setEvening(m_mapDate, !m_report->evening, m_env.site.position(), m_map->criterion());
}

void VisibilityWindow::openMap()
{
    if (!m_report) {
        Q_EMIT mapWindowRequested(QDate(), false);
        return;
    }
    Q_EMIT mapWindowRequested(m_mapDate, !m_report->evening);
}

void VisibilityWindow::showFigures()
{
    for (const Figure& f : reportFigures(*m_report, m_env.site.zone())) {
        m_labels.value(f.key)->setText(f.label + u':');
        m_values.value(f.key)->setText(f.now);
        m_values.value(f.key)->setAccessibleName(f.label);
        m_values.value(f.key + QStringLiteral(".best"))->setText(f.best);
    }
}

void VisibilityWindow::showHunt()
{
    const QList<HuntEvening> hunt = crescentHunt(*m_eph, *m_report, m_env.site.zone());
    m_hunt->setHorizontalHeaderLabels(huntHeadings(m_report->evening));
    const QList<QStringList> rows = huntRows(hunt, m_env.site.zone());
    m_hunt->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setToolTip(rows[r][c]);
            m_hunt->setItem(r, c, item);
        }
    }
}

QString VisibilityWindow::reportText() const
{
    return m_report ? words::sightingText(*m_report, m_env.site.zone()) : QString();
}

void VisibilityWindow::copyReport()
{
    if (m_report && m_timeBox->text() == m_reportText) {
        QGuiApplication::clipboard()->setText(reportText());
        return;
    }
    const QString why = m_failure.isEmpty()
                            ? tr("az időpont mezőben álló „%1” időponthoz még nincs jelentés (Enter számolja ki)")
                                  .arg(m_timeBox->text())
                            : m_failure;
    m_env.messages.show(this, MessageIcon::Warning,
                        m_report ? tr("Nincs új jelentés a másoláshoz: %1.\nA látható jelentés a(z) %2 időpontra "
                                      "szól; a vágólap nem változott.")
                                       .arg(why, m_reportText)
                                 : tr("Nincs jelentés a másoláshoz: %1.").arg(why));
}

QImage VisibilityWindow::picture() const
{
    const QSize sky(640, 380);
    const QSize chart(640, 260);
    QImage image(sky.width(), sky.height() + chart.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    m_sky->render(p, QRect(QPoint(0, 0), sky));
    m_chart->render(p, QRect(QPoint(0, sky.height()), chart));
    return image;
}

bool VisibilityWindow::savePicture(const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture().save(&buffer, "PNG");
    const FileStatus status = replaceWholeFileBytes(path, bytes);
    if (!status.ok()) {
        m_env.messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    m_status->setText(tr("A kép elmentve: %1").arg(path));
    return true;
}

void VisibilityWindow::savePictureAs()
{
    const QString path = m_env.askPicturePath
                             ? m_env.askPicturePath(this)
                             : QFileDialog::getSaveFileName(this, tr("Kép mentése"),
                                                            QStringLiteral("holdsarlo.png"),
                                                            tr("PNG kép (*.png)"));
    if (!path.isEmpty())
        savePicture(path);
}

void VisibilityWindow::openLists()
{
    if ((m_lists && m_lists->running()) || (!m_eph && !openEphemeris()))
        return;
    ListSettings s;
    s.site = m_env.site.position();
    s.siteName = m_env.site.name;
    s.zone = m_env.site.zone();
    const DataFolders& data = m_env.data;
    m_lists = std::make_unique<ListComputation>(
        *m_eph, listJobItems([&data](const QString& name) { return data.writePath(name); }, s));
    connect(m_lists.get(), &ListComputation::finished, this, &VisibilityWindow::listsFinished);
    m_lists->showProgress(this);
    m_lists->start();
}

void VisibilityWindow::listsFinished(const ListJobResult& result)
{
    recompute();
    const QString message = listJobMessage(result);
    if (message.isEmpty())
        m_status->setText(tr("Az öt lista elkészült erre a helyre: %1").arg(m_lists->items().value(0).settings.siteName));
    else if (result.outcome == ListJobOutcome::Cancelled)
        m_status->setText(message);
    else
        m_env.messages.show(this, MessageIcon::Error, message);
}

void VisibilityWindow::recordReport()
{
    const QDateTime when = m_report ? utcOf(m_report->at).toTimeZone(m_env.site.zone()) : m_env.clock();
    Q_EMIT recordAttempt(when, m_report ? m_report->evening : when.time().hour() >= 12, m_env.site);
}

}  // namespace tavik
