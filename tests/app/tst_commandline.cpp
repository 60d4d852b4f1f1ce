// The program's command line, run for real without a display: --version,
// --help with the data folder of both layouts, and wrong options. Beside it,
// the option parser itself and Qt's own Hungarian texts.
#include "about.h"
#include "calendarwindow.h"
#include "description.h"
#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using tavik::CommandLine;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program at exe without any display: no X, no Wayland, no chosen
// Qt platform. xdgDataHome, when given, is the user's data base folder.
Run runTavik(const QStringList& args, const QString& exe = QStringLiteral(TAVIK_EXE),
          const QString& xdgDataHome = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME"})
        env.remove(QLatin1String(name));
    if (!xdgDataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(exe, args);
    if (!p.waitForFinished(60'000))
        return {};
    return Run{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
               QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A copy of the program in a scratch folder, with or without Pic beside it.
QString copyProgram(const QTemporaryDir& dir, bool withPic)
{
    const QString exe = dir.filePath(QStringLiteral("bin/tavik"));
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    if (withPic)
        QDir(dir.path()).mkpath(QStringLiteral("bin/Pic"));
    if (!QFile::copy(QStringLiteral(TAVIK_EXE), exe))
        return {};
    return exe;
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionWithoutDisplay_data();
    void versionWithoutDisplay();
    void helpNamesThePortableFolder();
    void helpNamesTheUserAndShippedFolders();
    void wrongArguments_data();
    void wrongArguments();
    void parser_data();
    void parser();
    void hungarianInterface();
    void qtTextsStayWithoutHungarian();
    void qtTextsMissingFileIsSilent();
    void qtTextsHungarianContextMenu();
    void everyWindowHasTheProgramIcon();
};

void CommandLineTest::versionWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("--version") << QStringList{"--version"};
    QTest::newRow("-v") << QStringList{"-v"};
    QTest::newRow("after a Qt option") << QStringList{"-style", "fusion", "--version"};
}

void CommandLineTest::versionWithoutDisplay()
{
    QFETCH(QStringList, args);
    const Run r = runTavik(args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.out, QStringLiteral("Tavik " TAVIK_VERSION_STRING "\n"
                                   "Holdsarló kor és fázis számoló, " TAVIK_TITLE_VERSION
                                   ", Orvel Edition\n"));
}

void CommandLineTest::helpNamesThePortableFolder()
{
    QTemporaryDir dir;
    const QString exe = copyProgram(dir, true);
    QVERIFY(!exe.isEmpty());
    const Run r = runTavik({QStringLiteral("--help")}, exe);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    QVERIFY2(r.out.startsWith(QStringLiteral("Használat: tavik [KAPCSOLÓ]\n")), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("holdsarló kor és fázis számoló")));
    QVERIFY(r.out.contains(QStringLiteral("-v, --version")));
    QVERIFY2(r.out.endsWith(QStringLiteral("Adatmappa (a program mellett, hordozható használat):\n  %1\n")
                                .arg(dir.filePath(QStringLiteral("bin/Pic")))),
             qPrintable(r.out));
}

void CommandLineTest::helpNamesTheUserAndShippedFolders()
{
    QTemporaryDir dir;
    const QString exe = copyProgram(dir, false);
    QVERIFY(!exe.isEmpty());
    const Run r = runTavik({QStringLiteral("-h")}, exe, dir.filePath(QStringLiteral("home")));
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.endsWith(QStringLiteral("Saját adatmappa (ide ír a program, és innen olvas először):\n  %1\n"
                                           "A csomaggal érkezett adatok (csak olvasásra):\n  %2\n")
                                .arg(dir.filePath(QStringLiteral("home/tavik/Pic")),
                                     dir.filePath(QStringLiteral("share/tavik/Pic")))),
             qPrintable(r.out));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("home"))));   // --help creates nothing
}

