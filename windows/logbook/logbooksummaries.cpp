#include "logbooksummaries.h"

#include "almanacterms.h"

#include <lists.h>
#include <logbookwords.h>
#include <summaries.h>
#include <wordslanguage.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace tavik {

using namespace logbook;

namespace {

QTableView* tableOf(QWidget* parent, QStandardItemModel* model, const char* name, const QString& accessibleName)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(accessibleName);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

QLabel* noteOf(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

QString percent(int part, int whole)
{
    return whole ? words::decimalText(100.0 * part / whole, 0) + u'%' : QStringLiteral("–");
}

void fillScore(QStandardItemModel* model, const auto& rows, auto letter)
{
    model->setRowCount(int(rows.size()));
    for (int c = 0; c < int(rows.size()); ++c) {
        model->setVerticalHeaderItem(c, new QStandardItem(QString(letter(c))));
        for (int r = 0; r < kResultCount; ++r)
            model->setItem(c, r, new QStandardItem(QString::number(rows[c][r])));
    }
}

}  // namespace

PersonalRecordsPage::PersonalRecordsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sajatRekordok"));
    m_model = new QStandardItemModel(0, 4, this);
    m_model->setHorizontalHeaderLabels(
        {tr("Saját rekord"), tr("Érték"), tr("Dátum és hely"), tr("Világrekord")});
    auto* column = new QVBoxLayout(this);
    column->addWidget(tableOf(this, m_model, "rekordTabla", tr("Saját rekordok a világrekordok mellett")));
    column->addWidget(noteOf(this, tr("Csak a látott sarlók számítanak, és azok sem, amelyeknél a Hold a "
                                      "látóhatár alatt volt, a Nap előtt nyugodott, vagy az esti időpont "
                                      "az együttállás előtt volt. Az órák az együttállástól számítanak.")));
}

void PersonalRecordsPage::show(const QList<LogEntry>& entries)
{
    const QList<PersonalRecord> records = personalRecords(entries);
    m_model->setRowCount(int(records.size()));
    for (int i = 0; i < records.size(); ++i) {
        const PersonalRecord& r = records.at(i);
        const QString when = r.entry ? words::Language::date(r.entry->attempt.date) + QStringLiteral(", ")
                                           + r.entry->attempt.site.name
                                     : QString();
        const QString world = r.worldHours ? words::signedDurationText(*r.worldHours / 24.0) : QStringLiteral("–");
        const QStringList cells{personalRecordLabel(r.kind), r.entry ? personalRecordValue(r) : tr("még nincs"), when, world};
        for (int c = 0; c < cells.size(); ++c)
            m_model->setItem(i, c, new QStandardItem(cells.at(c)));
    }
}

CriteriaScorePage::CriteriaScorePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("feltetelek"));
    QStringList results;
    for (int r = 0; r < kResultCount; ++r)
        results << resultLabel(Result(r));
    m_yallop = new QStandardItemModel(0, kResultCount, this);
    m_yallop->setHorizontalHeaderLabels(results);
    m_odeh = new QStandardItemModel(0, kResultCount, this);
    m_odeh->setHorizontalHeaderLabels(results);
    m_shares = noteOf(this, QString());
    m_shares->setObjectName(QStringLiteral("talalat"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Yallop osztálya (sor) és az eredmény (oszlop):"), this));
    column->addWidget(tableOf(this, m_yallop, "yallopTabla", tr("Yallop osztálya és az eredmény")));
    column->addWidget(new QLabel(tr("Odeh zónája (sor) és az eredmény (oszlop):"), this));
    column->addWidget(tableOf(this, m_odeh, "odehTabla", tr("Odeh zónája és az eredmény")));
    column->addWidget(m_shares);
    column->addWidget(noteOf(this, scoreRule()));
}

void CriteriaScorePage::show(const QList<LogEntry>& entries)
{
    const CriteriaScore s = scoreCriteria(entries);
    fillScore(m_yallop, s.yallop, [](int c) { return almanac::yallopLetter(almanac::YallopClass(c)); });
    fillScore(m_odeh, s.odeh, [](int c) { return almanac::odehLetter(almanac::OdehZone(c)); });
    m_shares->setText(tr("%n észlelésből Yallop feltétele %1 (%2), Odeh feltétele %3 (%4) esetben jelzett helyesen.",
                         nullptr, s.counted)
                          .arg(s.yallopRight)
                          .arg(percent(s.yallopRight, s.counted))
                          .arg(s.odehRight)
                          .arg(percent(s.odehRight, s.counted)));
}

QString CriteriaScorePage::shares() const
{
    return m_shares->text();
}

}  // namespace tavik
