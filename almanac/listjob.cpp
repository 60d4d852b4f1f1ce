#include "listjob.h"

#include <QFile>
#include <QFileInfo>

namespace tavik::almanac {

namespace {

// A file's bytes before the job replaced it; none when it did not exist.
struct OldFile {
    QString path;
    std::optional<QByteArray> bytes;
};

std::optional<OldFile> keepOld(const QString& path, FileStatus& status)
{
    // Where no regular file stands, the write itself tells what is there.
    if (!QFileInfo(path).isFile())
        return OldFile{path, std::nullopt};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        status.error = FileError::NotReadable;
        status.fileName = QFileInfo(path).fileName();
        status.detail = f.errorString();
        return std::nullopt;
    }
    return OldFile{path, f.readAll()};
}

FileStatus putBack(const QList<OldFile>& replaced)
{
    FileStatus worst;
    for (const OldFile& old : replaced) {
        FileStatus s;
        if (old.bytes)
            s = replaceWholeFileBytes(old.path, *old.bytes);
        else if (QFile f(old.path); !f.remove())
            s = FileStatus{FileError::NotWritable, QFileInfo(old.path).fileName(), f.errorString()};
        if (!s.ok())
            worst = s;
    }
    return worst;
}

ListJobResult writeAll(const QList<ListJobItem>& items, const QList<QStringList>& lists)
{
    ListJobResult result;
    QList<OldFile> replaced;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const std::optional<OldFile> old = keepOld(items[i].path, result.status);
        if (old)
            result.status = writeListFile(items[i].path, lists[i]);
        if (!result.status.ok()) {
            result.outcome = ListJobOutcome::WriteFault;
            result.fileName = items[i].fileName;
            result.restore = putBack(replaced);
            return result;
        }
        replaced.append(*old);
    }
    return result;
}

}  // namespace

int listHeadingRows(ListKind kind)
{
    switch (kind) {
    case ListKind::NewMoons: return 0;
    case ListKind::Venus: return 3;
    case ListKind::Crescents:
    case ListKind::SolarEclipses:
    case ListKind::LunarEclipses: break;
    }
    return 2;
}

std::optional<QStringList> listLinesByYear(ListKind kind, const Ephemeris& eph, const ListSettings& s,
                                           const std::atomic<bool>& cancel,
                                           const std::function<void(int done, int total)>& progress)
{
    const int total = s.toYear - s.fromYear + 1;
    QStringList lines;
    for (int year = s.fromYear; year <= s.toYear; ++year) {
        if (cancel.load())
            return std::nullopt;
        ListSettings one = s;
        one.fromYear = one.toYear = year;
        const QStringList part = listLines(kind, eph, one);
        lines += year == s.fromYear ? part : part.mid(listHeadingRows(kind));
        if (progress)
            progress(year - s.fromYear + 1, total);
    }
    if (cancel.load())
        return std::nullopt;
    return lines;
}

QList<ListJobItem> listJobItems(const std::function<QString(const QString&)>& writePath, const ListSettings& site)
{
    QList<ListJobItem> items;
    for (const ListFileInfo& info : listFileInfos()) {
        ListSettings s = site;
        s.fromYear = info.defaultFrom;
        s.toYear = info.defaultTo;
        items.append({info.kind, info.fileName, writePath(info.fileName), s});
    }
    return items;
}

ListJobResult runListJob(const Ephemeris& eph, const QList<ListJobItem>& items, const std::atomic<bool>& cancel,
                         const ListJobProgress& progress)
{
    QList<QStringList> lists;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ListJobItem& item = items[i];
        std::optional<QStringList> lines;
        try {
            lines = listLinesByYear(item.kind, eph, item.settings, cancel, [&](int done, int total) {
                if (progress)
                    progress(int(i), done, total);
            });
        } catch (const EphemerisError& e) {
            return ListJobResult{ListJobOutcome::EphemerisFault, item.fileName, e.message(), {}, {}};
        }
        if (!lines)
            return ListJobResult{ListJobOutcome::Cancelled, {}, {}, {}, {}};
        lists.append(*lines);
    }
    if (cancel.load())
        return ListJobResult{ListJobOutcome::Cancelled, {}, {}, {}, {}};
    return writeAll(items, lists);
}

}  // namespace tavik::almanac
