#include "startup.h"
#include "backgroundwork.h"
#include "firstpaint.h"
#include "mainwindow.h"
#include "style.h"
#include "translation.h"
#include "ui.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>
#include <fontconfig/fontconfig.h>

namespace {

// The program's folder from argv[0], before any QCoreApplication exists; only
// --help uses it, to name the data folder.
QString programFolder(const char* argv0)
{
    QFileInfo exe(QStringLiteral("/proc/self/exe"));
    if (exe.exists())
        return QFileInfo(exe.symLinkTarget()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

// Preloading, the one place for it: the main window's constructor only builds
// widgets. Loading the font configuration (fontconfig parses its files and
// reads its cache) is a third of the start-up and needs no Qt; the background
// pool does it while QApplication connects to the display. The main thread
// meanwhile decodes the banner into Qt's pixmap cache, where the main window
// finds it, and then waits: a first font before the configuration is ready
// would load it a second time.
class Preloading {
public:
    Preloading()
        : m_fonts(tavik::runInBackground([] { FcInit(); }))
    {
    }

    // After QApplication, before the first font.
    void finish()
    {
        QPixmap(QStringLiteral(":/banner.jpg"));
        m_fonts.waitForFinished();
    }

private:
    QFuture<void> m_fonts;
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// What the command line asks for instead of the window, in the interface language.
int printCommandLineAnswer(const tavik::CommandLine& line, const char* argv0)
{
    switch (line.action) {
    case tavik::CommandLine::Action::Version:
        print(stdout, tavik::versionText());
        return 0;
    case tavik::CommandLine::Action::Help:
        print(stdout, tavik::helpText(programFolder(argv0)));
        return 0;
    case tavik::CommandLine::Action::Error:
        print(stderr, tavik::wrongArgumentText(line.wrongArgument));
        return tavik::exitWrongArgument;
    case tavik::CommandLine::Action::Run:
        break;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The options are read before QApplication, which needs a display:
    // `tavik --version` and `tavik --help` work on a plain console too.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // tavik.conf is read once: for the translators and for the language menu.
    const tavik::LanguageChoice choice = tavik::readLanguageChoice(tavik::siteConfigPath());
    const tavik::InterfaceLanguage language = tavik::interfaceLanguage(choice, tavik::environmentLanguage());
    const auto line = tavik::parseCommandLine(arguments);
    if (line.action != tavik::CommandLine::Action::Run) {
        // Translators need an application, which needs no display.
        QCoreApplication console(argc, argv);
        tavik::installInterfaceLanguage(language);
        return printCommandLineAnswer(line, argv[0]);
    }

    Preloading preloading;
    QApplication app(argc, argv);
    tavik::installInterfaceLanguage(language);

    QApplication::setApplicationName(QStringLiteral(TAVIK_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));
    tavik::installProgramIcon();
    preloading.finish();
    QApplication::setStyle(new tavik::TavikStyle);
    // The forms' own default face; it also spares loading a further font file.
    QApplication::setFont(tavik::ui::font(QStringLiteral("MS Sans Serif"), 8.25));
    tavik::MainWindowEnvironment env = tavik::MainWindowEnvironment::system();
    env.language = choice;
    auto* w = new tavik::A(std::move(env));
    w->setAttribute(Qt::WA_DeleteOnClose);
    tavik::exitAfterFirstPaintIfAsked(w);
    w->show();
    return app.exec();
}
