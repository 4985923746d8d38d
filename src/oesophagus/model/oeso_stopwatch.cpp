#include "oesophagus/model/oeso_stopwatch.h"

namespace Mod_Oeso {

namespace {
constexpr int MostHours = 99;
} // namespace

void OesoStopwatch::tick()
{
    if (m_hours == MostHours && m_minutes == 59 && m_seconds == 59)
        return;
    if (m_seconds < 59) {
        ++m_seconds;
        return;
    }
    m_seconds = 0;
    ++m_minutes;
    if (m_minutes > 59) {
        ++m_hours;
        m_minutes = 0;
    }
}

QString OesoStopwatch::twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

} // namespace Mod_Oeso
