#include "core/design_scale.h"

#include <algorithm>
#include <cmath>

namespace DesignScale {

namespace {

constexpr double SmallestFactor = 0.5;
constexpr double LargestFactor = 8.0;

} // namespace

double fittedFactor(QSizeF available)
{
    const double across = available.width() / DesignSize.width();
    const double down = available.height() / DesignSize.height();
    // A hair above the exact ratio keeps 1080 / 600 at 36 twentieths despite
    // the binary fraction falling just short of it.
    const double steps = std::floor(std::min(across, down) * StepsPerUnit + 1e-9);
    return std::max(1.0, steps / StepsPerUnit);
}

std::optional<double> parseFactor(const QString &text)
{
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(factor) || factor < SmallestFactor || factor > LargestFactor)
        return std::nullopt;
    return factor;
}

bool holdsDesign(QSize logicalScreen)
{
    return logicalScreen.width() >= DesignSize.width() && logicalScreen.height() >= DesignSize.height();
}

} // namespace DesignScale
