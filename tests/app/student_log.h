#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// What the random student did lately, so that a failure names the seed, the
// step and the last actions, and the run can be replayed with the same seed.
// A crash is reported as well: the report is written from the sanitizers'
// death callback and from a fatal signal, from buffers filled beforehand, so
// nothing is allocated while the program dies.
class StudentLog
{
public:
    static constexpr int Kept = 30;

    StudentLog();
    ~StudentLog();

    // With trace on, every action is also printed as it is recorded.
    void begin(quint32 seed, int steps, bool trace = false);
    // A new action at this step.
    void record(int step, const QString &action);
    // Something that happened during the current action: a message box and
    // its answer, the time that passed.
    void note(const QString &happening);

    quint32 seed() const { return m_seed; }
    // The seed, the step and the last actions, oldest first.
    QString report() const;

private:
    static constexpr int EntryBytes = 320;
    struct Entry
    {
        std::array<char, EntryBytes> text{};
        int length = 0;
    };
    void append(Entry &entry, const QByteArray &bytes);
    void writeHeader();
    // Writes the report to the standard error with write(2) only.
    void writeOnDeath() const;
    static void dieReport();
    static void fatalSignal(int signal);

    quint32 m_seed = 0;
    int m_steps = 0;
    bool m_trace = false;
    int m_step = 0;
    std::array<Entry, Kept> m_entries;
    int m_next = 0;
    int m_count = 0;
    Entry m_header;
};
