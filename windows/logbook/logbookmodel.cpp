#include "logbookmodel.h"

#include "almanacterms.h"

#include <lists.h>
#include <logbookwords.h>
#include <wordslanguage.h>

#include <QCoreApplication>

#include <bit>
#include <cmath>

namespace tavik {

using namespace logbook;

namespace {

QString decimal(double v, int decimals)
{
    return words::decimalText(v, decimals);
}

}  // namespace

LogbookModel::LogbookModel(QObject* parent) : QAbstractTableModel(parent) {}

int LogbookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int LogbookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogbookModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const LogEntry& e = m_entries.at(index.row());
    const Attempt& a = e.attempt;
    const Circumstances& c = e.computed;
    if (role == Qt::UserRole) {
        switch (index.column()) {
        case Date: return c.atJd;
        case Site: return a.site.name;
        case ResultColumn: return int(a.result);
        case Age: return c.ageHours;
        case Lag: return c.lagMinutes ? *c.lagMinutes : -1e9;
        case Q: return c.q;
        case V: return c.v;
        case Flags: return std::popcount(c.flags);
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Age && index.column() <= V ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                            : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Flags)
        return flagSentences(c.flags, a.evening).join(u'\n');
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date: {
        QString text = words::Language::date(a.date);
        text += a.time ? u' ' + a.time->toString(QStringLiteral("HH:mm"))
                       : QCoreApplication::translate("Logbook", " (legjobb időpont)");
        return text;
    }
    case Site: return a.site.name;
    case ResultColumn: return resultLabel(a.result);
    case Age: return decimal(c.ageHours, 1);
    case Lag: return c.lagMinutes ? decimal(*c.lagMinutes, 0) : QStringLiteral("–");
    case Q: return decimal(c.q, 3) + QStringLiteral(" (") + almanac::yallopLetter(c.yallop) + u')';
    case V: return decimal(c.v, 2) + QStringLiteral(" (") + almanac::odehLetter(c.odeh) + u')';
    case Flags: {
        const int flags = std::popcount(c.flags);
        return flags ? QCoreApplication::translate("Logbook", "%n jelzés", nullptr, flags) : QString();
    }
    default: return {};
    }
}

QVariant LogbookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeaders[] = {
        QT_TRANSLATE_NOOP("Logbook", "Dátum"),   QT_TRANSLATE_NOOP("Logbook", "Hely"),
        QT_TRANSLATE_NOOP("Logbook", "Eredmény"), QT_TRANSLATE_NOOP("Logbook", "Kor (óra)"),
        QT_TRANSLATE_NOOP("Logbook", "Késés (perc)"), QT_TRANSLATE_NOOP("Logbook", "Yallop q"),
        QT_TRANSLATE_NOOP("Logbook", "Odeh V"),   QT_TRANSLATE_NOOP("Logbook", "Jelzések"),
    };
    static_assert(std::size(kHeaders) == ColumnCount);
    return section >= 0 && section < ColumnCount ? QCoreApplication::translate("Logbook", kHeaders[section])
                                                 : QString();
}

void LogbookModel::setEntries(QList<LogEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int LogbookModel::rowOf(qint64 id) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).id == id)
            return int(i);
    }
    return -1;
}

void LogbookModel::append(const LogEntry& entry)
{
    beginInsertRows({}, int(m_entries.size()), int(m_entries.size()));
    m_entries.append(entry);
    endInsertRows();
}

void LogbookModel::replace(int row, const LogEntry& entry)
{
    m_entries[row] = entry;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void LogbookModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

}  // namespace tavik
