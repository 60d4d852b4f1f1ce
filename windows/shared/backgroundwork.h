// Work off the window thread, the program's one way, in two shapes: a QFuture
// from a pool of the program's own (runInBackground: progress, cancel and the
// result through a QPromise and a QFutureWatcher), or a run on a thread of
// its own that reports to its owner (runAndDeliver: for work that sets up
// per-thread state). Either way the result is taken on the window's thread,
// and a window ends all its work before its members go.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace tavik {

// The pool the windows' work runs on. Room for a few jobs at once: a view's
// new work starts while the cancelled one is still winding down, and the map
// engine runs threads of its own below it.
inline QThreadPool* backgroundPool()
{
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(std::max(8, QThread::idealThreadCount()));
        return true;
    }();
    Q_UNUSED(sized);
    return &pool;
}

// Starts function(args...) on the pool; a function taking a QPromise& first
// reports progress and sees a cancel through it.
template <typename Function, typename... Args>
auto runInBackground(Function&& function, Args&&... args)
{
    return QtConcurrent::run(backgroundPool(), std::forward<Function>(function), std::forward<Args>(args)...);
}

// Runs work() on a thread of its own and calls done() on owner's thread once
// that thread has ended (its per-thread state, the ephemeris library's
// files among it, gone with it), unless the owner has stopped its work first.
// The thread object is the owner's child and goes with the run.
template <typename Work, typename Done>
void runAndDeliver(QObject* owner, Work&& work, Done&& done)
{
    QThread* thread = QThread::create(std::forward<Work>(work));
    thread->setParent(owner);
    QObject::connect(thread, &QThread::finished, owner, [thread, done = std::forward<Done>(done)]() mutable {
        thread->wait();
        thread->deleteLater();
        done();
    });
    thread->start();
}

// For an owner's destructor: no more done() calls, and every run started with
// runAndDeliver(owner, …) has ended. The caller tells its work to stop first.
inline void stopBackgroundWork(QObject* owner)
{
    const auto threads = owner->findChildren<QThread*>(Qt::FindDirectChildrenOnly);
    for (QThread* t : threads)
        t->disconnect(owner);
    for (QThread* t : threads) {
        t->wait();
        delete t;
    }
}

}  // namespace tavik
