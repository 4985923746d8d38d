#include "ileum/model/effective_dose.h"

#include "ileum/model/shown_value.h"

#include <limits>

namespace ileum::EffectiveDoses {

namespace {

struct OffsetRow
{
    double low;
    double high;
    enum { Adds, Becomes } effect;
    double amount;
};

// Bounds inclusive; the first row that holds v applies.
constexpr OffsetRow OffsetTable[] = {
    {-std::numeric_limits<double>::infinity(), 0.19, OffsetRow::Adds, 1.0},
    {0.2, 0.3, OffsetRow::Adds, 1.3},
    {0.31, 0.7, OffsetRow::Adds, 1.5},
    {0.71, 1.0, OffsetRow::Adds, 1.7},
    {1.1, 5.0, OffsetRow::Adds, 1.9},
    {5.1, 15.0, OffsetRow::Adds, 2.0},
    {15.1, 17.0, OffsetRow::Becomes, 17.1},
};

} // namespace

float withOffset(double x, double v)
{
    for (const OffsetRow &row : OffsetTable) {
        if (v >= row.low && v <= row.high)
            return static_cast<float>(row.effect == OffsetRow::Adds ? x + row.amount : row.amount);
    }
    return static_cast<float>(x);
}

float knownDose(double D)
{
    return withOffset(D, D);
}

float unknownVolume(double S, double D, float m)
{
    const float e = static_cast<float>(S * (D / m));
    return withOffset(e, shownValue(e));
}

float standardDose(float x0)
{
    return withOffset(x0, shownValue(x0));
}

} // namespace ileum::EffectiveDoses
