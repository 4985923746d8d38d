#pragma once

#include "core/clock.h"

#include <QVector>

// A clock that only moves when told or paused, and never blocks.
class FakeClock final : public Clock
{
public:
    FakeClock();
    ~FakeClock() override;
    double secondsSinceMidnight() const override { return m_seconds; }
    void pause(int milliseconds) override;
    void setSeconds(double seconds) { m_seconds = seconds; }
    const QVector<int> &pauses() const { return m_pauses; }

private:
    double m_seconds = 36000.0;
    QVector<int> m_pauses;
};
