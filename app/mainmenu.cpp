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
#include "ui.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

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
    fillMapMenu(addMenu(bar, "holdmap", QStringLiteral("&Hold - térképek")));
    fillToolsMenu(addMenu(bar, "szamit", QStringLiteral("&Szerszámok")));
    fillHelpMenu(addMenu(bar, "prg", QStringLiteral("H&elp")));
}

void A::fillMapMenu(QMenu* menu)
{
    for (const DayItem& d : kDayItems) {
        QAction* a = addItem(menu, d.name, QString::fromLatin1(d.caption), QKeySequence(d.key));
        const QString picture = QStringLiteral("Lunar-day%1s.gif").arg(d.day, 2, 10, QLatin1Char('0'));
        connect(a, &QAction::triggered, this, [this, picture] { openMapViewer(picture); });
    }
}

void A::fillToolsMenu(QMenu* menu)
{
    const QString dir = m_env.dataDir;
    auto notes = [dir](QPointer<NoteWindow>& slot, NoteKind kind) {
        openCompanion(slot, [&] { return new NoteWindow(kind, dir); });
    };
    auto list = [dir](QPointer<ReferenceListWindow>& slot, ReferenceList which) {
        openCompanion(slot, [&] { return new ReferenceListWindow(which, dir); });
    };

    connect(addItem(menu, "jegyzetek", QStringLiteral("&Jegyzetek"), QKeySequence(Qt::CTRL | Qt::Key_J)),
            &QAction::triggered, this, [this, notes] { notes(m_form8, NoteKind::Notes); });
    connect(addItem(menu, "naplo", QStringLiteral("&Megfigyelési napló")), &QAction::triggered, this,
            [this, notes] { notes(m_form10, NoteKind::ObservationLog); });
    connect(addItem(menu, "naptar1", QStringLiteral("N&aptár"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this,
            [this] { openCompanion(m_form6, [] { return new CalendarWindow(); }); });
    connect(addItem(menu, "holdsarlolista", QStringLiteral("&Korai Holdsarlók")), &QAction::triggered,
            this, [this, list] { list(m_form5, ReferenceList::EarlyCrescents); });
    connect(addItem(menu, "jelensegnaptar", QStringLiteral("&Napfogyatkozások")), &QAction::triggered,
            this, [this, list] { list(m_form7, ReferenceList::SolarEclipses); });
    connect(addItem(menu, "holdfogyi", QStringLiteral("&Holdfogyatkozások")), &QAction::triggered,
            this, [this, list] { list(m_form12, ReferenceList::LunarEclipses); });
    connect(addItem(menu, "venusz", QStringLiteral("&Vénusz sarlók")), &QAction::triggered, this,
            [this, list] { list(m_form9, ReferenceList::VenusCrescents); });
    connect(addItem(menu, "vonas", QStringLiteral("&Fok - Vonás calculator")), &QAction::triggered,
            this, [this] {
                const RegionalSettings rs = m_env.regional;
                openCompanion(m_form4, [&rs] { return new ConverterWindow(rs); });
            });
}

void A::fillHelpMenu(QMenu* menu)
{
    connect(addItem(menu, "prog", QStringLiteral("&Programról")), &QAction::triggered, this,
            [this] { openCompanion(m_frmAbout, [] { return new AboutWindow(); }); });
    connect(addItem(menu, "leir", QStringLiteral("&Leírás"), QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, this,
            [this] { openCompanion(m_form2, [] { return new DescriptionWindow(); }); });
    // An ordinary item, not a separator; choosing it only closes the menu.
    addItem(menu, "help1", QStringLiteral("------------"));
    connect(addItem(menu, "kilep", QStringLiteral("&Kilépés"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &A::close);
}

void A::openMapViewer(const QString& pictureFile)
{
    const QString dir = m_env.dataDir;
    openCompanion(m_form3, [&dir] { return new MapViewerWindow(dir); })->showPicture(pictureFile);
}

void A::Picture1_Click()
{
    openMapViewer(QStringLiteral("Lunar-map.jpg"));
}

}  // namespace tavik
