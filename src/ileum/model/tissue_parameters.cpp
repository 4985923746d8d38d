#include "ileum/model/tissue_parameters.h"

#include "core/random_source.h"

namespace ileum::TissueParameters {

float drawSensitivity()
{
    return static_cast<float>(Chance::drawInRange(10, 50)) / 10.0f;
}

qint16 drawZeroLevel(qint16 baseline)
{
    return static_cast<qint16>(Chance::drawInRange(baseline - 6, baseline));
}

float drawMatchVolume()
{
    return static_cast<float>(Chance::drawInRange(20, 50)) / 100.0f;
}

} // namespace ileum::TissueParameters
