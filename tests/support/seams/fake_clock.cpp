#include "support/seams/fake_clock.h"

FakeClock::FakeClock()
{
    Clock::setCurrent(this);
}

FakeClock::~FakeClock()
{
    Clock::setCurrent(nullptr);
}

void FakeClock::pause(int milliseconds)
{
    m_pauses.append(milliseconds);
    m_seconds += milliseconds / 1000.0;
}
