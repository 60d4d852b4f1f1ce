#include "datafolders.h"

#include "datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tavik {

namespace {

// A folder named by the environment: only an absolute path whose bytes the
// file-name encoding gives back unchanged, so that every file made below it
// lands where the user meant (a relative one would follow the working folder).
std::optional<QString> absoluteFolder(const QByteArray& bytes)
{
    if (!bytes.startsWith('/'))
        return std::nullopt;
    QString folder = QFile::decodeName(bytes);
    if (QFile::encodeName(folder) != bytes)
        return std::nullopt;
    return folder;
}

// $HOME, or the home folder of the user's account when it is unset or unusable.
QString homeFolder()
{
    if (std::optional<QString> home = absoluteFolder(qgetenv("HOME")))
        return *home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found
        && found->pw_dir) {
        if (std::optional<QString> home = absoluteFolder(QByteArray(found->pw_dir)))
            return *home;
    }
    return QDir::homePath();
}

}  // namespace

DataFolders::DataFolders(QString folder)
    : m_user(std::move(folder))
{
}

DataFolders::DataFolders(QString userFolder, QString shippedFolder)
    : m_user(std::move(userFolder))
    , m_shipped(std::move(shippedFolder))
{
}

DataFolders DataFolders::forProgram(const QString& executableDir, const QString& userDataHome)
{
    const QDir dir(executableDir);
    if (QFileInfo(dir.filePath(QStringLiteral("Pic"))).isDir())
        return DataFolders(QDir::cleanPath(dir.filePath(QStringLiteral("Pic"))));
    return DataFolders(QDir::cleanPath(userDataHome + QStringLiteral("/tavik/Pic")),
                       QDir::cleanPath(dir.filePath(QStringLiteral("../share/tavik/Pic"))));
}

DataFolders DataFolders::forProgram(const QString& executableDir)
{
    return forProgram(executableDir, userDataHome());
}

QString DataFolders::userDataHome()
{
    return desktopFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QString desktopFolder(const char* variable, const QString& belowHome)
{
    if (std::optional<QString> folder = absoluteFolder(qgetenv(variable)))
        return *folder;
    return homeFolder() + belowHome;
}

DataFolders DataFolders::system()
{
    return forProgram(QCoreApplication::applicationDirPath());
}

QString DataFolders::readPath(const QString& fileName) const
{
    const QString own = dataFilePath(m_user, fileName);
    if (portable() || QFileInfo::exists(own))
        return own;
    const QString shipped = dataFilePath(m_shipped, fileName);
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString DataFolders::writePath(const QString& fileName) const
{
    // A failed mkpath shows in the write that follows, with its reason.
    if (!portable() && !QFileInfo::exists(m_user))
        QDir().mkpath(m_user);
    return dataFilePath(m_user, fileName);
}

}  // namespace tavik
