#include "support/seams/scripted_random.h"

ScriptedRandom::ScriptedRandom(QVector<float> values)
    : m_values(std::move(values))
{
    Chance::setSource(this);
}

ScriptedRandom::~ScriptedRandom()
{
    Chance::setSource(nullptr);
}

float ScriptedRandom::next()
{
    if (m_values.isEmpty())
        return 0.0f;
    const float value = m_values.at(qMin(m_next, int(m_values.size()) - 1));
    ++m_next;
    return value;
}
