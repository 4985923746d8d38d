#include "core/clock.h"

#include <QThread>
#include <QTime>

namespace {

class SystemClock final : public Clock
{
public:
    double secondsSinceMidnight() const override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
    void pause(int milliseconds) override
    {
        if (milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

Clock *replacement = nullptr;

} // namespace

Clock &Clock::current()
{
    static SystemClock system;
    return replacement ? *replacement : system;
}

void Clock::setCurrent(Clock *clock)
{
    replacement = clock;
}
