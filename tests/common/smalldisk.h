// A small tmpfs of its own for a test, so that a full disk is a real one.
// Mounting needs root; without it the test skips with the reason.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tavik::testing {

class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 256)
    {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("a small disk is mounted only when the tests run as root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                    options.constData())
            != 0) {
            m_why = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString whyNot() const { return m_why; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Fills the disk until the system refuses, and then leaves `spareBytes`
    // (rounded to whole pages) free again.
    bool fill(qint64 spareBytes = 0)
    {
        const QByteArray spareName = QFile::encodeName(filePath(QStringLiteral(".spare")));
        if (spareBytes > 0 && !writeUntilFull(spareName, spareBytes))
            return false;
        if (!writeUntilFull(QFile::encodeName(filePath(QStringLiteral(".filler"))), -1))
            return false;
        return spareBytes <= 0 || ::unlink(spareName.constData()) == 0;
    }
    // Room again, for the steps after the fault.
    void makeRoom() { ::unlink(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData()); }

    // The names in the disk's folder, without the filler: a stray temporary
    // file shows here.
    QStringList entries() const
    {
        QStringList names = QDir(path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

private:
    // Writes `limit` bytes (all it can when negative); true when it stopped
    // where it should: at the limit, or at a full disk.
    static bool writeUntilFull(const QByteArray& name, qint64 limit)
    {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'x');
        qint64 written = 0;
        bool full = false;
        while (limit < 0 || written < limit) {
            const ssize_t n = ::write(fd, block.constData(), static_cast<size_t>(block.size()));
            if (n <= 0) {
                full = errno == ENOSPC;
                break;
            }
            written += n;
        }
        ::close(fd);
        return limit < 0 ? full : written >= limit;
    }

    QTemporaryDir m_dir;
    QString m_why;
    bool m_mounted = false;
};

}  // namespace tavik::testing
