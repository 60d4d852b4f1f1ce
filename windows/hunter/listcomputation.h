// The five lists computed for the visibility window's site in a worker
// thread, with a progress dialog per list that can cancel the work. The
// worker sets the ephemeris up for its own thread and closes its files when
// done (the library's state is per thread).
#pragma once

#include "listjob.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <atomic>
#include <mutex>
#include <memory>

class QProgressDialog;
class QPushButton;
class QWidget;

namespace tavik {

class ListComputation : public QObject {
    Q_OBJECT
public:
    // The dialog, when given, follows the work; the ephemeris is used by the
    // worker alone until finished() is emitted.
    ListComputation(const almanac::Ephemeris& eph, QList<almanac::ListJobItem> items, QObject* parent = nullptr);
    ~ListComputation() override;

    void start();
    void cancel();
    bool running() const { return m_started && !m_done; }
    // Shows a dialog on the parent that follows the lists and cancels them.
    QProgressDialog* showProgress(QWidget* parent);
    const QList<almanac::ListJobItem>& items() const noexcept { return m_items; }

Q_SIGNALS:
    void progressed(int list, int done, int total);
    void finished(const tavik::almanac::ListJobResult& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void post(int list, int done, int total);   // on the worker
    void report(int list, int done, int total);
    void finish(const almanac::ListJobResult& result);

    almanac::Ephemeris m_eph;
    QList<almanac::ListJobItem> m_items;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_reportPending{false};
    std::mutex m_latestMutex;
    std::array<int, 3> m_latest{};   // list, done, total
    bool m_started = false;
    bool m_done = false;
    QPointer<QProgressDialog> m_dialog;
    // The dialog as the event filter compares it: a QPointer must not be read
    // while its object is being destroyed, and the filter still sees events then.
    const QObject* m_filtered = nullptr;
    QPointer<QPushButton> m_cancelButton;
};

// The sentence for a job's end: empty when all went well.
QString listJobMessage(const almanac::ListJobResult& result);

}  // namespace tavik
