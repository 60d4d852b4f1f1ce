#include "logbookwindow.h"

#include "almanacterms.h"
#include "backgroundwork.h"
#include "logbookform.h"
#include "logbooksummaries.h"

#include <circumstances.h>
#include <logbookservice.h>
#include <lists.h>
#include <logbookwords.h>
#include <transfer.h>
#include <wordslanguage.h>

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>

namespace tavik {

using namespace logbook;

namespace {

QString decimal(double v, int decimals)
{
    return words::decimalText(v, decimals);
}

// The most of a typed text the details show; the rest is named by its length.
constexpr qsizetype kShownNoteLength = 4000;
// The most of a typed text a table cell shows, on one line.
constexpr qsizetype kCellLength = 60;

QString capped(const QString& text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    return LogbookWindow::tr("%1… (még %n karakter)", nullptr, int(std::min<qsizetype>(text.size() - length, INT_MAX)))
        .arg(text.left(length));
}

// The table as shown: a long text (a site's name) on one line, cut short.
class ShownLogbook : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        const bool tip = role == Qt::ToolTipRole && index.column() == LogbookModel::Site;
        if (role != Qt::DisplayRole && !tip)
            return QSortFilterProxyModel::data(index, role);
        QString text = QSortFilterProxyModel::data(index, Qt::DisplayRole).toString();
        if (text.size() <= kCellLength && !text.contains(u'\n'))
            return tip ? QVariant() : QVariant(text);
        text = capped(text, kShownNoteLength).replace(u'\n', u' ');
        if (tip)
            return text;
        return text.left(kCellLength - 1) + u'…';
    }
};

QString circumstancesOf(const LogEntry& e)
{
    const Attempt& a = e.attempt;
    const Circumstances& c = e.computed;
    const QTimeZone zone = attemptZone(a.site.timezone);
    QStringList lines;
    lines << LogbookWindow::tr("%1, %2 (%3)")
                 .arg(almanac::formatLocalMinute(c.atJd, zone),
                      c.bestTime ? LogbookWindow::tr("idő nélkül: a legjobb időpont") : LogbookWindow::tr("első megpillantás"),
                      a.evening ? LogbookWindow::tr("esti sarló") : LogbookWindow::tr("hajnali sarló"))
          << LogbookWindow::tr("%1, É %2°, K %3°, %4 m, %5")
                 .arg(a.site.name, decimal(a.site.latitude, 4), decimal(a.site.longitude, 4),
                      decimal(a.site.elevation, 0), a.site.timezone)
          << LogbookWindow::tr("%1%2%3%4")
                 .arg(a.observer.isEmpty() ? QString() : LogbookWindow::tr("Megfigyelő: %1; ").arg(a.observer),
                      resultLabel(a.result), a.instrument.isEmpty() ? QString() : QStringLiteral(", ") + a.instrument,
                      a.sky == Sky::Unknown ? QString() : QStringLiteral(", ") + skyLabel(a.sky))
          << LogbookWindow::tr("A Hold kora: %1; késés: %2")
                 .arg(words::signedDurationText(c.ageHours / 24.0),
                      c.lagMinutes ? words::signedDurationText(*c.lagMinutes / 1440.0) : QStringLiteral("–"))
          << LogbookWindow::tr("ARCL %1°, ARCV %2°, DAZ %3°, W′ %4′, megvilágított rész %5%, a Hold magassága %6°")
                 .arg(decimal(c.arcl, 2), decimal(c.arcv, 2), decimal(c.daz, 2), decimal(c.width, 2),
                      decimal(c.litFraction * 100.0, 2), decimal(c.moonAltitude, 2))
          << LogbookWindow::tr("Yallop q: %1 (%2: %3); Odeh V: %4 (%5 zóna: %6)")
                 .arg(decimal(c.q, 3), QString(almanac::yallopLetter(c.yallop)), words::yallopWords(c.yallop),
                      decimal(c.v, 2), QString(almanac::odehLetter(c.odeh)), words::odehWords(c.odeh));
    for (const QString& flag : flagSentences(c.flags, a.evening))
        lines << QStringLiteral("⚠ ") + flag;
    if (!a.notes.isEmpty())
        lines << capped(a.notes, kShownNoteLength);
    lines << LogbookWindow::tr("(számítás: %1. változat)").arg(c.version);
    return lines.join(u'\n');
}

}  // namespace

