#include "startup.h"

#include "datafolders.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

#include <array>

namespace tavik {

namespace {

// Qt's own options that take a value, as QGuiApplication and QApplication read
// them ("-style fusion", "-style=fusion", "--style fusion").
constexpr std::array qtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "name", "title", "visual", "style", "stylesheet",
};
constexpr std::array qtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Whether argument is one of Qt's own options; *takesNext tells whether its
// value is the next argument.
bool isQtOption(const QString& argument, bool* takesNext)
{
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(u'=');
    const bool valueGiven = equals >= 0;
    if (valueGiven)
        name.truncate(equals);
    if (name == QLatin1String("qmljsdebugger") && valueGiven)
        return true;
    for (const char* o : qtOptionsWithValue)
        if (name == QLatin1String(o)) {
            *takesNext = !valueGiven;
            return true;
        }
    for (const char* o : qtFlags)
        if (name == QLatin1String(o) && !valueGiven)
            return true;
    return false;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("-?")) {
            result.action = CommandLine::Action::Help;
            return result;
        }
        if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            result.action = CommandLine::Action::Version;
            return result;
        }
        bool takesNext = false;
        if (a.size() > 1 && a.startsWith(u'-') && isQtOption(a, &takesNext)) {
            if (takesNext)
                ++i;
            continue;
        }
        // The program opens no files: anything else is a mistake.
        result.action = CommandLine::Action::Error;
        result.wrongArgument = a;
        return result;
    }
    return result;
}

QString versionText()
{
    return QStringLiteral(TAVIK_TITLE " " TAVIK_VERSION_STRING "\n")
           + QCoreApplication::translate("tavik::Startup", "Holdsarló kor és fázis számoló, %1, Orvel Edition\n")
                 .arg(QStringLiteral(TAVIK_TITLE_VERSION));
}

QString helpText(const QString& appDir)
{
    return QCoreApplication::translate("tavik::Startup",
               "Használat: tavik [KAPCSOLÓ]\n"
               "\n"
               "A Tavik holdsarló kor és fázis számoló amatőr holdmegfigyelőknek: az utolsó\n"
               "újhold és a megfigyelés idejéből kiszámolja a Hold korát, fázisát és\n"
               "megvilágítottságát, naplózza a megfigyeléseket, és megmutatja a holdtérképet,\n"
               "az újholdak, a holdsarlók, a fogyatkozások és a Vénusz listáit.\n"
               "\n"
               "Kapcsolók:\n"
               "  -h, --help       a program rövid leírása és az adatmappa helye\n"
               "  -v, --version    a program neve és változata\n"
               "A Qt saját kapcsolói (például -style, -platform) is használhatók.\n"
               "Kilépési kód: 0, ha a program rendben lefutott; 2 ismeretlen kapcsoló vagy\n"
               "fölösleges paraméter esetén.\n"
               "\n")
           + describeDataFolders(appDir);
}

QString wrongArgumentText(const QString& argument)
{
    const bool option = argument.startsWith(u'-');
    return QCoreApplication::translate("tavik::Startup", "tavik: %1: %2\nA kapcsolók listája: tavik --help\n")
        .arg(option ? QCoreApplication::translate("tavik::Startup", "ismeretlen kapcsoló") : QCoreApplication::translate("tavik::Startup", "fölösleges paraméter"), argument);
}

QString describeDataFolders(const QString& appDir)
{
    const DataFolders folders = DataFolders::forProgram(appDir);
    const auto shown = [](const QString& path) { return QDir::toNativeSeparators(path); };
    if (folders.portable())
        return QCoreApplication::translate("tavik::Startup", "Adatmappa (a program mellett, hordozható használat):\n  %1\n")
            .arg(shown(folders.userFolder()));
    return QCoreApplication::translate("tavik::Startup", "Saját adatmappa (ide ír a program, és innen olvas először):\n  %1\n"
                                       "A csomaggal érkezett adatok (csak olvasásra):\n  %2\n")
        .arg(shown(folders.userFolder()), shown(folders.shippedFolder()));
}

bool interfaceIsHungarian(const QLocale& locale)
{
    return locale.language() == QLocale::Hungarian || locale.language() == QLocale::C;
}

bool installQtTranslation(const QLocale& locale, const QString& folder)
{
    if (!interfaceIsHungarian(locale) || !QCoreApplication::instance())
        return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_hu.qm"), folder)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

bool installQtTranslation(const QLocale& locale)
{
    return installQtTranslation(locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void installProgramIcon()
{
    // From a pixmap: an icon made from a file name first looks for icon
    // engine plugins, which costs start-up time.
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/tavik.png"))));
}

}  // namespace tavik
