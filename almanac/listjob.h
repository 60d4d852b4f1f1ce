// The five lists computed for one site and written together: all of them
// into memory first, a year at a time so that a cancel is heard soon, then
// every file replaced; a write that fails puts back those already replaced,
// so the data folder holds either all the new lists or all the old ones.
#pragma once

#include "listfiles.h"

#include <atomic>
#include <functional>

namespace tavik::almanac {

struct ListJobItem {
    ListKind kind;
    QString fileName;      // "holdsarlok.txt", for messages
    QString path;          // where it is written
    ListSettings settings;
};

enum class ListJobOutcome { Done, Cancelled, EphemerisFault, WriteFault };

struct ListJobResult {
    ListJobOutcome outcome = ListJobOutcome::Done;
    QString fileName;      // the list that failed
    FileStatus status;     // the failed write, or the read of a file to be replaced
    FileStatus restore;    // not ok when an old file could not be put back
    std::optional<EphemerisError> ephemeris;   // the ephemeris' fault (words::ephemerisFaultText says it)
};

// list: index into the items; done of total steps (years) of that list.
using ListJobProgress = std::function<void(int list, int done, int total)>;

// The rows above the first event: 0 for the new moons, else the heading rows.
int listHeadingRows(ListKind kind);

// The list for the settings' years, one year at a time; none when cancel was
// set. Equal to lines() for the same settings. Throws EphemerisError.
std::optional<QStringList> listLinesByYear(ListKind kind, const Ephemeris& eph, const ListSettings& s,
                                           const ListLines& lines, const std::atomic<bool>& cancel,
                                           const std::function<void(int done, int total)>& progress = {});

// The items for the five lists in the data folder's files, for the site.
QList<ListJobItem> listJobItems(const std::function<QString(const QString&)>& writePath, const ListSettings& site);

// lines: the words layer's writing of each list (words::listLines).
ListJobResult runListJob(const Ephemeris& eph, const QList<ListJobItem>& items, const ListLines& lines,
                         const std::atomic<bool>& cancel, const ListJobProgress& progress = {});

}  // namespace tavik::almanac
