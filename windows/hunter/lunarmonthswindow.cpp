#include "lunarmonthswindow.h"

#include "almanacterms.h"
#include "backgroundwork.h"
#include "filefaults.h"

#include <datafiles.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>

namespace tavik {

using namespace tavik::almanac;

namespace {

constexpr int kWeekRows = 6;
constexpr int kDaysAWeek = 7;
// The crescent evenings by Yallop's class: A, B, C.
constexpr QColor kClassColors[] = {QColor(0x9b, 0xe3, 0x8f), QColor(0xd4, 0xf0, 0x9a), QColor(0xfa, 0xe7, 0x9c)};
constexpr QColor kBorderlineColor(0xf4, 0xb6, 0xa8);

QLocale interfaceLocale()
{
    return QLocale(QCoreApplication::translate("LunarMonths", "hu_HU", "the locale of the numbers"));
}

// The Hijri year a Gregorian day falls in, near enough to choose the years computed.
int approximateHijriYear(const QDate& day)
{
    constexpr double kMuharram1Of1Ah = 1948439.5;   // Julian day of 16 July 622
    constexpr double kYearDays = 354.367;
    return int(std::floor((day.toJulianDay() - kMuharram1Of1Ah) / kYearDays)) + 1;
}

void computeMonths(QPromise<LunarMonthsResult>& promise, const Ephemeris& eph, const CalendarRequest& request)
{
    LunarMonthsResult result;
    result.request = request;
    std::atomic_bool cancelled{false};
    try {
        EphemerisThread thread(eph);
        result.months = lunarMonths(eph, request, [&](int done, int total) {
            promise.setProgressRange(0, total);
            promise.setProgressValue(done);
            if (promise.isCanceled())
                cancelled = true;
        }, &cancelled);
    } catch (const EphemerisError& e) {
        result.fault = words::ephemerisFaultText(e);
    }
    result.cancelled = cancelled.load();
    promise.addResult(result);
}

}  // namespace

LunarMonthsWindow::LunarMonthsWindow(LunarMonthsEnvironment env, QWidget* parent)
    : QWidget(parent), m_env(std::move(env))
{
    setObjectName(QStringLiteral("lunarMonths"));
    setWindowTitle(tr("Holdhónapok"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_shown = m_env.shownMonth.isValid() ? m_env.shownMonth : QDate::currentDate();
    m_shown = QDate(m_shown.year(), m_shown.month(), 1);
    build();
    loadShifts();
    connect(&m_watcher, &QFutureWatcher<LunarMonthsResult>::progressRangeChanged, m_progress, &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcher<LunarMonthsResult>::progressValueChanged, m_progress, &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<LunarMonthsResult>::finished, this, &LunarMonthsWindow::received);
    try {
        m_eph = Ephemeris::open(m_env.ephemerisFolder);
    } catch (const EphemerisError& e) {
        m_env.messages.show(this, MessageIcon::Error, words::ephemerisFaultText(e));
    }
    compute();
}

LunarMonthsWindow::~LunarMonthsWindow()
{
    m_watcher.disconnect(this);
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void LunarMonthsWindow::build()
{
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* ruleLabel = new QLabel(tr("&Szabály:"), this);
    m_rule = new QComboBox(this);
    m_rule->setObjectName(QStringLiteral("rule"));
    for (MonthRule r : kMonthRules)
        m_rule->addItem(monthRuleName(r), int(r));
    ruleLabel->setBuddy(m_rule);
    m_rule->setAccessibleName(tr("Szabály"));
    m_optical = new QCheckBox(tr("&Távcsővel is"), this);
    m_optical->setObjectName(QStringLiteral("optical"));
    m_optical->setAccessibleName(tr("Távcsővel látható holdsarló is elég"));
    m_prev = new QPushButton(tr("◀ &Előző"), this);
    m_prev->setAccessibleName(tr("Előző hónap"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    m_title->setFont(big);
    m_next = new QPushButton(tr("&Következő ▶"), this);
    m_next->setAccessibleName(tr("Következő hónap"));
    top->addWidget(ruleLabel);
    top->addWidget(m_rule);
    top->addWidget(m_optical);
    top->addStretch();
    top->addWidget(m_prev);
    top->addWidget(m_title, 1);
    top->addWidget(m_next);
    layout->addLayout(top);

    m_model = new QStandardItemModel(kWeekRows, kDaysAWeek, this);
    const QLocale locale = interfaceLocale();
    for (int d = 0; d < kDaysAWeek; ++d)
        m_model->setHorizontalHeaderItem(d, new QStandardItem(locale.dayName(d + 1, QLocale::ShortFormat)));
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setModel(m_model);
    m_grid->setAccessibleName(tr("A hónap napjai a hidzsra dátumokkal"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(true);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setMinimumSize(720, 420);
    layout->addWidget(m_grid, 1);

    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_notes);

    auto* bottom = new QHBoxLayout;
    m_shiftLabel = new QLabel(this);
    m_shift = new QSpinBox(this);
    m_shift->setObjectName(QStringLiteral("shift"));
    m_shift->setRange(-kMaxMonthShift, kMaxMonthShift);
    m_shift->setSuffix(tr(" nap"));
    m_shift->setAccessibleName(tr("A kijelölt nap hónapjának eltolása napokban"));
    m_shiftLabel->setBuddy(m_shift);
    m_save = new QPushButton(tr("&Mentés iCalendarba…"), this);
    m_save->setObjectName(QStringLiteral("saveIcs"));
    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(tr("A számítás állása"));
    m_cancel = new QPushButton(tr("Mé&gse"), this);
    m_cancel->setAccessibleName(tr("A számítás leállítása"));
    bottom->addWidget(m_shiftLabel);
    bottom->addWidget(m_shift);
    bottom->addStretch();
    bottom->addWidget(m_progress);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_save);
    layout->addLayout(bottom);

    setTabOrder(m_rule, m_optical);
    setTabOrder(m_optical, m_prev);
    setTabOrder(m_prev, m_next);
    setTabOrder(m_next, m_grid);
    setTabOrder(m_grid, m_shift);
    setTabOrder(m_shift, m_cancel);
    setTabOrder(m_cancel, m_save);

    connect(m_rule, &QComboBox::currentIndexChanged, this, &LunarMonthsWindow::compute);
    connect(m_optical, &QCheckBox::toggled, this, &LunarMonthsWindow::compute);
    connect(m_prev, &QPushButton::clicked, this, [this] { showMonth(m_shown.addMonths(-1)); });
    connect(m_next, &QPushButton::clicked, this, [this] { showMonth(m_shown.addMonths(1)); });
    connect(m_cancel, &QPushButton::clicked, this, &LunarMonthsWindow::cancel);
    connect(m_save, &QPushButton::clicked, this, &LunarMonthsWindow::askAndSaveIcs);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &LunarMonthsWindow::selectedChanged);
    connect(m_shift, &QSpinBox::valueChanged, this, [this](int days) {
        const QDate day = m_grid->currentIndex().data(Qt::UserRole).toDate();
        const LunarMonth* m = monthOfDay(m_months, day);
        if (!m || m->shift == days)
            return;
        if (!shiftMonthOf(day, days)) {
            const QSignalBlocker block(m_shift);
            m_shift->setValue(m->shift);
        }
    });
}

void LunarMonthsWindow::loadShifts()
{
    const QString path = m_env.data.readPath(monthShiftsFileName());
    if (!QFile::exists(path))
        return;
    const FileRead<QStringList> read = readLines(path);
    if (!read.ok()) {
        m_env.messages.show(this, MessageIcon::Warning, describeFileFault(read.status));
        return;
    }
    m_shifts = parseMonthShifts(read.value);
}

MonthRule LunarMonthsWindow::rule() const
{
    return static_cast<MonthRule>(m_rule->currentData().toInt());
}

void LunarMonthsWindow::setRule(MonthRule rule)
{
    m_rule->setCurrentIndex(m_rule->findData(int(rule)));
}

void LunarMonthsWindow::showMonth(const QDate& anyDay)
{
    m_shown = QDate(anyDay.year(), anyDay.month(), 1);
    const int hijri = approximateHijriYear(m_shown);
    if (m_months.isEmpty() || m_request.fromYear > hijri - 1 || m_request.toYear < hijri + 1)
        compute();
    else
        fillGrid();
}

void LunarMonthsWindow::compute()
{
    if (!m_eph)
        return;
    if (m_pending) {
        m_again = true;
        m_watcher.cancel();
        return;
    }
    CalendarRequest r;
    r.rule = rule();
    const int hijri = approximateHijriYear(m_shown);
    r.fromYear = std::max(kFirstCalendarYear, hijri - 1);
    r.toYear = std::min(kLastCalendarYear, hijri + 1);
    r.site = m_env.site.position();
    r.zone = m_env.site.zone();
    r.optical = m_optical->isChecked();
    if (const auto it = m_shifts.find(r.rule); it != m_shifts.end())
        r.shifts = it->second;
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_cancel->setEnabled(true);
    m_save->setEnabled(false);
    m_shift->setEnabled(false);
    const Ephemeris eph = *m_eph;
    m_pending = true;
    m_watcher.setFuture(runInBackground(&computeMonths, eph, r));
}

void LunarMonthsWindow::cancel()
{
    m_watcher.cancel();
}

bool LunarMonthsWindow::busy() const
{
    return m_pending || m_again;
}

void LunarMonthsWindow::waitForMonths()
{
    while (busy()) {
        m_watcher.waitForFinished();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void LunarMonthsWindow::received()
{
    m_pending = false;
    m_progress->setVisible(false);
    m_cancel->setEnabled(false);
    const QFuture<LunarMonthsResult> future = m_watcher.future();
    if (m_again) {
        m_again = false;
        compute();
        return;
    }
    if (future.resultCount() == 0) {
        m_notes->setText(tr("A számítás leállt; a hónapok nem készültek el."));
        return;
    }
    const LunarMonthsResult result = future.result();
    if (!result.fault.isEmpty()) {
        m_env.messages.show(this, MessageIcon::Error, result.fault);
        return;
    }
    if (result.cancelled) {
        m_notes->setText(tr("A számítás leállt; a hónapok nem készültek el."));
        return;
    }
    m_months = result.months;
    m_request = result.request;
    m_save->setEnabled(!m_months.isEmpty());
    fillGrid();
    Q_EMIT monthsReady();
}

void LunarMonthsWindow::fillGrid()
{
    const QLocale locale = interfaceLocale();
    m_title->setText(locale.toString(m_shown, tr("yyyy. MMMM", "the month shown")));
    const int lead = m_shown.dayOfWeek() - 1;
    const QDate first = m_shown.addDays(-lead);
    const QTimeZone zone = m_env.site.zone();
    QStringList notes;
    for (int i = 0; i < kWeekRows * kDaysAWeek; ++i) {
        const QDate day = first.addDays(i);
        auto* item = new QStandardItem;
        item->setData(day, Qt::UserRole);
        QStringList lines{QString::number(day.day())};
        QStringList tips;
        const LunarMonth* m = monthOfDay(m_months, day);
        if (m) {
            const int hijriDay = int(m->firstDay.daysTo(day)) + 1;
            lines << tr("%1. %2").arg(hijriDay).arg(hijriMonthName(m->number.month));
            tips << hijriDateText(hijriDay, m->number);
            if (hijriDay == 1) {
                if (m->shift != 0) {
                    lines << tr("kézzel %1 nap").arg(locale.toString(m->shift));
                    tips << tr("A hónap kezdetét kézzel tolta el %1 nappal.").arg(m->shift);
                } else if (m->followsShift) {
                    lines << tr("igazítást követ");
                    tips << tr("Egy korábbi hónap kézi eltolását követi.");
                }
                if (m->borderline) {
                    lines << tr("⚠ határeset");
                    tips << borderlineText(*m);
                    item->setBackground(kBorderlineColor);
                }
            }
            for (const LunarMonth& any : m_months) {
                const QDateTime newMoon = utcOf(any.conjunction).toTimeZone(zone);
                if (newMoon.date() == day) {
                    lines << tr("● újhold %1").arg(newMoon.toString(QStringLiteral("HH:mm")));
                    tips << tr("Újhold (együttállás): %1").arg(newMoon.toString(QStringLiteral("HH:mm")));
                }
            }
            for (const LunarMonth& any : m_months)
                for (const CrescentEvening& e : any.crescents)
                    if (e.date == day) {
                        lines << tr("☾ Yallop %1").arg(yallopLetter(e.yallop));
                        tips << tr("Holdsarló-este: Yallop %1, legjobb időpont %2")
                                    .arg(yallopLetter(e.yallop))
                                    .arg(utcOf(e.best).toTimeZone(zone).toString(QStringLiteral("HH:mm")));
                        item->setBackground(kClassColors[std::min(int(e.yallop), 2)]);
                    }
        }
        if (day.month() != m_shown.month())
            item->setForeground(QColor(0x80, 0x80, 0x80));
        item->setText(lines.join(u'\n'));
        item->setToolTip(tips.join(u'\n'));
        item->setData(lines.join(QStringLiteral(", ")), Qt::AccessibleTextRole);
        m_model->setItem(i / kDaysAWeek, i % kDaysAWeek, item);
    }
    for (const LunarMonth& m : std::as_const(m_months)) {
        const QDate last = m.firstDay.addDays(m.length - 1);
        if (last < first || m.firstDay > first.addDays(kWeekRows * kDaysAWeek - 1))
            continue;
        QString line = tr("%1: %2, %3 nap.")
                           .arg(hijriDateText(1, m.number), locale.toString(m.firstDay, QLocale::LongFormat))
                           .arg(m.length);
        if (m.borderline)
            line += u' ' + borderlineText(m);
        notes << line;
    }
    notes << monthRuleDescription(rule());
    m_notes->setText(notes.join(u'\n'));
    // The shown month's first day chosen, so that its month can be moved at once.
    if (!m_grid->currentIndex().isValid() || m_grid->currentIndex().data(Qt::UserRole).toDate().month() != m_shown.month())
        m_grid->setCurrentIndex(m_model->index(lead / kDaysAWeek, lead % kDaysAWeek));
    selectedChanged();
}

void LunarMonthsWindow::selectedChanged()
{
    const QDate day = m_grid->currentIndex().data(Qt::UserRole).toDate();
    const LunarMonth* m = monthOfDay(m_months, day);
    m_shift->setEnabled(m != nullptr);
    const QSignalBlocker block(m_shift);
    if (!m) {
        m_shiftLabel->setText(tr("A hónap &kezdete:"));
        m_shift->setValue(0);
        return;
    }
    m_shiftLabel->setText(tr("%1 &kezdete:").arg(tr("%1 %2").arg(hijriMonthName(m->number.month)).arg(m->number.year)));
    m_shift->setValue(m->shift);
}

bool LunarMonthsWindow::shiftMonthOf(const QDate& day, int days)
{
    const LunarMonth* m = monthOfDay(m_months, day);
    if (!m || std::abs(days) > kMaxMonthShift)
        return false;
    MonthShifts next = m_shifts;
    if (days == 0)
        next[rule()].erase(m->lunation);
    else
        next[rule()][m->lunation] = days;
    const FileStatus status = replaceWholeFile(m_env.data.writePath(monthShiftsFileName()), monthShiftsText(next));
    if (!status.ok()) {
        m_env.messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    m_shifts = next;
    compute();
    return true;
}

bool LunarMonthsWindow::saveIcs(const QString& path)
{
    const FileStatus status = writeCalendarIcs(path, calendarIcs(m_months, m_request, QDateTime::currentDateTimeUtc()));
    if (!status.ok()) {
        m_env.messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    return true;
}

void LunarMonthsWindow::askAndSaveIcs()
{
    const QString path = m_env.askIcsPath
                             ? m_env.askIcsPath(this)
                             : QFileDialog::getSaveFileName(this, tr("Mentés iCalendarba"),
                                                            QStringLiteral("holdhonapok-%1.ics").arg(QLatin1String(monthRuleKey(rule()))),
                                                            tr("iCalendar (*.ics)"));
    if (!path.isEmpty())
        saveIcs(path);
}

}  // namespace tavik
