// "Észlelési napló": every crescent attempt with its circumstances and the
// checks of its claim, in a table to sort and filter; a form to add or edit
// one (also opened from the visibility window, filled in with its time and
// site); and two summaries: the hunter's records and the criteria against
// what was seen. The logbook file is the one tavik-almanac log uses.
//
// logbookwindow    the window: table, filter, circumstances, buttons
// logbookform      the form of one attempt
// logbooksummaries the two summary pages
#pragma once

#include "logbookmodel.h"
#include "messages.h"

#include <attempt.h>
#include <ephemeris.h>
#include <logbookstore.h>

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QTimer;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace tavik {

class AttemptForm;
class CriteriaScorePage;
class PersonalRecordsPage;

struct LogbookEnvironment {
    QString path;                  // the logbook file
    MessageSink messages;
    logbook::AttemptSite site;     // the configured site, for a new attempt
    std::function<QDateTime()> clock;   // the date of a new attempt
    QString ephemerisFolder;       // empty: the usual places
    // The CSV file to import (save false) or export to (save true); empty: none.
    // None given: a file dialog.
    std::function<QString(QWidget* parent, bool save)> chooseCsv = {};
};

class LogbookWindow : public QWidget {
    Q_OBJECT
public:
    explicit LogbookWindow(LogbookEnvironment env, QWidget* parent = nullptr);
    ~LogbookWindow() override;

    const LogbookModel& model() const noexcept { return *m_model; }
    QSortFilterProxyModel* proxy() const noexcept { return m_proxy; }
    // The form while it is open.
    AttemptForm* form() const;
    QString circumstancesText() const;
    // Reads the file again when it changed since last read; silent about a
    // file that cannot be read just now (another program writing it).
    void reload();
    // An import or export running (its progress dialog open).
    bool transferring() const noexcept { return m_transferring; }
    QProgressDialog* transferProgress() const;
    // The sentence of the last import or export.
    QString transferOutcome() const;

Q_SIGNALS:
    // An import or export is over, its outcome told.
    void transferFinished();

public Q_SLOTS:
    // Opens the form filled in with this attempt, to add it.
    void addAttempt(const tavik::logbook::Attempt& prefill);
    void newAttempt();
    void editAttempt();
    void deleteAttempt();
    void importAttempts();
    void exportAttempts();
    // The CSV into the logbook off the window's thread, with a progress
    // dialog whose Mégse rolls it back; the logbook to the CSV.
    void importFrom(const QString& csv);
    void exportTo(const QString& csv);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The file to import or export: the environment's chooser, else a file dialog.
    QString chooseCsvFile(bool saving);
    void createTable();
    void createSummaries();
    void createButtons();
    void load();
    // The entries into the table, the chosen one kept chosen.
    void showEntries(QList<logbook::LogEntry> entries);
    void watchFile();
    // Runs work off the window's thread with its own connection to the file;
    // its sentence (and whether it is a fault) is told when it is done.
    using Transfer = std::function<std::pair<QString, bool>(logbook::LogbookStore& store,
                                                            const std::function<bool(qint64, qint64)>& progress)>;
    void startTransfer(const QString& title, Transfer work);
    void finishTransfer(const QString& outcome, bool fault);
    void openForm(const logbook::Attempt& attempt, qint64 id);
    // Computes and saves the form's attempt; false after a reported fault.
    bool saveForm(const logbook::Attempt& attempt, qint64 id);
    void showChosen();
    void refreshSummaries();
    int chosenRow() const;

    LogbookEnvironment m_env;
    logbook::LogbookStore m_store;
    std::optional<almanac::Ephemeris> m_eph;
    LogbookModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_filter = nullptr;
    QTableView* m_table = nullptr;
    QPlainTextEdit* m_circumstances = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_reloadSoon = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    PersonalRecordsPage* m_records = nullptr;
    CriteriaScorePage* m_score = nullptr;
    QPointer<AttemptForm> m_form;
    QLabel* m_outcome = nullptr;
    QString m_lastOutcome;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
    bool m_transferring = false;
    std::atomic<bool> m_cancel{false};
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{0};
    QPointer<QProgressDialog> m_progress;
    QTimer* m_progressTimer = nullptr;
};

}  // namespace tavik
