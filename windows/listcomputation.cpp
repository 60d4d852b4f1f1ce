#include "listcomputation.h"

#include "filefaults.h"

#include <QProgressDialog>

namespace tavik {

using namespace almanac;

ListComputation::ListComputation(const Ephemeris& eph, QList<ListJobItem> items, QObject* parent)
    : QObject(parent)
    , m_eph(eph)
    , m_items(std::move(items))
{
}

ListComputation::~ListComputation()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void ListComputation::start()
{
    m_worker = std::thread([this] {
        const ListJobResult result = runListJob(m_eph, m_items, m_cancel, [this](int list, int done, int total) {
            QMetaObject::invokeMethod(this, [this, list, done, total] { report(list, done, total); },
                                      Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(this, [this, result] { finish(result); }, Qt::QueuedConnection);
    });
}

void ListComputation::cancel()
{
    m_cancel = true;
    if (m_dialog)
        m_dialog->setLabelText(QStringLiteral("Megszakítás…"));
}

QProgressDialog* ListComputation::showProgress(QWidget* parent)
{
    auto* d = new QProgressDialog(parent);
    d->setObjectName(QStringLiteral("listProgress"));
    d->setWindowTitle(QStringLiteral("Listák számítása"));
    d->setWindowModality(Qt::WindowModal);
    d->setCancelButtonText(QStringLiteral("&Mégse"));
    d->setAutoClose(false);
    d->setAutoReset(false);
    d->setMinimumDuration(0);
    d->setAccessibleName(QStringLiteral("A listák számításának állása"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QProgressDialog::canceled, this, &ListComputation::cancel);
    m_dialog = d;
    report(0, 0, 1);
    d->show();
    return d;
}

void ListComputation::report(int list, int done, int total)
{
    if (m_dialog && !m_cancel) {
        m_dialog->setLabelText(QStringLiteral("%1 (%2. lista az %3 közül)")
                                   .arg(m_items.value(list).fileName)
                                   .arg(list + 1)
                                   .arg(m_items.size()));
        m_dialog->setMaximum(total);
        m_dialog->setValue(done);
    }
    Q_EMIT progressed(list, done, total);
}

void ListComputation::finish(const ListJobResult& result)
{
    if (m_worker.joinable())
        m_worker.join();
    m_done = true;
    if (m_dialog)
        m_dialog->close();
    Q_EMIT finished(result);
}

QString listJobMessage(const ListJobResult& result)
{
    const QString unchanged = QStringLiteral("A listák változatlanok maradtak.");
    switch (result.outcome) {
    case ListJobOutcome::Done: return {};
    case ListJobOutcome::Cancelled: return QStringLiteral("A számítás megszakítva. ") + unchanged;
    case ListJobOutcome::EphemerisFault:
        return hungarianArticle(result.fileName) + QStringLiteral(" '%1' lista nem számítható ki: %2\n")
                                                         .arg(result.fileName, result.message)
               + unchanged;
    case ListJobOutcome::WriteFault: break;
    }
    QString text = describeFileFault(result.status) + u'\n';
    if (result.restore.ok())
        return text + unchanged;
    return text + QStringLiteral("Egy korábbi lista nem állítható vissza:\n") + describeFileFault(result.restore);
}

}  // namespace tavik
