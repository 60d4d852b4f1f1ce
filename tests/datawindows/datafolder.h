// Test fixtures for the windows that use data files: a temporary data folder
// holding real files, and a log of the messages the windows give.
#pragma once

#include "datafolders.h"
#include "messages.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <utility>

namespace tavik::testing {

// A data folder "Pic" inside a temporary folder, removed with the fixture.
class DataFolder {
public:
    DataFolder() { QDir(m_root.path()).mkdir(QStringLiteral("Pic")); }
    QString path() const { return m_root.filePath(QStringLiteral("Pic")); }
    tavik::DataFolders folders() const { return tavik::DataFolders(path()); }
    QString filePath(const QString& name) const { return path() + u'/' + name; }

    bool write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(filePath(name));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }
    // The file's bytes; an empty value with *exists false when there is no file.
    QByteArray bytes(const QString& name, bool* exists = nullptr) const
    {
        QFile f(filePath(name));
        const bool ok = f.open(QIODevice::ReadOnly);
        if (exists)
            *exists = ok;
        return ok ? f.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFile::exists(filePath(name)); }
    bool removeFolder() const { return QDir(path()).removeRecursively(); }
    // The data folder's place taken by a regular file: nothing can be written in it.
    bool replaceFolderWithFile() const
    {
        if (!removeFolder())
            return false;
        QFile f(path());
        return f.open(QIODevice::WriteOnly) && f.write("not a folder") > 0;
    }

private:
    QTemporaryDir m_root;
};

// A message where none is expected fails the running test instead of opening
// a box that would wait for a click. MessageLog goes back to this guard.
inline void failOnMessages()
{
    setMessageObserver([](MessageIcon, const QString& text) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message: ") + text), __FILE__, __LINE__);
    });
}

struct Message {
    MessageIcon icon;
    QString text;
    bool windowShown;  // was a window of the watched name visible at that moment
};

// Collects every message instead of showing a box, noting whether the window
// named `watched` was already on screen when it came.
class MessageLog {
public:
    explicit MessageLog(QString watched = QString())
        : m_watched(std::move(watched))
    {
        setMessageObserver([this](MessageIcon icon, const QString& text) {
            m_messages.append({icon, text, watchedVisible()});
        });
    }
    ~MessageLog() { failOnMessages(); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    const QList<Message>& messages() const noexcept { return m_messages; }
    int count() const noexcept { return static_cast<int>(m_messages.size()); }
    QString lastText() const { return m_messages.isEmpty() ? QString() : m_messages.last().text; }
    void clear() { m_messages.clear(); }

private:
    bool watchedVisible() const
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == m_watched && w->isVisible())
                return true;
        }
        return false;
    }

    QString m_watched;
    QList<Message> m_messages;
};

// Runs the deferred deletions of windows closed with WA_DeleteOnClose.
inline void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace tavik::testing
