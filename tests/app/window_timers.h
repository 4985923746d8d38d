#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class FormWindow;
class StudentClock;
class QTimer;

// The loaded windows' timers played at full speed in simulated time, with the
// student's clock: a running timer fires when its interval has passed since it
// started (or restarted, or changed its interval) or last fired, earliest
// first, timers due together in the order they were first seen; a 0 ms timer
// fires once a millisecond, a pass of the event loop. A hidden
// window's timers run on, as they do in the program. Time may pass while a
// timeout is still being handled (a message box waits for its answer): the
// other timers fire meanwhile, that one not again until it returns, as Qt
// does. The program's busy
// waits move the same clock on, so a timer due meanwhile fires late, once.
// The clock reads the seconds since midnight of a day that goes on past
// midnight.
class WindowTimers
{
public:
    WindowTimers(StudentClock &clock, double startSeconds);

    // Plays every timeout due within the next ms milliseconds.
    void advance(int ms);
    // Takes in the time the last action spent in busy waits, and the timers
    // it started, stopped or changed.
    void notice();
    qint64 elapsedMs() const { return m_elapsedMs; }
    int fired() const { return m_fired; }

private:
    struct Entry
    {
        QPointer<QTimer> timer;
        bool running = false;
        int intervalMs = 0;
        int timerId = -1;
        qint64 dueMs = 0;
    };
    void takeInPauses();
    // Finds the timers again when the loaded windows have changed (every
    // timer is made with its window), then takes in each timer's state.
    void lookAtTimers();
    void findTimers();
    void setClock();

    StudentClock &m_clock;
    double m_startSeconds;
    double m_shownSeconds;
    qint64 m_elapsedMs = 0;
    // The timers whose timeout is being handled, innermost last.
    QList<QTimer *> m_firing;
    QStringList m_loadedNames;
    QList<QPointer<FormWindow>> m_loadedWindows;
    // In the order first seen, which breaks ties between timers due together.
    std::vector<Entry> m_entries;
    int m_fired = 0;
};
