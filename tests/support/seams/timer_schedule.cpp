#include "support/seams/timer_schedule.h"

#include <QTimer>

namespace {

// More timeouts than this at one instant is a 0 ms timer that never stops.
constexpr int MostFiresAtOneMs = 100000;

} // namespace

TimerSchedule::Timer TimerSchedule::of(QTimer *timer)
{
    return {[timer] { return timer->isActive(); }, [timer] { return timer->interval(); },
            [timer] { QMetaObject::invokeMethod(timer, "timeout"); }};
}

void TimerSchedule::add(Timer timer)
{
    m_entries.append({std::move(timer)});
}

void TimerSchedule::lookAtTimers()
{
    for (Entry &entry : m_entries) {
        const bool running = entry.timer.running();
        const int interval = running ? entry.timer.intervalMs() : 0;
        if (running && (!entry.running || interval != entry.intervalMs))
            entry.dueMs = m_now + interval;
        entry.running = running;
        entry.intervalMs = interval;
    }
}

void TimerSchedule::run(int ms)
{
    const qint64 end = m_now + ms;
    lookAtTimers();
    int firesAtThisMs = 0;
    for (;;) {
        Entry *next = nullptr;
        for (Entry &entry : m_entries) {
            if (entry.running && entry.dueMs <= end && (!next || entry.dueMs < next->dueMs))
                next = &entry;
        }
        if (!next)
            break;
        firesAtThisMs = next->dueMs == m_now ? firesAtThisMs + 1 : 0;
        if (firesAtThisMs > MostFiresAtOneMs)
            qFatal("A 0 ms timer never stopped");
        m_now = next->dueMs;
        next->dueMs = m_now + next->intervalMs;
        next->timer.fire();
        lookAtTimers();
    }
    m_now = end;
}
