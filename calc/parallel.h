// The computing libraries' one way to start threads: a parallel loop, and a
// producer beside its caller. Work that keeps state per
// thread (the ephemeris library keeps its files and settings per thread)
// runs on threads of its own, never on the caller's, whose state it would
// otherwise close; the call returns when every thread has ended.
#pragma once

#include <QThread>

#include <algorithm>
#include <thread>
#include <utility>
#include <vector>

namespace tavik {

// How many threads a loop uses when nobody asks for a number.
inline int idealWorkerCount()
{
    return std::max(1, QThread::idealThreadCount());
}

// Runs worker(index) on `count` threads at once (at least one), index 0 to
// count - 1 (for a result slot per thread). Workers take their items from a
// counter they share, so a slow item does not hold the rest back.
template <typename Worker>
void onWorkerThreads(int count, const Worker& worker)
{
    std::vector<std::thread> threads;
    threads.reserve(std::size_t(std::max(1, count)));
    for (int t = 0; t < std::max(1, count); ++t)
        threads.emplace_back([&worker, t] { worker(t); });
    for (std::thread& t : threads)
        t.join();
}

// Runs work on a thread of its own while the caller goes on, for a producer
// whose output the caller takes as it comes (a map's table written while its
// rows are computed). The thread is joined by join() or by the destructor.
template <typename Work>
std::jthread besideCaller(Work&& work)
{
    return std::jthread(std::forward<Work>(work));
}

}  // namespace tavik
