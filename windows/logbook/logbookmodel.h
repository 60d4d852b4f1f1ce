// The logbook as a table for the window: one row per attempt, the columns
// the hunter sorts and filters by. Sorting reads Qt::UserRole: numbers.
#pragma once

#include <attempt.h>

#include <QAbstractTableModel>
#include <QList>

namespace tavik {

class LogbookModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Site, ResultColumn, Age, Lag, Q, V, Flags, ColumnCount };

    explicit LogbookModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setEntries(QList<logbook::LogEntry> entries);
    const QList<logbook::LogEntry>& entries() const noexcept { return m_entries; }
    const logbook::LogEntry& entryAt(int row) const { return m_entries.at(row); }
    // The row of the entry with that id, -1 when there is none.
    int rowOf(qint64 id) const;
    void append(const logbook::LogEntry& entry);
    void replace(int row, const logbook::LogEntry& entry);
    void removeAt(int row);

private:
    QList<logbook::LogEntry> m_entries;
};

}  // namespace tavik
