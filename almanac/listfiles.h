// The five files the almanac writes into the data folder: their names, their
// default spans of years, and the writing (Windows-1250, CR LF).
#pragma once

#include "lists.h"

#include <datafiles.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tavik::almanac {

enum class ListKind { NewMoons, Crescents, SolarEclipses, LunarEclipses, Venus };

struct ListFileInfo {
    ListKind kind;
    QString name;        // the name on the command line: "ujholdak"
    QString fileName;    // "ujholdak.txt"
    int defaultFrom;
    int defaultTo;
};

const QList<ListFileInfo>& listFileInfos();
const ListFileInfo* findListFile(const QString& name);   // by name, with or without ".txt"

// The lines of one list, written by the words layer (words::listLines); an
// ephemeris fault throws EphemerisError.
using ListLines = std::function<QStringList(ListKind kind, const Ephemeris& eph, const ListSettings& s)>;

// The lines, each ended by CR LF, in Windows-1250, replacing the file whole.
FileStatus writeListFile(const QString& path, const QStringList& lines);

}  // namespace tavik::almanac
