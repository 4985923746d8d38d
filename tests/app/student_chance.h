#pragma once

#include "core/random_source.h"

#include <random>

// The program's chance during a random student's run: a generator of its own,
// seeded from the student's seed and reseeded from the clock as the program
// reseeds, so a seed replays the run's draws. One draw in fifty is an edge of
// the range, 0 or the largest value below 1, which a real generator gives
// too seldom for a test to meet.
class StudentChance final : public RandomSource
{
public:
    explicit StudentChance(quint32 seed);
    ~StudentChance() override;
    float next() override;
    void reseed(quint32 seed) override;

private:
    std::mt19937 m_engine;
    quint32 m_salt;
};
