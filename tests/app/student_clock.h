#pragma once

#include "core/clock.h"

// The clock during a random student's run. It moves when simulated time
// passes, when the program pauses, and by a millisecond at every reading, as
// the program's own work takes time: a loop that reseeds chance from the
// clock until the draw suits it ends, as it does on a real clock.
class StudentClock final : public Clock
{
public:
    StudentClock();
    ~StudentClock() override;
    double secondsSinceMidnight() const override;
    void pause(int milliseconds) override;

    // What the clock shows, without the reading's millisecond.
    double shown() const { return m_seconds; }
    void setSeconds(double seconds) { m_seconds = seconds; }

private:
    mutable double m_seconds = 0.0;
};
