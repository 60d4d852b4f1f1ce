// The main window's menu bar and the opening of the companion windows.
#include "mainwindow.h"

#include "about.h"
#include "calendarwindow.h"
#include "companion.h"
#include "converter.h"
#include "description.h"
#include "logbookwindow.h"
#include "lunarmonthswindow.h"
#include "mapviewer.h"
#include "notewindow.h"
#include "reflist.h"
#include "sitefaults.h"
#include "sitewindow.h"
#include "ui.h"
#include "mapwindow.h"
#include "visibilitywindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <iterator>

namespace tavik {

namespace {
// The menus in the sans-serif face the buttons use, so the window needs one
// font file less at start-up.
QFont menuFont() { return ui::font(QStringLiteral("Arial"), 9); }

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* m = bar->addMenu(title);
    m->setObjectName(QLatin1String(name));
    m->setFont(menuFont());
    return m;
}

QAction* addItem(QMenu* menu, const char* name, const QString& text,
                 const QKeySequence& shortcut = QKeySequence())
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(shortcut);
    return a;
}

// Qt's text boxes take Ctrl+E for "end of line" on Linux; in Tavik's
// windows it opens the logbook instead (End still goes to the end).
class LogbookKeyFilter : public QObject {
public:
    explicit LogbookKeyFilter(QWidget* window) : QObject(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E);
    }
};

struct DayItem {
    const char* name;
    const char* caption;
    Qt::Key key;
    int day;
};

// Days 2 to 9 on F2 to F9; 10 and 11 on F11 and F12 (F10 belongs to the menu bar).
constexpr DayItem kDayItems[] = {
    {"hold02", QT_TRANSLATE_NOOP("tavik::A", "  2. nap"), Qt::Key_F2, 2},
    {"hold03", QT_TRANSLATE_NOOP("tavik::A", "  3. nap"), Qt::Key_F3, 3},
    {"hold04", QT_TRANSLATE_NOOP("tavik::A", "  4. nap"), Qt::Key_F4, 4},
    {"hold05", QT_TRANSLATE_NOOP("tavik::A", "  5. nap"), Qt::Key_F5, 5},
    {"hold06", QT_TRANSLATE_NOOP("tavik::A", "  6. nap"), Qt::Key_F6, 6},
    {"hold07", QT_TRANSLATE_NOOP("tavik::A", "  7. nap"), Qt::Key_F7, 7},
    {"hold08", QT_TRANSLATE_NOOP("tavik::A", "  8. nap"), Qt::Key_F8, 8},
    {"hold09", QT_TRANSLATE_NOOP("tavik::A", "  9. nap"), Qt::Key_F9, 9},
    {"hold10", QT_TRANSLATE_NOOP("tavik::A", "10. nap"), Qt::Key_F11, 10},
    {"hold11", QT_TRANSLATE_NOOP("tavik::A", "11. nap"), Qt::Key_F12, 11},
};
}  // namespace

void A::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setFont(menuFont());
    holdmap = addMenu(bar, "holdmap", tr("&Hold - térképek"));
    szamit = addMenu(bar, "szamit", tr("&Szerszámok"));
    prg = addMenu(bar, "prg", tr("H&elp"));
    fillMapMenu();
    fillToolsMenu();
    fillHelpMenu();
}

void A::fillMapMenu()
{
    QAction* A::*const items[] = {&A::hold02, &A::hold03, &A::hold04, &A::hold05, &A::hold06,
                                  &A::hold07, &A::hold08, &A::hold09, &A::hold10, &A::hold11};
    static_assert(std::size(items) == std::size(kDayItems));
    for (std::size_t i = 0; i < std::size(kDayItems); ++i) {
        const DayItem& d = kDayItems[i];
        QAction* a = addItem(holdmap, d.name, tr(d.caption), QKeySequence(d.key));
        this->*items[i] = a;
        const QString picture = QStringLiteral("Lunar-day%1s.gif").arg(d.day, 2, 10, QLatin1Char('0'));
        connect(a, &QAction::triggered, this, [this, picture] { openMapViewer(picture); });
    }
}

