#include "heart/model/heart_indicators.h"

namespace Heart::Indicators {

int heartRateLevel(QChar rateCode)
{
    switch (rateCode.unicode()) {
    case u'I': return Increase;
    case u'D': return Decrease;
    case u'P': return TopEdge;
    default: return NoChange;
    }
}

int toneLevel(QChar toneCode)
{
    switch (toneCode.unicode()) {
    case u'I': return Increase;
    case u'D': return Decrease;
    default: return NoChange;
    }
}

QLine heartRateLine(int level, int HRGraphWidth)
{
    return QLine(0, level, HRGraphWidth - 56, level);
}

QLine toneLine(int level, int ToneGraphWidth)
{
    return QLine(0, level, ToneGraphWidth, level);
}

} // namespace Heart::Indicators