LogbookWindow::LogbookWindow(LogbookEnvironment env, QWidget* parent)
    : QWidget(parent), m_env(std::move(env)), m_store(m_env.path)
{
    setObjectName(QStringLiteral("LogbookWindow"));
    setWindowTitle(tr("Észlelési napló"));
    auto* column = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    column->addWidget(m_tabs);
    createTable();
    createSummaries();
    createButtons();
    m_reloadSoon = new QTimer(this);
    m_reloadSoon->setSingleShot(true);
    m_reloadSoon->setInterval(200);   // a save touches the file and its journal several times
    connect(m_reloadSoon, &QTimer::timeout, this, &LogbookWindow::reload);
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_reloadSoon, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_reloadSoon, qOverload<>(&QTimer::start));
    load();
}

LogbookWindow::~LogbookWindow()
{
    // An import not finished is rolled back.
    m_cancel = true;
    stopBackgroundWork(this);
}

void LogbookWindow::createTable()
{
    auto* page = new QWidget(m_tabs);
    auto* column = new QVBoxLayout(page);
    auto* filterRow = new QHBoxLayout;
    m_filter = new QLineEdit(page);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setAccessibleName(tr("Szűrés: dátum, hely, eredmény vagy bármely oszlop szövege"));
    m_filter->setPlaceholderText(tr("Szűrés…"));
    m_filter->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(tr("&Szűrés:"), page);
    filterLabel->setBuddy(m_filter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    column->addLayout(filterRow);

    m_model = new LogbookModel(this);
    m_proxy = new ShownLogbook(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(Qt::UserRole);
    m_proxy->setFilterKeyColumn(-1);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);

    m_table = new QTableView(page);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setAccessibleName(tr("Észlelések"));
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(LogbookModel::Date, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setResizeContentsPrecision(200);   // a long logbook opens as fast as a short one
    m_table->setMinimumSize(m_table->fontMetrics().averageCharWidth() * 125,
                            m_table->verticalHeader()->defaultSectionSize() * 12);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LogbookWindow::showChosen);
    connect(m_table, &QTableView::doubleClicked, this, &LogbookWindow::editAttempt);
    column->addWidget(m_table, 1);

    // Read-only text that wraps anywhere and scrolls: a long note neither
    // widens the window nor spills over the table.
    m_circumstances = new QPlainTextEdit(page);
    m_circumstances->setObjectName(QStringLiteral("circumstances"));
    m_circumstances->setAccessibleName(tr("A kijelölt észlelés körülményei"));
    m_circumstances->setReadOnly(true);
    m_circumstances->setTabChangesFocus(true);
    m_circumstances->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_circumstances->setFocusPolicy(Qt::TabFocus);
    m_circumstances->setMinimumHeight(m_circumstances->fontMetrics().lineSpacing() * 8);
    column->addWidget(m_circumstances);
    m_tabs->addTab(page, tr("&Észlelések"));
}

void LogbookWindow::createSummaries()
{
    m_records = new PersonalRecordsPage(m_tabs);
    m_tabs->addTab(m_records, tr("Saját &rekordjaim"));
    m_score = new CriteriaScorePage(m_tabs);
    m_tabs->addTab(m_score, tr("A &feltételek az én egemen"));
}

void LogbookWindow::createButtons()
{
    auto* row = new QHBoxLayout;
    auto add = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        row->addWidget(b);
        return b;
    };
    QPushButton* fresh = add("newAttempt", tr("Ú&j észlelés…"));
    m_edit = add("editAttempt", tr("Sz&erkesztés…"));
    m_delete = add("deleteAttempt", tr("&Törlés"));
    m_import = add("importAttempts", tr("&Importálás…"));
    m_export = add("exportAttempts", tr("E&xportálás…"));
    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("outcome"));
    // Its first line only, never widening the window; the whole in its tip.
    m_outcome->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_outcome, 1);
    QPushButton* close = add("close", tr("&Bezárás"));
    connect(fresh, &QPushButton::clicked, this, &LogbookWindow::newAttempt);
    connect(m_edit, &QPushButton::clicked, this, &LogbookWindow::editAttempt);
    connect(m_delete, &QPushButton::clicked, this, &LogbookWindow::deleteAttempt);
    connect(m_import, &QPushButton::clicked, this, &LogbookWindow::importAttempts);
    connect(m_export, &QPushButton::clicked, this, &LogbookWindow::exportAttempts);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void LogbookWindow::load()
{
    QList<LogEntry> entries;
    const StoreStatus s = m_store.load(entries);
    if (!s.ok())
        m_env.messages.show(this, MessageIcon::Error, describeStoreStatus(s));
    m_model->setEntries(std::move(entries));
    m_table->resizeColumnsToContents();
    refreshSummaries();
    showChosen();
    m_table->setFocus();
    watchFile();
}

