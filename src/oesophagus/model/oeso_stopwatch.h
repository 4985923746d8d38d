#pragma once

#include <QString>

namespace Mod_Oeso {

// The on-screen stop-watch: hours, minutes and seconds, each shown as two
// digits. It counts one second per tick of its 1000 ms timer and stands still
// at 99:59:59, the most its two-digit boxes can show.
class OesoStopwatch
{
public:
    void reset() { m_hours = m_minutes = m_seconds = 0; }
    void tick();

    // txt_time(2), txt_time(1), txt_time(0): "00".."99", "00".."59".
    QString hoursText() const { return twoDigits(m_hours); }
    QString minutesText() const { return twoDigits(m_minutes); }
    QString secondsText() const { return twoDigits(m_seconds); }

    static QString twoDigits(int value);

private:
    int m_hours = 0;
    int m_minutes = 0;
    int m_seconds = 0;
};

} // namespace Mod_Oeso
