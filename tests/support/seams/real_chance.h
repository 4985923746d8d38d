#pragma once

#include "core/random_source.h"

#include <QMap>
#include <QString>
#include <QVector>

// The program's own generator put in as the chance seam, started from a
// fixed number so that a test's draws repeat from run to run. Its reseeds are
// the program's.
class RealChance final
{
public:
    explicit RealChance(quint32 start = 20240314);
    ~RealChance();
    RealChance(const RealChance &) = delete;
    RealChance &operator=(const RealChance &) = delete;

private:
    MersenneSource m_source;
};

// Starts of an examination, tallied by what the student sees first and by
// the unknown the start drew (1 to `unknowns`, each as likely as the others).
// What is seen gives the unknown away when a value seen often always comes
// with the same unknown, or when the unknowns are spread far from evenly over
// the values seen.
class SightTally
{
public:
    explicit SightTally(int unknowns);
    void add(int seen, int unknown);
    // How the unknown is given away; empty when it is not.
    QString giveaway() const;

private:
    int m_unknowns;
    QMap<int, QVector<int>> m_counts; // by the value seen: how often each unknown came
};