void LogbookWindow::watchFile()
{
    // The folder too: SQLite's journal comes and goes there, and a file
    // replaced or made anew is seen only from its folder.
    const QFileInfo file(m_env.path);
    for (const QString& path : {file.absoluteFilePath(), file.absolutePath()}) {
        if (!m_watcher->files().contains(path) && !m_watcher->directories().contains(path) && QFileInfo::exists(path))
            m_watcher->addPath(path);
    }
}

void LogbookWindow::reload()
{
    if (m_transferring)
        return;   // read again when the import is over
    watchFile();
    QList<LogEntry> entries;
    if (!m_store.load(entries).ok())
        return;
    const QList<LogEntry>& shown = m_model->entries();
    if (std::equal(entries.begin(), entries.end(), shown.begin(), shown.end(),
                   [](const LogEntry& a, const LogEntry& b) { return a.id == b.id && a.attempt == b.attempt; }))
        return;
    showEntries(std::move(entries));
}

void LogbookWindow::showEntries(QList<LogEntry> entries)
{
    const int row = chosenRow();
    const qint64 chosen = row >= 0 ? m_model->entryAt(row).id : 0;
    m_model->setEntries(std::move(entries));
    refreshSummaries();
    if (const int again = chosen ? m_model->rowOf(chosen) : -1; again >= 0)
        m_table->setCurrentIndex(m_proxy->mapFromSource(m_model->index(again, 0)));
    showChosen();
}

void LogbookWindow::closeEvent(QCloseEvent* event)
{
    // The form asks before what was typed there is thrown away.
    if (m_form && !m_form->close()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void LogbookWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_reloadSoon->start();
    QWidget::changeEvent(event);
}

void LogbookWindow::refreshSummaries()
{
    m_records->show(m_model->entries());
    m_score->show(m_model->entries());
}

int LogbookWindow::chosenRow() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() ? m_proxy->mapToSource(current).row() : -1;
}

void LogbookWindow::showChosen()
{
    const int row = chosenRow();
    m_edit->setEnabled(row >= 0);
    m_delete->setEnabled(row >= 0);
    m_circumstances->setPlainText(row >= 0 ? circumstancesOf(m_model->entryAt(row))
                                      : tr("Válasszon egy észlelést a táblázatban a körülményei megtekintéséhez."));
}

AttemptForm* LogbookWindow::form() const
{
    return m_form.data();
}

QString LogbookWindow::circumstancesText() const
{
    return m_circumstances->toPlainText();
}

void LogbookWindow::addAttempt(const Attempt& prefill)
{
    openForm(prefill, 0);
}

void LogbookWindow::newAttempt()
{
    Attempt a;
    const QDateTime now = m_env.clock ? m_env.clock() : QDateTime::currentDateTime();
    a.date = now.date();
    a.evening = now.time().hour() >= 12;
    a.site = m_env.site;
    openForm(a, 0);
}

void LogbookWindow::editAttempt()
{
    const int row = chosenRow();
    if (row >= 0)
        openForm(m_model->entryAt(row).attempt, m_model->entryAt(row).id);
}

void LogbookWindow::deleteAttempt()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    const LogEntry& e = m_model->entryAt(row);
    const QString question = tr("Törli ezt az észlelést: %1, %2, %3?")
                                 .arg(words::Language::date(e.attempt.date), e.attempt.site.name,
                                      resultLabel(e.attempt.result));
    if (m_env.messages.ask(this, question) != Answer::Yes)
        return;
    if (const StoreStatus s = m_store.remove(e.id); !s.ok()) {
        m_env.messages.show(this, MessageIcon::Error, describeStoreStatus(s));
        return;
    }
    m_model->removeAt(row);
    refreshSummaries();
    showChosen();
}

void LogbookWindow::openForm(const Attempt& attempt, qint64 id)
{
    if (m_form && !m_form->close())
        return;   // what was typed there is kept
    Attempt filled = attempt;
    if (id == 0) {
        // The observer and instrument of the latest saved attempt, offered again.
        const QList<LogEntry>& entries = m_model->entries();
        const auto latest = std::max_element(entries.begin(), entries.end(),
                                             [](const LogEntry& a, const LogEntry& b) { return a.id < b.id; });
        if (latest != entries.end()) {
            if (filled.observer.isEmpty())
                filled.observer = latest->attempt.observer;
            if (filled.instrument.isEmpty())
                filled.instrument = latest->attempt.instrument;
        }
    }
    m_form = new AttemptForm(filled, id != 0, m_env.messages, this);
    m_form->setAttribute(Qt::WA_DeleteOnClose);
    m_form->setClock(m_env.clock);
    m_form->setSaver([this, id](const Attempt& a) { return saveForm(a, id); });
    m_form->open();
}

