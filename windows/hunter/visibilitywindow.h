// "Holdsarló láthatósága": the sighting report for the observing site at a
// moment, the sky towards the Sun and the altitudes at the best time, the
// next evenings of the crescent hunt, and the five lists for the site. The
// ephemeris is opened when the window is, never at the program's start.
//
// visibilitywindow  the window: time box, site, buttons and the report
// visibilityfigures the report's figures and the hunt table as texts
// skyview, altitudechart  the two pictures
// visibilitymapview the world map of the evening
// listcomputation   the lists in a worker thread
#pragma once

#include "datafolders.h"
#include "evening.h"
#include "listjob.h"
#include "messages.h"
#include "nextchance.h"
#include "regional.h"
#include "siteconfig.h"

#include <QDateTime>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace tavik {

class AltitudeChart;
class ListComputation;
class SkyView;
class VisibilityMapView;

struct VisibilityEnvironment {
    DataFolders data;                              // where the lists are written
    RegionalSettings regional;
    std::function<QDateTime()> clock;              // for "Most"
    MessageSink messages;
    ObservingSite site;
    QString observationText;                       // the main window's time box, when it opened
    std::function<void()> openSiteWindow;          // none: the button is disabled
    std::function<QString(QWidget*)> askPicturePath;   // none: a file dialog
    QString ephemerisFolder;                       // empty: the usual places
};

// A date and time typed as the program's date fields read it, in the zone;
// none when it is not one (a time alone is not).
std::optional<QDateTime> readObservationTime(const QString& text, const RegionalSettings& regional,
                                             const QTimeZone& zone);

class VisibilityWindow : public QWidget {
    Q_OBJECT
public:
    explicit VisibilityWindow(VisibilityEnvironment env, QWidget* parent = nullptr);
    ~VisibilityWindow() override;

    // The report shown, when one could be computed.
    const std::optional<almanac::SightingReport>& report() const noexcept { return m_report; }
    const ObservingSite& site() const noexcept { return m_env.site; }
    // What "Másolás" puts on the clipboard.
    QString reportText() const;
    // The sky picture above the chart, as "Kép mentése…" saves it.
    QImage picture() const;
    // Writes picture() as PNG; false after a fault, which has been reported.
    bool savePicture(const QString& path);
    // The list computation while it runs.
    ListComputation* listComputation() const noexcept { return m_lists.get(); }
    QLabel* figureLabel(const QString& key) const { return m_values.value(key); }
    // The "Térkép" page: where the crescent can be seen that evening.
    VisibilityMapView* mapView() const noexcept { return m_map; }

public Q_SLOTS:
    void setSite(const tavik::ObservingSite& site);
    // Reads the time box and computes; a bad text is reported.
    bool recompute();
    // The coming evening (morning) whose best time has not passed.
    void showNow();
    // The next evening (morning) of class C or better after the report's time.
    void showNextChance();
    void copyReport();
    void savePictureAs();
    void openLists();
    void openMap();
    // Asks for the report's moment and site to be recorded in the logbook.
    void recordReport();

Q_SIGNALS:
    void recordAttempt(const QDateTime& when, bool evening, const tavik::ObservingSite& site);
    // The crescent map window is asked for, for the evening (morning) shown.
    void mapWindowRequested(QDate date, bool morning);

private:
    void createTimeRow();
    void createFigures();
    void createPictures();
    void placeFigures();
    QSize screenRoom() const;
    void createHunt();
    void createButtons();
    QPushButton* addButton(const char* name, const QString& text);
    bool openEphemeris();
    void computeAt(const QDateTime& when);
    bool showChanceAfter(double jd, std::optional<almanac::YallopClass> worst, const QString& heading);
    void showMoment(double jd, const QString& heading);
    void describeEvening(const QString& heading);
    void failed(const QString& message);
    void timeBoxEdited(const QString& text);
    void showReport();
    void showFigures();
    void showHunt();
    void showMap();
    void listsFinished(const almanac::ListJobResult& result);

    VisibilityEnvironment m_env;
    std::optional<almanac::Ephemeris> m_eph;
    std::optional<almanac::SightingReport> m_report;
    QDate m_mapDate;   // the map's first evening (morning): the report's own
    std::unique_ptr<ListComputation> m_lists;

    QLineEdit* m_timeBox = nullptr;
    QLabel* m_chance = nullptr;                    // which evening the report is of
    QString m_reportText;                          // the time box's text the report belongs to
    QString m_failure;                             // why the last computation gave no report
    QLabel* m_siteName = nullptr;
    QPushButton* m_siteButton = nullptr;
    QHash<QString, QLabel*> m_values;
    QHash<QString, QLabel*> m_labels;
    SkyView* m_sky = nullptr;
    AltitudeChart* m_chart = nullptr;
    VisibilityMapView* m_map = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_hunt = nullptr;
    QLabel* m_status = nullptr;
    QWidget* m_figures = nullptr;
};

}  // namespace tavik