void A::fillToolsMenu()
{
    auto notes = [this](QPointer<NoteWindow>& slot, NoteKind kind) {
        openCompanion(slot, this, [&] { return new NoteWindow(kind, m_env.data, m_env.messages); });
    };
    auto list = [this](QPointer<ReferenceListWindow>& slot, ReferenceList which) {
        openCompanion(slot, this, [&] { return new ReferenceListWindow(which, m_env.data, m_env.messages); });
    };

    jegyzetek = addItem(szamit, "jegyzetek", tr("&Jegyzetek"), QKeySequence(Qt::CTRL | Qt::Key_J));
    naplo = addItem(szamit, "naplo", tr("&Megfigyelési napló"));
    naptar1 = addItem(szamit, "naptar1", tr("N&aptár"), QKeySequence(Qt::CTRL | Qt::Key_N));
    holdsarlolista = addItem(szamit, "holdsarlolista", tr("&Korai Holdsarlók"));
    jelensegnaptar = addItem(szamit, "jelensegnaptar", tr("&Napfogyatkozások"));
    holdfogyi = addItem(szamit, "holdfogyi", tr("&Holdfogyatkozások"));
    venusz = addItem(szamit, "venusz", tr("&Vénusz sarlók"));
    vonas = addItem(szamit, "vonas", tr("&Fok - Vonás calculator"));
    megfigyelohely = addItem(szamit, "megfigyelohely", tr("Megfi&gyelőhely…"));
    lathatosag = addItem(szamit, "lathatosag", tr("Lá&thatóság"), QKeySequence(Qt::CTRL | Qt::Key_T));
    terkep = addItem(szamit, "terkep", tr("Té&rkép…"), QKeySequence(Qt::CTRL | Qt::Key_M));
    eszlelesinaplo = addItem(szamit, "eszlelesinaplo", tr("Ész&lelési napló…"), QKeySequence(Qt::CTRL | Qt::Key_E));
    holdhonapok = addItem(szamit, "holdhonapok", tr("Holdhóna&pok…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    // The hunter's windows open from whichever Tavik window has the keys.
    for (QAction* a : {lathatosag, terkep, eszlelesinaplo, holdhonapok})
        a->setShortcutContext(Qt::ApplicationShortcut);

    connect(jegyzetek, &QAction::triggered, this, [this, notes] { notes(m_form8, NoteKind::Notes); });
    connect(naplo, &QAction::triggered, this,
            [this, notes] { notes(m_form10, NoteKind::ObservationLog); });
    connect(naptar1, &QAction::triggered, this,
            [this] { openCompanion(m_form6, this, [] { return new CalendarWindow(); }); });
    connect(holdsarlolista, &QAction::triggered, this,
            [this, list] { list(m_form5, ReferenceList::EarlyCrescents); });
    connect(jelensegnaptar, &QAction::triggered, this,
            [this, list] { list(m_form7, ReferenceList::SolarEclipses); });
    connect(holdfogyi, &QAction::triggered, this,
            [this, list] { list(m_form12, ReferenceList::LunarEclipses); });
    connect(venusz, &QAction::triggered, this,
            [this, list] { list(m_form9, ReferenceList::VenusCrescents); });
    connect(vonas, &QAction::triggered, this, [this] {
        openCompanion(m_form4, this, [this] { return new ConverterWindow(m_env.regional, m_env.messages); });
    });
    connect(megfigyelohely, &QAction::triggered, this, &A::openSiteWindow);
    connect(lathatosag, &QAction::triggered, this, &A::openVisibility);
    connect(terkep, &QAction::triggered, this, [this] { openMapWindow(); });
    connect(holdhonapok, &QAction::triggered, this, [this] {
        openCompanion(m_lunarMonths, this, [this] {
            return new LunarMonthsWindow(LunarMonthsEnvironment{m_env.data, m_env.messages, siteRead().site, {}, {}, {}});
        });
    });
    fillLanguageMenu();
    connect(eszlelesinaplo, &QAction::triggered, this, &A::openLogbook);
    qApp->installEventFilter(new LogbookKeyFilter(this));
}

// Named in both languages, so that whoever cannot read the one finds it by the other.
void A::fillLanguageMenu()
{
    nyelv = szamit->addMenu(tr("Ny&elv / Language"));
    nyelv->setObjectName(QStringLiteral("nyelv"));
    nyelv->menuAction()->setObjectName(QStringLiteral("nyelvMenu"));
    nyelv->setFont(menuFont());
    auto* group = new QActionGroup(nyelv);
    const LanguageChoice current = m_env.language ? *m_env.language
                                   : m_env.siteConfig.isEmpty() ? LanguageChoice::System
                                                                : readLanguageChoice(m_env.siteConfig);
    const struct {
        const char* name;
        QString text;
        LanguageChoice choice;
    } items[] = {
        {"nyelvMagyar", tr("Magyar"), LanguageChoice::Hungarian},
        {"nyelvAngol", tr("English"), LanguageChoice::English},
        {"nyelvRendszer", tr("A rendszer nyelve szerint"), LanguageChoice::System},
    };
    for (const auto& item : items) {
        QAction* a = addItem(nyelv, item.name, item.text);
        a->setCheckable(true);
        a->setChecked(item.choice == current);
        a->setData(int(item.choice));
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, choice = item.choice] { chooseLanguage(choice); });
    }
    nyelv->addSeparator();
    QAction* note = addItem(nyelv, "nyelvMegjegyzes", tr("A program következő indításától érvényes"));
    note->setEnabled(false);
}

