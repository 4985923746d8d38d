#pragma once

#include <QtGlobal>

#include <random>

// The one source of chance in the program: uniform draws in [0, 1). Tests put
// their own source in place so every draw is known.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0; // uniform in [0, 1)
    // Brings `seed` (the clock's reading) into the draws that follow.
    virtual void reseed(quint32 seed) = 0;
};

// The program's own generator. A reseed stirs the seed into the generator's
// running state rather than starting it afresh: the draws after it depend on
// the seed and on every draw and reseed before it, so two reseeds with the
// same seed (two within one millisecond of the clock) do not start the same
// draws again.
class MersenneSource final : public RandomSource
{
public:
    // Started from the computer's entropy source, so two runs differ.
    MersenneSource();
    // Started from `start`, so the draws repeat from run to run.
    explicit MersenneSource(quint32 start);

    float next() override;
    void reseed(quint32 seed) override;

private:
    std::mt19937 m_engine;
};

namespace Chance {

RandomSource &source();
// Replaces the source; nullptr puts the program's own generator back.
void setSource(RandomSource *replacement);

float draw();
// Reseeds the source with the clock's milliseconds since midnight.
void reseedFromClock();
// A whole number from a to b: Int((b - a + 1) * r + a), in single precision.
int drawInRange(int a, int b);

} // namespace Chance
