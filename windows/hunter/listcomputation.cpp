#include "listcomputation.h"

#include "almanacterms.h"
#include "backgroundwork.h"
#include "filefaults.h"
#include "listwords.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressDialog>
#include <QPushButton>

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
    stopBackgroundWork(this);
}

void ListComputation::start()
{
    m_started = true;
    auto result = std::make_shared<ListJobResult>();
    runAndDeliver(this, [this, result] {
        // This thread's own set-up of the library, its files closed
        // before the window hears that the lists are done.
        const EphemerisThread library(m_eph);
        *result = runListJob(m_eph, m_items, words::listLines, m_cancel,
                             [this](int list, int done, int total) { post(list, done, total); });
    }, [this, result] { finish(*result); });
}

void ListComputation::post(int list, int done, int total)
{
    // One report waits in the window's queue at most, with the latest step:
    // a modal progress dialog handles events inside setValue(), and a queue
    // of steps would be worked through there, one nested in the other.
    {
        const std::lock_guard lock(m_latestMutex);
        m_latest = {list, done, total};
    }
    if (m_reportPending.exchange(true))
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_reportPending = false;
        std::array<int, 3> step;
        {
            const std::lock_guard lock(m_latestMutex);
            step = m_latest;
        }
        report(step[0], step[1], step[2]);
    }, Qt::QueuedConnection);
}

void ListComputation::cancel()
{
    m_cancel = true;
    if (m_dialog && !m_done) {
        m_dialog->setLabelText(tr("Megszakítás…"));
        if (m_cancelButton)
            m_cancelButton->setEnabled(false);
    }
}

bool ListComputation::eventFilter(QObject* watched, QEvent* event)
{
    // Closed from the title bar, the dialog only cancels: it stays until the
    // worker has stopped.
    if (watched != m_filtered)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Close && !m_done) {
        cancel();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QProgressDialog* ListComputation::showProgress(QWidget* parent)
{
    auto* d = new QProgressDialog(parent);
    d->setObjectName(QStringLiteral("listProgress"));
    d->setWindowTitle(tr("Listák számítása"));
    d->setWindowModality(Qt::WindowModal);
    m_cancelButton = new QPushButton(tr("&Mégse"), d);
    d->setCancelButton(m_cancelButton);
    d->setAutoClose(false);
    d->setAutoReset(false);
    d->setMinimumDuration(0);
    d->setAccessibleName(tr("A listák számításának állása"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog would hide itself on a cancel; it is closed when the worker
    // has stopped instead.
    disconnect(d, &QProgressDialog::canceled, d, nullptr);
    connect(d, &QProgressDialog::canceled, this, &ListComputation::cancel);
    d->installEventFilter(this);
    m_filtered = d;
    connect(d, &QObject::destroyed, this, [this] { m_filtered = nullptr; });
    m_dialog = d;
    report(0, 0, 1);
    d->show();
    return d;
}

void ListComputation::report(int list, int done, int total)
{
    if (m_dialog && !m_cancel) {
        m_dialog->setLabelText(tr("%1 (%2. lista az %3 közül)")
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
    m_done = true;
    if (m_dialog)
        m_dialog->close();
    Q_EMIT finished(result);
}

QString listJobMessage(const ListJobResult& result)
{
    const auto say = [](const char* text) { return QCoreApplication::translate("tavik::ListComputation", text); };
    const QString unchanged = say(QT_TRANSLATE_NOOP("tavik::ListComputation", "A listák változatlanok maradtak."));
    switch (result.outcome) {
    case ListJobOutcome::Done: return {};
    case ListJobOutcome::Cancelled:
        return say(QT_TRANSLATE_NOOP("tavik::ListComputation", "A számítás megszakítva. ")) + unchanged;
    case ListJobOutcome::EphemerisFault:
        // %1 is the Hungarian article of the file name; the English leaves it out.
        return fillIn(say(QT_TRANSLATE_NOOP("tavik::ListComputation", "%1 '%2' lista nem számítható ki: %3\n")),
                      {hungarianArticle(result.fileName), result.fileName,
                       result.ephemeris ? words::ephemerisFaultText(*result.ephemeris) : QString()})
               + unchanged;
    case ListJobOutcome::WriteFault: break;
    }
    QString text = describeFileFault(result.status) + u'\n';
    if (result.restore.ok())
        return text + unchanged;
    return text + say(QT_TRANSLATE_NOOP("tavik::ListComputation", "Egy korábbi lista nem állítható vissza:\n")) + describeFileFault(result.restore);
}

}  // namespace tavik
