#pragma once

#include "core/clock.h"

#include <QVector>

// A clock that only moves when told or paused, and never blocks. Its day is
// 14 March 2024 unless the test sets another.
class FakeClock final : public Clock
{
public:
    FakeClock();
    ~FakeClock() override;
    double secondsSinceMidnight() const override { return m_seconds; }
    QDate today() const override { return m_date; }
    void pause(int milliseconds) override;
    void setSeconds(double seconds) { m_seconds = seconds; }
    void setDate(const QDate &date) { m_date = date; }
    const QVector<int> &pauses() const { return m_pauses; }

private:
    double m_seconds = 36000.0;
    QDate m_date{2024, 3, 14};
    QVector<int> m_pauses;
};
