// Start-up and the main window "A": its controls, its menu, the new-moon list
// and the calculator's button handlers.
//
// mainwindow.cpp  controls, layout and the new-moon list
// mainmenu.cpp    the menu bar and the opening of the companion windows
// calculator.cpp  the buttons: the two calculations and the record files
// resultsurface   the drawing surface that places and keeps the result lines
#pragma once

#include "datafiles.h"
#include "datafolders.h"
#include "messages.h"
#include "observation.h"
#include "regional.h"
#include "report.h"
#include "siteconfig.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStringListModel;

namespace tavik {

class AboutWindow;
class CalendarWindow;
class ConverterWindow;
class DescriptionWindow;
class MapViewerWindow;
class NoteWindow;
class PictureBox;
class ReferenceListWindow;
class ResultSurface;
class SiteWindow;
class LogbookWindow;
class VisibilityWindow;
class MapWindow;
class LunarMonthsWindow;

// The calculator's record files in the data folder: the last new moon, the
// last saved observation, and the log every calculation is appended to.
inline const QString kLastNewMoonFile = QStringLiteral("ujhold.txt");
inline const QString kLastObservationFile = QStringLiteral("utolso.txt");
inline const QString kCalculationLogFile = QStringLiteral("szamitott.txt");

// What the main window needs from its surroundings.
struct MainWindowEnvironment {
    DataFolders data;                     // where the "Pic" files are read and written
    RegionalSettings regional;
    std::function<QDateTime()> clock;     // local date and time, for "Most!"
    MessageSink messages;                 // this window's and its companions' messages
    QString siteConfig = {};              // the observing site's file (tavik.conf); empty: none
    QString logbook = {};                 // the logbook's file; empty: the desktop's own
    std::optional<LanguageChoice> language = {};   // tavik.conf's choice as read at start; none: read it

    // The program's own: its data folders, the system's regional settings, the
    // system clock and message boxes.
    static MainWindowEnvironment system();
};

class A : public QMainWindow {
    Q_OBJECT
public:
    explicit A(MainWindowEnvironment env, QWidget* parent = nullptr);
    ~A() override;

    static constexpr int kNewMoonLimit = 16;       // characters of Text11
    static constexpr int kObservationLimit = 22;   // characters of Text12

    ResultSurface* surface() const noexcept { return m_surface; }

    // Fills Ujholdak from "ujholdak.txt"; a missing or unreadable file leaves it empty.
    void LoadNewMoonList();
    // Writes Text11 and a line end to "ujhold.txt"; false after a file fault,
    // which has then been reported.
    bool SaveNewMoonBox();

    // Which button computed a result: "Megfigyelés" or "Most!", whose first
    // line shows the date and the time apart and logs them without a space.
    enum class Trigger { Observation, Now };
    // Clears the drawn text and draws the result lines.
    void ShowObservationResult(const ObservationResult& r, Trigger trigger = Trigger::Observation);
    // Appends the seven-line entry to "szamitott.txt"; false after a file
    // fault, which has then been reported.
    bool AppendCalculationLog(const ObservationResult& r, Trigger trigger = Trigger::Observation);

Q_SIGNALS:
    // The site window saved a new observing site; windows computing for the
    // site follow it from here, whether or not the site window is open.
    void siteChanged(const ObservingSite& site);

private Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command6_Click();
    void Command14_Click();
    void Picture1_Click();

private:
    void createClient();
    void createNewMoonGroup(QWidget* client);
    void createObservationGroup(QWidget* client);
    void createPictures(QWidget* client);
    void createTextBoxes();
    void nameForScreenReaders();
    void createMenu();
    void fillMapMenu();
    void fillToolsMenu();
    void fillHelpMenu();
    void fillLanguageMenu();
    void chooseLanguage(LanguageChoice choice);
    void setTabOrderChain();
    void centreOnScreen();

    void openMapViewer(const QString& pictureFile);
    void openVisibility();
    // The crescent map for the evening (morning) of the date; without one,
    // for the evening after the new moon nearest today.
    void openMapWindow(QDate date = {}, bool morning = false);
    void openSiteWindow();
    // The site's file as first read; a site saved since replaces it.
    const SiteConfigRead& siteRead();
    LogbookWindow* openLogbook();
    void recordAttempt(const QDateTime& when, bool evening, const tavik::ObservingSite& site);
    QString readPath(const QString& fileName) const;
    QString writePath(const QString& fileName) const;
    void showPhasePicture(const QString& fileName);
    void showAndRecord(const ObservationResult& r, Trigger trigger);
    bool reportFault(const FileStatus& status);
    // A record file's whole text; a missing file gives missingMessage, any
    // other fault its own message, and no value.
    std::optional<QString> readRecord(const QString& fileName, const QString& missingMessage);
    // Whether Text11 can be written to "ujhold.txt"; reported when not.
    bool newMoonBoxFitsItsFile();

    MainWindowEnvironment m_env;
    std::optional<SiteConfigRead> m_siteRead;

    QLabel* Label8 = nullptr;
    QLineEdit* Text11 = nullptr;
    QComboBox* Ujholdak = nullptr;
    QStringListModel* m_newMoons = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Text12 = nullptr;
    QPushButton* Command14 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* PictureHoldak = nullptr;
    PictureBox* Picture1 = nullptr;
    ResultSurface* m_surface = nullptr;

    // The menu bar: the three menus and their items, in menu order.
    QMenu* holdmap = nullptr;
    QAction* hold02 = nullptr;
    QAction* hold03 = nullptr;
    QAction* hold04 = nullptr;
    QAction* hold05 = nullptr;
    QAction* hold06 = nullptr;
    QAction* hold07 = nullptr;
    QAction* hold08 = nullptr;
    QAction* hold09 = nullptr;
    QAction* hold10 = nullptr;
    QAction* hold11 = nullptr;
    QMenu* szamit = nullptr;
    QAction* jegyzetek = nullptr;
    QAction* naplo = nullptr;
    QAction* naptar1 = nullptr;
    QAction* holdsarlolista = nullptr;
    QAction* jelensegnaptar = nullptr;
    QAction* holdfogyi = nullptr;
    QAction* venusz = nullptr;
    QAction* vonas = nullptr;
    QAction* megfigyelohely = nullptr;
    QAction* lathatosag = nullptr;
    QMenu* nyelv = nullptr;   // the interface language, kept in tavik.conf
    QAction* eszlelesinaplo = nullptr;
    QAction* terkep = nullptr;
    QAction* holdhonapok = nullptr;
    QMenu* prg = nullptr;
    QAction* prog = nullptr;
    QAction* leir = nullptr;
    QAction* help1 = nullptr;
    QAction* kilep = nullptr;

    // Companion windows: top-level, without an owner, deleted when closed.
    QPointer<MapViewerWindow> m_form3;
    QPointer<ConverterWindow> m_form4;
    QPointer<ReferenceListWindow> m_form5;
    QPointer<CalendarWindow> m_form6;
    QPointer<ReferenceListWindow> m_form7;
    QPointer<NoteWindow> m_form8;
    QPointer<ReferenceListWindow> m_form9;
    QPointer<NoteWindow> m_form10;
    QPointer<ReferenceListWindow> m_form12;
    QPointer<DescriptionWindow> m_form2;
    QPointer<AboutWindow> m_frmAbout;
    QPointer<SiteWindow> m_site;
    QPointer<VisibilityWindow> m_visibility;
    QPointer<LogbookWindow> m_logbook;
    QPointer<MapWindow> m_mapWindow;
    QPointer<LunarMonthsWindow> m_lunarMonths;
};

}  // namespace tavik
