#include "core/random_source.h"

#include "core/clock.h"
#include "core/numbers.h"

#include <array>
#include <cstdint>

namespace {

// Words the generator gives into each reseed beside the seed: 256 bits of
// its running state go on into the new one.
constexpr int CarriedWords = 8;

MersenneSource &ownSource()
{
    static MersenneSource source;
    return source;
}

RandomSource *current = nullptr;

} // namespace

MersenneSource::MersenneSource()
    : m_engine(std::random_device{}())
{
}

MersenneSource::MersenneSource(quint32 start)
    : m_engine(start)
{
}

float MersenneSource::next()
{
    // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

void MersenneSource::reseed(quint32 seed)
{
    // The new state is made from the seed and from words the generator gives
    // now, so it carries the old state on instead of restarting the sequence
    // that the seed alone would start.
    std::array<std::uint32_t, CarriedWords + 1> words{};
    words[0] = seed;
    for (int i = 1; i <= CarriedWords; ++i)
        words[i] = static_cast<std::uint32_t>(m_engine());
    std::seed_seq stirred(words.begin(), words.end());
    m_engine.seed(stirred);
}

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
