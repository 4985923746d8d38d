#pragma once

// The wall clock as the practicals see it: seconds since midnight, and the
// short blocking pauses (the syringe on show for a second). Tests install a
// clock that answers at once.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    // Blocks the caller for the given time; no events are handled meanwhile.
    virtual void pause(int milliseconds) = 0;

    static Clock &current();
    // Replaces the clock; nullptr puts the real one back.
    static void setCurrent(Clock *replacement);
};
