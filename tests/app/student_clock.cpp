#include "app/student_clock.h"

StudentClock::StudentClock()
{
    Clock::setCurrent(this);
}

StudentClock::~StudentClock()
{
    Clock::setCurrent(nullptr);
}

double StudentClock::secondsSinceMidnight() const
{
    m_seconds += 0.001;
    return m_seconds;
}

void StudentClock::pause(int milliseconds)
{
    m_seconds += milliseconds / 1000.0;
}
