// Where the data files live. A folder "Pic" beside the executable makes the
// program portable: every file is read and written there. Otherwise each user
// has a folder of their own, which takes every write and is read first, and
// the folder installed with the program supplies what the user has not got.
#pragma once

#include <QString>

namespace tavik {

// A folder of the desktop's conventions: the one the environment variable
// names when it is absolute and in the file-name encoding, else the one below
// the user's home ($HOME, or the account's home when that is unset):
// desktopFolder("XDG_CONFIG_HOME", "/.config").
QString desktopFolder(const char* variable, const QString& belowHome);

class DataFolders {
public:
    // One folder, read and written (the portable layout).
    explicit DataFolders(QString folder);
    // The user's folder, made when first written to, in front of the installed
    // one, which is only ever read.
    DataFolders(QString userFolder, QString shippedFolder);

    // The layout for an executable in executableDir: "Pic" beside it when there
    // is one; otherwise "<userDataHome>/tavik/Pic" in front of
    // "<executableDir>/../share/tavik/Pic".
    static DataFolders forProgram(const QString& executableDir, const QString& userDataHome);
    // The same with the desktop's data home.
    static DataFolders forProgram(const QString& executableDir);
    // $XDG_DATA_HOME when it is an absolute path that survives the file-name
    // encoding both ways; otherwise ~/.local/share, ~ being $HOME or, without
    // a usable one, the home folder of the user's account.
    static QString userDataHome();
    // The running program's: its own folder and the desktop's data home.
    // Needs the application object.
    static DataFolders system();

    // Where to read a file: the user's copy when the user's folder holds the
    // name, otherwise the installed copy when there is one, otherwise the
    // path in the user's folder (so the file counts as missing there). Names
    // are found regardless of letter case, as dataFilePath() does.
    QString readPath(const QString& fileName) const;
    // Where to write a file: always in the user's folder, which is made first
    // when it is missing (never in the portable layout, whose folder is fixed).
    QString writePath(const QString& fileName) const;

    bool portable() const noexcept { return m_shipped.isEmpty(); }
    const QString& userFolder() const noexcept { return m_user; }
    // Empty in the portable layout.
    const QString& shippedFolder() const noexcept { return m_shipped; }

private:
    QString m_user;
    QString m_shipped;
};

}  // namespace tavik
