#include "core/clock.h"

#include <QThread>
#include <QTime>

namespace {

class SystemClock final : public Clock
{
public:
    double secondsSinceMidnight() const override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
    // Day and time read at one instant, so a record written at midnight
    // cannot mix two days.
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void pause(int milliseconds) override
    {
        if (milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

Clock *replacement = nullptr;

} // namespace

QDate Clock::today() const
{
    return QDate::currentDate();
}

QDateTime Clock::now() const
{
    // A clock run on past midnight moves the day on.
    return QDateTime(today(), QTime(0, 0)).addSecs(qint64(secondsSinceMidnight()));
}

Clock &Clock::current()
{
    static SystemClock system;
    return replacement ? *replacement : system;
}

void Clock::setCurrent(Clock *clock)
{
    replacement = clock;
}
