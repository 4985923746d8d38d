#include "app/student_chance.h"

#include <cmath>

StudentChance::StudentChance(quint32 seed)
    : m_engine(seed)
    , m_salt(seed)
{
    Chance::setSource(this);
}

StudentChance::~StudentChance()
{
    Chance::setSource(nullptr);
}

float StudentChance::next()
{
    const quint32 bits = m_engine();
    switch (bits % 100) {
    case 0: return 0.0f;
    case 1: return std::nextafter(1.0f, 0.0f);
    default: return float(m_engine() >> 8) / 16777216.0f;
    }
}

void StudentChance::reseed(quint32 seed)
{
    m_engine.seed(seed ^ m_salt);
}
