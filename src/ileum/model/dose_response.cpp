#include "ileum/model/dose_response.h"

#include "core/numbers.h"
#include "ileum/model/shown_value.h"

#include <algorithm>
#include <cmath>

namespace ileum {

double Caclulate_Resp(float x)
{
    const float lnX = static_cast<float>(std::log(static_cast<double>(x)));
    return std::floor(10.0 * std::fabs(shownValue(lnX)));
}

qint16 ContractionPeak(float x, double D, qint16 z, qint16 b)
{
    const double height = std::floor(static_cast<double>(x)) + Caclulate_Resp(x);
    float p = static_cast<float>(z - height);
    if (D >= 0.06 && D <= 0.09)
        p += 7.0f;
    else if (D >= 0.03 && D <= 0.05)
        p += 12.0f;
    if (!(p > HighestPeak))
        return HighestPeak;
    return static_cast<qint16>(Numbers::roundHalfEven(std::min<double>(p, b)));
}

bool givesOnlyHump(bool matchMode, double D)
{
    return !matchMode && D < 0.03;
}

} // namespace ileum
