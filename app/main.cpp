#include "startup.h"
#include "firstpaint.h"
#include "mainwindow.h"
#include "style.h"
#include "ui.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>

#include <cstdio>
#include <future>

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

// Start-up work that may run beside building the main window: reading the
// font list, which the text boxes' faces need first, takes a good part of the
// start-up. The main window's constructor itself only builds widgets.
[[nodiscard]] std::future<void> startPreloading()
{
    return std::async(std::launch::async, [] { QFontDatabase::families(); });
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char* argv[])
{
    // The options are read before QApplication, which needs a display:
    // `tavik --version` and `tavik --help` work on a plain console too.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    switch (const auto line = tavik::parseCommandLine(arguments); line.action) {
    case tavik::CommandLine::Action::Version:
        print(stdout, tavik::versionText());
        return 0;
    case tavik::CommandLine::Action::Help:
        print(stdout, tavik::helpText(programFolder(argv[0])));
        return 0;
    case tavik::CommandLine::Action::Error:
        print(stderr, tavik::wrongArgumentText(line.wrongArgument));
        return tavik::exitWrongArgument;
    case tavik::CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    const std::future<void> preloaded = startPreloading();
    tavik::installQtTranslation(QLocale::system());
    tavik::installProgramIcon();
    QApplication::setStyle(new tavik::TavikStyle);
    QApplication::setApplicationName(QStringLiteral(TAVIK_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));
    // The forms' own default face; it also spares loading a further font file.
    QApplication::setFont(tavik::ui::font(QStringLiteral("MS Sans Serif"), 8.25));
    auto* w = new tavik::A(tavik::MainWindowEnvironment::system());
    w->setAttribute(Qt::WA_DeleteOnClose);
    tavik::exitAfterFirstPaintIfAsked(w);
    w->show();
    return app.exec();
}