void A::chooseLanguage(LanguageChoice choice)
{
    if (m_env.siteConfig.isEmpty())
        return;
    const FileStatus status = writeLanguageChoice(m_env.siteConfig, choice);
    if (!status.ok()) {
        m_env.messages.show(this, MessageIcon::Warning, describeFileFault(status));
        const int kept = int(readLanguageChoice(m_env.siteConfig));
        for (QAction* a : nyelv->actions())
            if (a->isCheckable() && a->data().toInt() == kept)
                a->setChecked(true);
    }
}

const SiteConfigRead& A::siteRead()
{
    // Read when a window first needs the site, not at the program's start.
    if (!m_siteRead)
        m_siteRead = m_env.siteConfig.isEmpty() ? SiteConfigRead{} : readSiteConfig(m_env.siteConfig);
    return *m_siteRead;
}

void A::openSiteWindow()
{
    openCompanion(m_site, this, [this] {
        auto* w = new SiteWindow(m_env.siteConfig, siteRead(), m_env.messages);
        connect(w, &SiteWindow::siteChanged, this, [this](const ObservingSite& site) {
            m_siteRead = SiteConfigRead{site, {}, {}};
            Q_EMIT siteChanged(site);
        });
        return w;
    });
}

void A::openVisibility()
{
    // A damaged file is named as the window opens for Budapest instead.
    const QString fault = m_visibility ? QString() : describeSiteConfigFault(siteRead(), m_env.siteConfig);
    if (!fault.isEmpty())
        m_env.messages.show(this, MessageIcon::Warning, fault);
    openCompanion(m_visibility, this, [this] {
        QPointer<A> self(this);
        auto* w = new VisibilityWindow(VisibilityEnvironment{
            m_env.data, m_env.regional, m_env.clock, m_env.messages, siteRead().site, Text12->text(),
            [self] {
                if (self)
                    self->openSiteWindow();
            },
            {}, {}});
        // It computes for every site saved from now on.
        connect(this, &A::siteChanged, w, &VisibilityWindow::setSite);
        connect(w, &VisibilityWindow::recordAttempt, this, &A::recordAttempt);
        connect(w, &VisibilityWindow::mapWindowRequested, this, &A::openMapWindow);
        return w;
    });
}

LogbookWindow* A::openLogbook()
{
    const ObservingSite& s = siteRead().site;
    const QString zone = s.timezone.isEmpty() ? QString::fromUtf8(QTimeZone::systemTimeZoneId()) : s.timezone;
    return openCompanion(m_logbook, this, [&] {
        return new LogbookWindow(LogbookEnvironment{
            m_env.logbook.isEmpty() ? logbook::defaultLogbookPath() : m_env.logbook, m_env.messages,
            logbook::AttemptSite{s.name, s.latitude, s.longitude, s.elevation, zone}, m_env.clock, {}});
    });
}

void A::recordAttempt(const QDateTime& when, bool evening, const ObservingSite& site)
{
    logbook::Attempt a;
    a.date = when.date();
    a.time = QTime(when.time().hour(), when.time().minute());
    a.evening = evening;
    const QTimeZone zone = site.zone();
    a.site = logbook::AttemptSite{site.name, site.latitude, site.longitude, site.elevation,
                                  zone == QTimeZone::utc() ? QStringLiteral("UTC") : QString::fromUtf8(zone.id())};
    openLogbook()->addAttempt(a);
}

void A::openMapWindow(QDate date, bool morning)
{
    const ObservingSite& site = siteRead().site;
    const bool opened = m_mapWindow;
    MapWindow* w = openCompanion(m_mapWindow, this, [&] {
        return new MapWindow(MapWindowEnvironment{m_env.messages, almanac::Site{site.latitude, site.longitude, site.elevation},
                                                  site.zone(), date.isValid() ? date : m_env.clock().date(), morning,
                                                  date.isValid() ? QDateTime() : m_env.clock(), {}, {}});
    });
    if (opened && date.isValid())
        w->setEvening(date, morning);
}

void A::fillHelpMenu()
{
    prog = addItem(prg, "prog", tr("&Programról"));
    leir = addItem(prg, "leir", tr("&Leírás"), QKeySequence(Qt::CTRL | Qt::Key_L));
    // An ordinary item, not a separator; choosing it only closes the menu.
    help1 = addItem(prg, "help1", tr("------------"));
    kilep = addItem(prg, "kilep", tr("&Kilépés"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    connect(prog, &QAction::triggered, this,
            [this] { openCompanion(m_frmAbout, this, [] { return new AboutWindow(); }); });
    connect(leir, &QAction::triggered, this,
            [this] { openCompanion(m_form2, this, [] { return new DescriptionWindow(); }); });
    connect(kilep, &QAction::triggered, this, &A::close);
}

void A::openMapViewer(const QString& pictureFile)
{
    openCompanion(m_form3, this, [this] { return new MapViewerWindow(m_env.data, m_env.messages); })
        ->showPicture(pictureFile);
}

void A::Picture1_Click()
{
    openMapViewer(QStringLiteral("Lunar-map.jpg"));
}

}  // namespace tavik
