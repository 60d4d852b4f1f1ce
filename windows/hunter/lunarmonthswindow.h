// "Holdhónapok": a Gregorian month's days with their Hijri dates under the
// rule chosen, the new moons and the crescent evenings at the site graded
// by Yallop's class, the borderline months explained; the user may move a
// month's first day by one or two days (kept in holdhonapok.txt of the user's
// data folder, the months after it following), and save the months as an
// iCalendar file. The months are computed on a worker thread, with a
// progress bar and Mégse.
#pragma once

#include "datafolders.h"
#include "lunarcalendar.h"
#include "lunarmonthtexts.h"
#include "messages.h"
#include "siteconfig.h"

#include <QDate>
#include <QFutureWatcher>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace tavik {

struct LunarMonthsEnvironment {
    DataFolders data;                                // holdhonapok.txt is kept in the user's folder
    MessageSink messages;
    ObservingSite site;
    std::function<QString(QWidget*)> askIcsPath;    // none: a file dialog
    QDate shownMonth;                                // any day of it; invalid: today's
    QString ephemerisFolder;                         // empty: the usual places
};

// What the worker hands back: the months, or the ephemeris' complaint.
struct LunarMonthsResult {
    QList<almanac::LunarMonth> months;
    almanac::CalendarRequest request;
    QString fault;
    bool cancelled = false;
};

class LunarMonthsWindow : public QWidget {
    Q_OBJECT
public:
    explicit LunarMonthsWindow(LunarMonthsEnvironment env, QWidget* parent = nullptr);
    ~LunarMonthsWindow() override;

    QDate shownMonth() const noexcept { return m_shown; }
    void showMonth(const QDate& anyDay);
    void setRule(almanac::MonthRule rule);
    almanac::MonthRule rule() const;
    // The months computed for the years around the shown month.
    const QList<almanac::LunarMonth>& months() const noexcept { return m_months; }
    QStandardItemModel* gridModel() const noexcept { return m_model; }
    // Moves the first day of the month holding `day` by `days` (-2..2, 0 to
    // undo); saved at once. False after a fault, which has been reported.
    bool shiftMonthOf(const QDate& day, int days);
    // Writes the months computed as iCalendar; false after a fault, reported.
    bool saveIcs(const QString& path);
    // Whether a computation is under way; wait() blocks until it ends (tests).
    bool busy() const;
    void waitForMonths();

Q_SIGNALS:
    void monthsReady();

private:
    void build();
    void loadShifts();
    void compute();
    void cancel();
    void received();
    void fillGrid();
    void selectedChanged();
    void askAndSaveIcs();

    LunarMonthsEnvironment m_env;
    std::optional<almanac::Ephemeris> m_eph;
    QDate m_shown;
    MonthShifts m_shifts;
    QList<almanac::LunarMonth> m_months;
    almanac::CalendarRequest m_request;
    QFutureWatcher<LunarMonthsResult> m_watcher;
    // Until its result is taken in received(): the future stops running a
    // moment before the watcher's finished() arrives.
    bool m_pending = false;
    bool m_again = false;   // a new request came while one ran

    QComboBox* m_rule = nullptr;
    QCheckBox* m_optical = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_title = nullptr;
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_model = nullptr;
    QLabel* m_notes = nullptr;
    QLabel* m_shiftLabel = nullptr;
    QSpinBox* m_shift = nullptr;
    QPushButton* m_save = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace tavik
