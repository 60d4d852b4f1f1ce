// The temporary files that copies of the program killed while saving left
// behind, and which of them may be removed.
#include "fileaccess.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace tavik::detail {

namespace {

// A save takes seconds at most; a temporary file older than this has no live
// save behind it, whichever process (or container) made it.
constexpr qint64 kStaleAfterSeconds = 3600;

// The files the program writes into a data folder, in lower case: only their
// temporaries can be the program's own. A folder a note is linked into holds
// the user's other files, whose names may look the same otherwise.
const QStringList& ownDataFileNames()
{
    static const QStringList names{
        QStringLiteral("ujhold.txt"),     QStringLiteral("utolso.txt"),
        QStringLiteral("szamitott.txt"),  QStringLiteral("jegyzetek.txt"),
        QStringLiteral("naplo-tavik.txt"), QStringLiteral("ujholdak.txt"),
        QStringLiteral("holdsarlok.txt"), QStringLiteral("napfogyik.txt"),
        QStringLiteral("holdfogyik.txt"), QStringLiteral("venusz.txt"),
        QStringLiteral("tavik.conf"),
    };
    return names;
}

// ".<own data file name>.tavik-<process id>-<6 letters or digits>", the name
// replaceWholeFileBytes gives its temporary file through mkstemp; besides the
// data files, the file being written (a map, a list) is known to be ours.
bool hasTemporaryName(const QString& name, const QString& target)
{
    static const QString marker = QStringLiteral(".tavik-");
    const qsizetype at = name.lastIndexOf(marker);
    if (!name.startsWith(u'.') || at <= 1)
        return false;
    const QStringView rest = QStringView(name).sliced(at + marker.size());
    const qsizetype dash = rest.indexOf(u'-');
    if (dash <= 0 || rest.size() - dash - 1 != 6)
        return false;
    bool number = false;
    if (rest.left(dash).toLongLong(&number) <= 0 || !number)
        return false;
    for (const QChar c : rest.sliced(dash + 1)) {
        if (c.unicode() > 0x7f || !c.isLetterOrNumber())
            return false;
    }
    const QString of = name.sliced(1, at - 1);
    return of == target || ownDataFileNames().contains(of.toLower());
}

bool isStale(const struct stat& st)
{
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
           && qint64(now.tv_sec) - qint64(st.st_mtime) >= kStaleAfterSeconds;
}

}  // namespace

void removeStaleTemporaries(const QString& folder, const QString& target)
{
    const Descriptor dir(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return;
    const QStringList names = QDir(folder).entryList({QStringLiteral(".*.tavik-*-??????")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QByteArray native = QFile::encodeName(name);
        struct stat st {};
        if (hasTemporaryName(name, target)
            && ::fstatat(dir.get(), native.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && isStale(st))
            ::unlinkat(dir.get(), native.constData(), 0);
    }
}

}  // namespace tavik::detail