void CommandLineTest::wrongArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown long option") << QStringList{"--verzio"}
                                         << "tavik: ismeretlen kapcsoló: --verzio\n"
                                            "A kapcsolók listája: tavik --help\n";
    QTest::newRow("unknown short option") << QStringList{"-x"}
                                          << "tavik: ismeretlen kapcsoló: -x\n"
                                             "A kapcsolók listája: tavik --help\n";
    QTest::newRow("a file name") << QStringList{"ujhold.txt"}
                                 << "tavik: fölösleges paraméter: ujhold.txt\n"
                                    "A kapcsolók listája: tavik --help\n";
    QTest::newRow("Qt flag with a value") << QStringList{"-reverse=1"}
                                          << "tavik: ismeretlen kapcsoló: -reverse=1\n"
                                             "A kapcsolók listája: tavik --help\n";
}

void CommandLineTest::wrongArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run r = runTavik(args);
    QCOMPARE(r.exitCode, tavik::exitWrongArgument);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, message);
}

void CommandLineTest::parser_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("wrong");
    const int run = int(CommandLine::Action::Run);
    const int help = int(CommandLine::Action::Help);
    const int error = int(CommandLine::Action::Error);
    QTest::newRow("nothing") << QStringList{} << run << "";
    QTest::newRow("Qt options") << QStringList{"-platform", "xcb", "--style=fusion", "-reverse"} << run << "";
    QTest::newRow("help wins over what follows") << QStringList{"--help", "--nincs"} << help << "";
    QTest::newRow("first wrong one") << QStringList{"-reverse", "--nincs", "-x"} << error << "--nincs";
    QTest::newRow("a lone dash") << QStringList{"-"} << error << "-";
    QTest::newRow("value of a Qt option is skipped") << QStringList{"-style", "--help"} << run << "";
}

void CommandLineTest::parser()
{
    QFETCH(QStringList, args);
    QFETCH(int, action);
    QFETCH(QString, wrong);
    const CommandLine line = tavik::parseCommandLine(args);
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.wrongArgument, wrong);
}

void CommandLineTest::hungarianInterface()
{
    QVERIFY(tavik::interfaceIsHungarian(QLocale(QLocale::Hungarian, QLocale::Hungary)));
    QVERIFY(tavik::interfaceIsHungarian(QLocale::c()));
    QVERIFY(!tavik::interfaceIsHungarian(QLocale(QLocale::English, QLocale::UnitedStates)));
    QVERIFY(!tavik::interfaceIsHungarian(QLocale(QLocale::German, QLocale::Germany)));
}

void CommandLineTest::qtTextsStayWithoutHungarian()
{
    QVERIFY(!tavik::installQtTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
}

void CommandLineTest::qtTextsMissingFileIsSilent()
{
    QTemporaryDir empty;
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QVERIFY(!tavik::installQtTranslation(QLocale(QLocale::Hungarian), empty.path()));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
}

void CommandLineTest::qtTextsHungarianContextMenu()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_hu.qm")))
        QSKIP("qtbase_hu.qm is not installed (qt6-translations-l10n)");
    QVERIFY(tavik::installQtTranslation(QLocale::c()));
    QLineEdit box;
    box.setText(QStringLiteral("Hold"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts.append(a->text().section(u'\t', 0, 0));   // without the shortcut
    QCOMPARE(texts, (QStringList{"&Visszavonás", "Új&ra", "&Kivágás", "&Másolás", "&Beillesztés", "Törlés",
                                 "Összes kijelölése"}));
}

void CommandLineTest::everyWindowHasTheProgramIcon()
{
    QVERIFY(QApplication::windowIcon().isNull());
    tavik::installProgramIcon();
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             QImage(QStringLiteral(":/tavik.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Neither the main window nor the companion windows set an icon of their
    // own; they show the program's.
    QTemporaryDir data;
    QVERIFY(data.isValid());
    tavik::A main(tavik::MainWindowEnvironment{tavik::DataFolders(data.path()),
                                               tavik::RegionalSettings::hungarian(), {}, {}});
    QVERIFY(!main.windowIcon().isNull());
    tavik::AboutWindow about;
    tavik::CalendarWindow calendar;
    tavik::DescriptionWindow description;
    QDialog other;
    for (const QWidget* w :
         std::initializer_list<const QWidget*>{&main, &about, &calendar, &description, &other})
        QCOMPARE(w->windowIcon().cacheKey(), icon.cacheKey());
}

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
