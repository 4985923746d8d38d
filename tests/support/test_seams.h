#pragma once

#include "clock.h"
#include "message_boxes.h"
#include "random_source.h"

#include <QList>
#include <QVector>

// Answers every message box from a script and keeps what was asked. Boxes
// beyond the script get their default button.
class MessageBoxScript
{
public:
    MessageBoxScript();
    ~MessageBoxScript();

    void answerNext(MessageBoxes::Answer answer) { m_answers.append(answer); }
    const QList<MessageBoxes::Request> &asked() const { return m_asked; }
    int count() const { return m_asked.size(); }
    MessageBoxes::Request last() const { return m_asked.isEmpty() ? MessageBoxes::Request() : m_asked.last(); }
    void clear() { m_asked.clear(); }

private:
    QList<MessageBoxes::Answer> m_answers;
    QList<MessageBoxes::Request> m_asked;
};

// A clock that only moves when told or paused, and never blocks.
class FakeClock final : public Clock
{
public:
    FakeClock();
    ~FakeClock() override;
    double secondsSinceMidnight() const override { return m_seconds; }
    void pause(int milliseconds) override;
    void setSeconds(double seconds) { m_seconds = seconds; }
    const QVector<int> &pauses() const { return m_pauses; }

private:
    double m_seconds = 36000.0;
    QVector<int> m_pauses;
};

// Draws the given values in turn (repeating the last one), and notes seeds.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QVector<float> values = {0.5f});
    ~ScriptedRandom() override;
    float next() override;
    void reseed(quint32 seed) override { m_seeds.append(seed); }
    void setValues(QVector<float> values) { m_values = std::move(values); m_next = 0; }
    const QVector<quint32> &seeds() const { return m_seeds; }

private:
    QVector<float> m_values;
    int m_next = 0;
    QVector<quint32> m_seeds;
};

namespace TestWindows {
// Points the program's file look-ups at the build's run folder, and keeps the
// offscreen platform's own warnings out of the test log.
void useRunFolder();
// Unloads every window, closes help and lets deferred deletions happen.
void unloadEverything();
} // namespace TestWindows
