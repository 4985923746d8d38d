#pragma once

#include <QtGlobal>

// The one source of chance in the program: uniform draws in [0, 1). Tests put
// their own source in place so every draw is known.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0; // uniform in [0, 1)
    virtual void reseed(quint32 seed) = 0;
};

namespace Chance {

RandomSource &source();
// Replaces the source; nullptr puts the program's own generator back.
void setSource(RandomSource *replacement);

float draw();
// Reseeds the source from the clock's seconds since midnight.
void reseedFromClock();
// A whole number from a to b: Int((b - a + 1) * r + a), in single precision.
int drawInRange(int a, int b);

} // namespace Chance
