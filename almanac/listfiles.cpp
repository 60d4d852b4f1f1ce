#include "listfiles.h"

#include <report.h>

namespace tavik::almanac {

const QList<ListFileInfo>& listFileInfos()
{
    static const QList<ListFileInfo> infos{
        {ListKind::NewMoons, QStringLiteral("ujholdak"), QStringLiteral("ujholdak.txt"), 2020, 2050},
        {ListKind::Crescents, QStringLiteral("holdsarlok"), QStringLiteral("holdsarlok.txt"), 2025, 2035},
        {ListKind::SolarEclipses, QStringLiteral("napfogyik"), QStringLiteral("napfogyik.txt"), 2000, 2100},
        {ListKind::LunarEclipses, QStringLiteral("holdfogyik"), QStringLiteral("holdfogyik.txt"), 2000, 2100},
        {ListKind::Venus, QStringLiteral("venusz"), QStringLiteral("venusz.txt"), 2000, 2100},
    };
    return infos;
}

const ListFileInfo* findListFile(const QString& name)
{
    const QString n = name.trimmed().toLower();
    for (const ListFileInfo& s : listFileInfos()) {
        if (n == s.name || n == s.fileName)
            return &s;
    }
    return nullptr;
}

FileStatus writeListFile(const QString& path, const QStringList& lines)
{
    return replaceWholeFile(path, joinWithCrLf(lines));
}

}  // namespace tavik::almanac
