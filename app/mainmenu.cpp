// The main window's menu bar and the opening of the companion windows.
#include "mainwindow.h"

#include "about.h"
#include "calendarwindow.h"
#include "companion.h"
#include "converter.h"
#include "description.h"
#include "mapviewer.h"
#include "notewindow.h"
#include "reflist.h"
#include "sitefaults.h"
#include "sitewindow.h"
#include "ui.h"
#include "mapwindow.h"
#include "visibilitywindow.h"

#include <QAction>
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

struct DayItem {
    const char* name;
    const char* caption;
    Qt::Key key;
    int day;
};

// Days 2 to 9 on F2 to F9; 10 and 11 on F11 and F12 (F10 belongs to the menu bar).
constexpr DayItem kDayItems[] = {
    {"hold02", "  2. nap", Qt::Key_F2, 2},   {"hold03", "  3. nap", Qt::Key_F3, 3},
    {"hold04", "  4. nap", Qt::Key_F4, 4},   {"hold05", "  5. nap", Qt::Key_F5, 5},
    {"hold06", "  6. nap", Qt::Key_F6, 6},   {"hold07", "  7. nap", Qt::Key_F7, 7},
    {"hold08", "  8. nap", Qt::Key_F8, 8},   {"hold09", "  9. nap", Qt::Key_F9, 9},
    {"hold10", "10. nap", Qt::Key_F11, 10},  {"hold11", "11. nap", Qt::Key_F12, 11},
};
}  // namespace

void A::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setFont(menuFont());
    holdmap = addMenu(bar, "holdmap", QStringLiteral("&Hold - térképek"));
    szamit = addMenu(bar, "szamit", QStringLiteral("&Szerszámok"));
    prg = addMenu(bar, "prg", QStringLiteral("H&elp"));
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
        QAction* a = addItem(holdmap, d.name, QString::fromLatin1(d.caption), QKeySequence(d.key));
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

    jegyzetek = addItem(szamit, "jegyzetek", QStringLiteral("&Jegyzetek"), QKeySequence(Qt::CTRL | Qt::Key_J));
    naplo = addItem(szamit, "naplo", QStringLiteral("&Megfigyelési napló"));
    naptar1 = addItem(szamit, "naptar1", QStringLiteral("N&aptár"), QKeySequence(Qt::CTRL | Qt::Key_N));
    holdsarlolista = addItem(szamit, "holdsarlolista", QStringLiteral("&Korai Holdsarlók"));
    jelensegnaptar = addItem(szamit, "jelensegnaptar", QStringLiteral("&Napfogyatkozások"));
    holdfogyi = addItem(szamit, "holdfogyi", QStringLiteral("&Holdfogyatkozások"));
    venusz = addItem(szamit, "venusz", QStringLiteral("&Vénusz sarlók"));
    vonas = addItem(szamit, "vonas", QStringLiteral("&Fok - Vonás calculator"));
    megfigyelohely = addItem(szamit, "megfigyelohely", QStringLiteral("Megfi&gyelőhely…"));
    lathatosag = addItem(szamit, "lathatosag", QStringLiteral("Lá&thatóság"), QKeySequence(Qt::CTRL | Qt::Key_T));
    terkep = addItem(szamit, "terkep", tr("Té&rkép…"), QKeySequence(Qt::CTRL | Qt::Key_M));

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
}

namespace {
VisibilitySite visibilitySite(const ObservingSite& s)
{
    return VisibilitySite{s.name, almanac::Site{s.latitude, s.longitude, s.elevation}, s.zone()};
}
}  // namespace

void A::openSiteWindow()
{
    openCompanion(m_site, this, [this] {
        auto* w = new SiteWindow(m_env.siteConfig, m_env.messages);
        connect(w, &SiteWindow::siteChanged, this, &A::siteChanged);
        return w;
    });
}

void A::openVisibility()
{
    // The site is read when the window opens: the file may have changed. A
    // damaged file is named once, as the window opens for Budapest instead.
    const SiteConfigRead read = m_env.siteConfig.isEmpty() ? SiteConfigRead{} : readSiteConfig(m_env.siteConfig);
    const ObservingSite& site = read.site;
    const QString fault = m_visibility ? QString() : describeSiteConfigFault(read, m_env.siteConfig);
    if (!fault.isEmpty())
        m_env.messages.show(this, MessageIcon::Warning, fault);
    openCompanion(m_visibility, this, [this, &site] {
        QPointer<A> self(this);
        auto* w = new VisibilityWindow(VisibilityEnvironment{
            m_env.data, m_env.regional, m_env.clock, m_env.messages, visibilitySite(site), Text12->text(),
            [self] {
                if (self)
                    self->openSiteWindow();
            },
            {}, {}});
        // It computes for every site saved from now on.
        connect(this, &A::siteChanged, w, [w](const ObservingSite& s) { w->setSite(visibilitySite(s)); });
        connect(w, &VisibilityWindow::mapWindowRequested, this, &A::openMapWindow);
        return w;
    });
}

void A::openMapWindow(QDate date, bool morning)
{
    const ObservingSite site =
        m_env.siteConfig.isEmpty() ? ObservingSite{} : readSiteConfig(m_env.siteConfig).site;
    const bool opened = m_mapWindow;
    MapWindow* w = openCompanion(m_mapWindow, this, [&] {
        return new MapWindow(MapWindowEnvironment{m_env.messages, almanac::Site{site.latitude, site.longitude, site.elevation},
                                                  site.zone(), date.isValid() ? date : m_env.clock().date(), morning,
                                                  !date.isValid(), {}, {}});
    });
    if (opened && date.isValid())
        w->setEvening(date, morning);
}

void A::fillHelpMenu()
{
    prog = addItem(prg, "prog", QStringLiteral("&Programról"));
    leir = addItem(prg, "leir", QStringLiteral("&Leírás"), QKeySequence(Qt::CTRL | Qt::Key_L));
    // An ordinary item, not a separator; choosing it only closes the menu.
    help1 = addItem(prg, "help1", QStringLiteral("------------"));
    kilep = addItem(prg, "kilep", QStringLiteral("&Kilépés"), QKeySequence(Qt::CTRL | Qt::Key_Q));

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
