#include "datafolders.h"

#include "datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

namespace tavik {

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
    return forProgram(executableDir,
                      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
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
