#include "app/window_timers.h"

#include "app/student_clock.h"
#include "widgets/form_window.h"
#include "widgets/window_registry.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400.0;

// A pass of the event loop is counted as a millisecond: a 0 ms timer ("as
// fast as the window can draw") fires once a millisecond.
int periodMs(int intervalMs)
{
    return qMax(intervalMs, 1);
}

} // namespace

WindowTimers::WindowTimers(StudentClock &clock, double startSeconds)
    : m_clock(clock)
    , m_startSeconds(startSeconds)
    , m_shownSeconds(startSeconds)
{
    setClock();
}

void WindowTimers::setClock()
{
    m_shownSeconds = std::fmod(m_startSeconds + double(m_elapsedMs) / 1000.0, SecondsPerDay);
    m_clock.setSeconds(m_shownSeconds);
}

void WindowTimers::takeInPauses()
{
    double moved = m_clock.shown() - m_shownSeconds;
    if (moved < 0)
        moved += SecondsPerDay;
    const qint64 pausedMs = std::llround(moved * 1000.0);
    if (pausedMs != 0) {
        m_elapsedMs += pausedMs;
        setClock();
    }
}

void WindowTimers::findTimers()
{
    m_loadedNames = WindowRegistry::loadedNames();
    m_loadedWindows.clear();
    std::vector<Entry> found;
    for (const QString &name : std::as_const(m_loadedNames)) {
        FormWindow *window = WindowRegistry::find(name);
        m_loadedWindows << window;
        if (!window)
            continue;
        for (QTimer *timer : window->findChildren<QTimer *>(Qt::FindDirectChildrenOnly)) {
            Entry entry;
            entry.timer = timer;
            for (const Entry &known : m_entries) {
                if (known.timer == timer)
                    entry = known;
            }
            found.push_back(entry);
        }
    }
    // Timers seen before keep their place.
    std::stable_sort(found.begin(), found.end(), [this](const Entry &a, const Entry &b) {
        auto place = [this](const Entry &e) {
            for (size_t i = 0; i < m_entries.size(); ++i) {
                if (m_entries[i].timer == e.timer)
                    return i;
            }
            return m_entries.size();
        };
        return place(a) < place(b);
    });
    m_entries = std::move(found);
}

void WindowTimers::lookAtTimers()
{
    // The registry's list still sharing the copy taken is unchanged since.
    const QStringList names = WindowRegistry::loadedNames();
    if (names.constData() != m_loadedNames.constData()) {
        bool changed = names != m_loadedNames;
        for (int i = 0; !changed && i < m_loadedNames.size(); ++i)
            changed = WindowRegistry::find(m_loadedNames.at(i)) != m_loadedWindows.at(i);
        if (changed)
            findTimers();
        else
            m_loadedNames = names;
    }
    for (Entry &entry : m_entries) {
        QTimer *timer = entry.timer;
        const bool running = timer && timer->isActive();
        const int interval = timer ? timer->interval() : 0;
        const int id = timer ? timer->timerId() : -1;
        if (running && (!entry.running || interval != entry.intervalMs || id != entry.timerId))
            entry.dueMs = m_elapsedMs + periodMs(interval);
        entry.running = running;
        entry.intervalMs = interval;
        entry.timerId = id;
    }
}

void WindowTimers::notice()
{
    takeInPauses();
    lookAtTimers();
}

void WindowTimers::advance(int ms)
{
    notice();
    const qint64 end = m_elapsedMs + ms;
    for (;;) {
        const Entry *next = nullptr;
        for (const Entry &entry : m_entries) {
            if (entry.running && entry.timer && entry.dueMs <= end && (!next || entry.dueMs < next->dueMs)
                && !m_firing.contains(entry.timer.data()))
                next = &entry;
        }
        if (!next)
            break;
        if (next->dueMs > m_elapsedMs) {
            m_elapsedMs = next->dueMs;
            setClock();
        }
        const QPointer<QTimer> timer = next->timer;
        const_cast<Entry *>(next)->dueMs = m_elapsedMs + periodMs(next->intervalMs);
        // A single-shot timer stops before its timeout, as Qt's does.
        if (timer->isSingleShot())
            timer->stop();
        ++m_fired;
        m_firing.append(timer);
        QMetaObject::invokeMethod(timer, "timeout");
        m_firing.removeLast();
        takeInPauses();
        lookAtTimers();
        // A timeout that overran its interval in a busy wait is due again
        // once, now.
        for (Entry &entry : m_entries) {
            if (entry.timer == timer && entry.dueMs < m_elapsedMs)
                entry.dueMs = m_elapsedMs;
        }
    }
    if (m_elapsedMs < end) {
        m_elapsedMs = end;
        setClock();
    }
}
