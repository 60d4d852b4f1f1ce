// What the program does before it opens a window: its command-line options,
// its data folders as --help names them, and the program's icon. The
// interface language is installed by translations/translation.h. The command line needs no display, so that
// `tavik --version` runs anywhere.
#pragma once

#include <QString>
#include <QStringList>

class QLocale;

namespace tavik {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString wrongArgument;   // for Error: the option the program does not know
};

// The arguments after the program's name. Qt's own options (-platform,
// -style, …) are left for QApplication.
CommandLine parseCommandLine(const QStringList& arguments);

// "Tavik 1.4.6" and a line with the title as the main window shows it.
QString versionText();
// In the interface language: what the program is, its options and its data folder.
QString helpText(const QString& appDir);
// The message for an option the program does not know, ending in a newline.
QString wrongArgumentText(const QString& argument);
// Exit codes: the program ran or printed what was asked; a wrong option.
constexpr int exitWrongArgument = 2;

// Where the data files are, for a program started from appDir: the Pic folder
// beside the executable (portable use), or else the user's own folder for
// writes and first reads and the shipped one for reads.
QString describeDataFolders(const QString& appDir);

// The user interface speaks Hungarian under a Hungarian or a C/POSIX locale.
bool interfaceIsHungarian(const QLocale& locale);
// Installs Qt's own Hungarian texts (qtbase_hu.qm from folder) when the user
// interface is Hungarian, so that context menus and standard buttons read
// Hungarian. A missing file changes nothing and is not reported. Needs a
// QCoreApplication; returns whether a translation was installed.
bool installQtTranslation(const QLocale& locale, const QString& folder);
// The same from Qt's own translations folder.
bool installQtTranslation(const QLocale& locale);

// The program's icon for every window of it, set once for the application:
// neither the main window nor its companions set one of their own. Needs a
// QApplication.
void installProgramIcon();

}  // namespace tavik
