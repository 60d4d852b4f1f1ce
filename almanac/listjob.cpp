#include "listjob.h"

namespace tavik::almanac {

namespace {

FileStatus putBack(const QList<KeptFile>& replaced)
{
    FileStatus worst;
    for (const KeptFile& old : replaced) {
        if (const FileStatus s = old.putBack(); !s.ok())
            worst = s;
    }
    return worst;
}

ListJobResult writeAll(const QList<ListJobItem>& items, const QList<QStringList>& lists)
{
    ListJobResult result;
    QList<KeptFile> replaced;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const std::optional<KeptFile> old = keepFile(items[i].path, kMaxListBytes, result.status);
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
                                           const ListLines& listLines, const std::atomic<bool>& cancel,
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

ListJobResult runListJob(const Ephemeris& eph, const QList<ListJobItem>& items, const ListLines& listLines,
                         const std::atomic<bool>& cancel, const ListJobProgress& progress)
{
    QList<QStringList> lists;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ListJobItem& item = items[i];
        std::optional<QStringList> lines;
        try {
            lines = listLinesByYear(item.kind, eph, item.settings, listLines, cancel, [&](int done, int total) {
                if (progress)
                    progress(int(i), done, total);
            });
        } catch (const EphemerisError& e) {
            return ListJobResult{ListJobOutcome::EphemerisFault, item.fileName, {}, {}, e};
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