bool LogbookWindow::saveForm(const Attempt& attempt, qint64 id)
{
    try {
        if (!m_eph)
            m_eph = almanac::Ephemeris::open(m_env.ephemerisFolder);
    } catch (const almanac::EphemerisError& e) {
        m_env.messages.show(this, MessageIcon::Error, words::ephemerisFaultText(e));
        return false;
    }
    SaveResult saved = saveAttempt(m_store, *m_eph, attempt, id);
    if (saved.store.fault == StoreFault::Vanished) {
        // Deleted meanwhile elsewhere: what was typed is kept, as a new
        // attempt or in the form left open.
        if (m_env.messages.ask(this, describeStoreStatus(saved.store) + u'\n'
                                         + tr("Menti új észlelésként? (Nem: az űrlap nyitva marad.)"))
            != Answer::Yes)
            return false;
        if (const int gone = m_model->rowOf(id); gone >= 0)
            m_model->removeAt(gone);
        id = 0;
        saved = saveAttempt(m_store, *m_eph, attempt);
    }
    if (saved.ephemeris) {
        m_env.messages.show(this, MessageIcon::Error, words::ephemerisFaultText(*saved.ephemeris));
        return false;
    }
    if (!saved.store.ok()) {
        m_env.messages.show(this, MessageIcon::Error, describeStoreStatus(saved.store));
        return false;
    }
    const int existing = id ? m_model->rowOf(id) : -1;
    if (existing >= 0)
        m_model->replace(existing, saved.entry);
    else
        m_model->append(saved.entry);
    refreshSummaries();
    const QModelIndex shown = m_proxy->mapFromSource(m_model->index(m_model->rowOf(saved.entry.id), 0));
    m_table->setCurrentIndex(shown);
    m_table->scrollTo(shown);
    showChosen();
    return true;
}

QProgressDialog* LogbookWindow::transferProgress() const
{
    return m_progress.data();
}

QString LogbookWindow::transferOutcome() const
{
    return m_lastOutcome;
}

QString LogbookWindow::chooseCsvFile(bool saving)
{
    if (m_env.chooseCsv)
        return m_env.chooseCsv(this, saving);
    const QString filter = tr("CSV-fájlok (*.csv);;Minden fájl (*)");
    return saving ? QFileDialog::getSaveFileName(this, tr("Észlelések exportálása"), QString(), filter)
                  : QFileDialog::getOpenFileName(this, tr("Észlelések importálása"), QString(), filter);
}

void LogbookWindow::importAttempts()
{
    if (const QString csv = chooseCsvFile(false); !csv.isEmpty())
        importFrom(csv);
}

void LogbookWindow::exportAttempts()
{
    if (const QString csv = chooseCsvFile(true); !csv.isEmpty())
        exportTo(csv);
}

namespace {

// The command's words (tavik-almanac log import), a bad line's list kept to
// what a message box shows on a screen.
QString importOutcome(const QString& csv, const QString& logbook, const ImportResult& r)
{
    const QString nothing = LogbookWindow::tr("Semmi sem került a naplóba.");
    if (r.cancelled)
        return LogbookWindow::tr("Az importálás megszakítva.") + u' ' + nothing;
    if (!r.file.ok())
        return describeFileFault(r.file);
    if (!r.store.ok())
        return describeStoreStatus(r.store);
    if (r.ephemeris)
        return csv + QStringLiteral(": ") + words::ephemerisFaultText(*r.ephemeris) + u' ' + nothing;
    if (!r.faults.isEmpty()) {
        constexpr qsizetype kNamed = 20;
        const qsizetype named = std::min(kNamed, r.faults.size());
        QStringList lines;
        for (qsizetype i = 0; i < named; ++i)
            lines << csv + QStringLiteral(": ") + describeCsvFault(r.faults.at(i));
        if (r.faults.size() > named || r.moreFaults)
            lines << LogbookWindow::tr("További hibás sorok is vannak; az első %n látható.", nullptr, int(named));
        lines << nothing;
        return lines.join(u'\n');
    }
    return LogbookWindow::tr("%n új észlelés került a naplóba (%1)", nullptr, int(r.added)).arg(logbook)
           + LogbookWindow::tr("; %n már benne volt.", nullptr, int(r.alreadyThere));
}

QString exportOutcome(const QString& csv, const ExportResult& r)
{
    if (r.sameFile)
        return LogbookWindow::tr("A CSV-fájl (%1) maga a napló; nem íródott semmi.").arg(csv);
    if (!r.store.ok())
        return describeStoreStatus(r.store);
    if (!r.file.ok())
        return describeFileFault(r.file);
    QString text = LogbookWindow::tr("%n észlelés került a fájlba (%1).", nullptr, int(r.written)).arg(csv);
    if (!r.unreadable.isEmpty()) {
        QStringList ids;
        for (qint64 id : r.unreadable)
            ids << QString::number(id);
        text += u'\n' + LogbookWindow::tr("%n sérült észlelés nem olvasható, kimaradt a CSV-ből: %1.", nullptr,
                                          int(r.unreadable.size())).arg(ids.join(QStringLiteral(", ")));
    }
    return text;
}

}  // namespace

