#include "core/random_source.h"

#include "core/clock.h"
#include "core/numbers.h"

#include <random>

namespace {

class MersenneSource final : public RandomSource
{
public:
    float next() override
    {
        // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
        return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
    }
    void reseed(quint32 seed) override { m_engine.seed(seed); }

private:
    std::mt19937 m_engine{std::random_device{}()};
};

MersenneSource &ownSource()
{
    static MersenneSource source;
    return source;
}

RandomSource *current = nullptr;

} // namespace

namespace Chance {

RandomSource &source()
{
    return current ? *current : ownSource();
}

void setSource(RandomSource *replacement)
{
    current = replacement;
}

float draw()
{
    return source().next();
}

void reseedFromClock()
{
    const double seconds = Clock::current().secondsSinceMidnight();
    source().reseed(static_cast<quint32>(seconds * 1000.0));
}

int drawInRange(int a, int b)
{
    const float span = static_cast<float>(b - a + 1);
    const float value = span * draw() + static_cast<float>(a);
    // The largest draw below 1 can round up to b + 1 in single precision.
    return qMin(Numbers::intFloor(value), b);
}

} // namespace Chance
