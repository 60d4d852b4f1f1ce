// Start-up timing for the benchmark: with TAVIK_EXIT_AFTER_FIRST_PAINT set, the
// program prints the wall-clock time of its first painted frame and quits.
// Header only, so that the benchmark's empty window uses the same code.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace tavik {

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window) {
            m_seen = true;
            // Reported once the whole frame has been painted and flushed.
            QTimer::singleShot(0, this, &FirstPaintProbe::report);
        }
        return false;
    }

private:
    void report()
    {
        std::printf("first-paint-ns %lld\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000000LL);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget* m_window;
    bool m_seen = false;
};

inline void exitAfterFirstPaintIfAsked(QWidget* window)
{
    if (qEnvironmentVariableIsEmpty("TAVIK_EXIT_AFTER_FIRST_PAINT"))
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(window));
}

}  // namespace tavik
