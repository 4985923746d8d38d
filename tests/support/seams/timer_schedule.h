#pragma once

#include <QVector>

#include <functional>

class QTimer;

// Timers played in simulated time, so a test sees a stretch of seconds
// without waiting for it: each running timer fires when its interval has
// passed since it started (or changed its interval) or last fired, earliest
// first, timers due together in the order they were added. A timer is read
// through functions, so the same schedule plays a window's QTimers or the
// timers a model asks its window to keep.
class TimerSchedule
{
public:
    struct Timer
    {
        std::function<bool()> running;
        std::function<int()> intervalMs;
        std::function<void()> fire;
    };
    // A QTimer, fired through its timeout signal.
    static Timer of(QTimer *timer);

    void add(Timer timer);
    // Plays every timeout that falls within the next ms milliseconds.
    void run(int ms);
    qint64 nowMs() const { return m_now; }

private:
    struct Entry
    {
        Timer timer;
        bool running = false;
        int intervalMs = 0;
        qint64 dueMs = 0;
    };
    // Starts the period of a timer that has started or changed its interval
    // since the last look, and forgets a stopped one.
    void lookAtTimers();

    QVector<Entry> m_entries;
    qint64 m_now = 0;
};
