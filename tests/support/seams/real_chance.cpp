#include "support/seams/real_chance.h"

#include <QStringList>

#include <cmath>

namespace {

// A value seen this often comes with two unknowns or more: with two unknowns
// fair draws give the same one 20 times in a row once in half a million.
constexpr int OftenSeen = 20;
// The chi-square of fair draws lies within this many of its standard
// deviations above its mean.
constexpr double FairSpread = 8.0;
// Values seen with a single unknown that the report names.
constexpr int ValuesNamed = 3;

} // namespace

RealChance::RealChance(quint32 start)
    : m_source(start)
{
    Chance::setSource(&m_source);
}

RealChance::~RealChance()
{
    Chance::setSource(nullptr);
}

SightTally::SightTally(int unknowns)
    : m_unknowns(unknowns)
{
}

void SightTally::add(int seen, int unknown)
{
    QVector<int> &counts = m_counts[seen];
    // Index 0 holds the draws outside 1..unknowns.
    counts.resize(m_unknowns + 1);
    ++counts[unknown >= 1 && unknown <= m_unknowns ? unknown : 0];
}

QString SightTally::giveaway() const
{
    QStringList found;
    int alone = 0;
    double chiSquare = 0.0;
    int freedom = 0;
    for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it) {
        const QVector<int> &counts = it.value();
        if (counts.at(0) > 0)
            found << QStringLiteral("seen %1: %2 unknowns outside 1 to %3")
                         .arg(it.key())
                         .arg(counts.at(0))
                         .arg(m_unknowns);
        int starts = 0;
        int unknownsShown = 0;
        int last = 0;
        for (int u = 1; u <= m_unknowns; ++u) {
            starts += counts.at(u);
            if (counts.at(u) > 0) {
                ++unknownsShown;
                last = u;
            }
        }
        if (starts >= OftenSeen && unknownsShown < 2 && alone++ < ValuesNamed)
            found << QStringLiteral("seen %1 in %2 starts, always with unknown %3").arg(it.key()).arg(starts).arg(last);
        const double expected = double(starts) / m_unknowns;
        for (int u = 1; u <= m_unknowns; ++u)
            chiSquare += (counts.at(u) - expected) * (counts.at(u) - expected) / expected;
        freedom += m_unknowns - 1;
    }
    if (alone > ValuesNamed)
        found << QStringLiteral("%1 more values seen with a single unknown").arg(alone - ValuesNamed);
    const double fairest = freedom + FairSpread * std::sqrt(2.0 * freedom);
    if (chiSquare > fairest)
        found << QStringLiteral("the unknowns over the %1 values seen are far from even: chi-square %2, fair draws "
                                "stay below %3")
                     .arg(m_counts.size())
                     .arg(chiSquare, 0, 'f', 0)
                     .arg(fairest, 0, 'f', 0);
    return found.join(QStringLiteral("; "));
}
