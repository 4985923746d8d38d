#pragma once

#include <QDate>
#include <QDateTime>

// The wall clock as the practicals see it: seconds since midnight, the date,
// and the short blocking pauses (the syringe on show for a second). Tests
// install a clock that answers at once.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    // The calendar day; a clock that does not say keeps the computer's.
    virtual QDate today() const;
    // Blocks the caller for the given time; no events are handled meanwhile.
    virtual void pause(int milliseconds) = 0;

    // The day and the time of day together, to the second (the moment a
    // supervisor's record is written).
    virtual QDateTime now() const;

    static Clock &current();
    // Replaces the clock; nullptr puts the real one back.
    static void setCurrent(Clock *replacement);
};
