// The logbook window's two summaries: the hunter's own records beside the
// world's, and Yallop's classes and Odeh's zones against what was seen.
#pragma once

#include <attempt.h>

#include <QWidget>

class QLabel;
class QStandardItemModel;
class QTableView;

namespace tavik {

class PersonalRecordsPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonalRecordsPage(QWidget* parent = nullptr);
    void show(const QList<logbook::LogEntry>& entries);
    const QStandardItemModel* model() const noexcept { return m_model; }

private:
    QStandardItemModel* m_model = nullptr;
};

class CriteriaScorePage : public QWidget {
    Q_OBJECT
public:
    explicit CriteriaScorePage(QWidget* parent = nullptr);
    void show(const QList<logbook::LogEntry>& entries);
    const QStandardItemModel* yallopModel() const noexcept { return m_yallop; }
    const QStandardItemModel* odehModel() const noexcept { return m_odeh; }
    QString shares() const;

private:
    QStandardItemModel* m_yallop = nullptr;
    QStandardItemModel* m_odeh = nullptr;
    QLabel* m_shares = nullptr;
};

}  // namespace tavik