void LogbookWindow::importFrom(const QString& csv)
{
    ImportOptions options;
    options.ephemerisFolder = m_env.ephemerisFolder;
    startTransfer(tr("Észlelések importálása"), [csv, options](LogbookStore& store, const TransferProgress& progress) {
        const ImportResult r = importAttemptsCsv(store, csv, options, progress);
        return std::pair{importOutcome(csv, store.path(), r), !r.ok() && !r.cancelled};
    });
}

void LogbookWindow::exportTo(const QString& csv)
{
    startTransfer(tr("Észlelések exportálása"), [csv](LogbookStore& store, const TransferProgress& progress) {
        const ExportResult r = exportAttemptsCsv(store, csv, progress);
        return std::pair{exportOutcome(csv, r), !r.ok() || !r.unreadable.isEmpty()};
    });
}

void LogbookWindow::startTransfer(const QString& title, Transfer work)
{
    if (m_transferring)
        return;
    m_cancel = false;
    m_done = 0;
    m_total = 0;
    auto* d = new QProgressDialog(this);
    d->setObjectName(QStringLiteral("transfer"));
    d->setWindowTitle(title);
    d->setLabelText(title + QStringLiteral("…"));
    d->setAccessibleName(tr("Az átvitel állása"));
    d->setWindowModality(Qt::WindowModal);
    d->setCancelButtonText(tr("&Mégse"));
    d->setAutoClose(false);
    d->setAutoReset(false);
    d->setMinimumDuration(0);
    d->setRange(0, 0);
    // Mégse only asks the worker to stop (an import then rolls back); the
    // dialog stays until it has.
    disconnect(d, &QProgressDialog::canceled, d, nullptr);
    connect(d, &QProgressDialog::canceled, this, [this] {
        m_cancel = true;
        if (m_progress)
            m_progress->setLabelText(tr("Megszakítás…"));
    });
    m_progress = d;
    if (!m_progressTimer) {
        m_progressTimer = new QTimer(this);
        m_progressTimer->setInterval(100);
        connect(m_progressTimer, &QTimer::timeout, this, [this] {
            const qint64 total = m_total;
            if (m_progress && total > 0 && !m_cancel) {
                // In thousandths: a byte count does not fit the dialog's int.
                m_progress->setMaximum(1000);
                m_progress->setValue(int(std::clamp<qint64>(m_done * 1000 / total, 0, 1000)));
            }
        });
    }
    m_progressTimer->start();
    d->show();
    m_import->setEnabled(false);
    m_export->setEnabled(false);
    const QString path = m_env.path;
    m_transferring = true;
    auto outcome = std::make_shared<std::pair<QString, bool>>();
    runAndDeliver(this, [this, path, outcome, work = std::move(work)] {
        LogbookStore store(path);   // this thread's own connection
        *outcome = work(store, [this](qint64 done, qint64 total) {
            m_done = done;
            m_total = total;
            return !m_cancel.load();
        });
    }, [this, outcome] { finishTransfer(outcome->first, outcome->second); });
}

void LogbookWindow::finishTransfer(const QString& outcome, bool fault)
{
    m_transferring = false;
    m_progressTimer->stop();
    if (m_progress)
        m_progress->deleteLater();
    m_progress.clear();
    m_import->setEnabled(true);
    m_export->setEnabled(true);
    m_lastOutcome = outcome;
    m_outcome->setText(outcome.section(u'\n', 0, 0));
    m_outcome->setToolTip(outcome.left(kShownNoteLength));
    reload();
    if (fault)
        m_env.messages.show(this, MessageIcon::Error, outcome);
    Q_EMIT transferFinished();
}

}  // namespace tavik
