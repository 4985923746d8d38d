#pragma once

#include "core/random_source.h"

#include <QVector>

// Draws the given values in turn (repeating the last one), and notes seeds.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QVector<float> values = {0.5f});
    ~ScriptedRandom() override;
    float next() override;
    void reseed(quint32 seed) override { m_seeds.append(seed); }
    void setValues(QVector<float> values)
    {
        m_values = std::move(values);
        m_next = 0;
    }
    const QVector<quint32> &seeds() const { return m_seeds; }

private:
    QVector<float> m_values;
    int m_next = 0;
    QVector<quint32> m_seeds;
};
