#include "oesophagus/model/oeso_transport.h"

#include "core/numbers.h"
#include "core/random_source.h"

namespace Mod_Oeso {

namespace {

constexpr int TopLowest = 650;
constexpr int TopChoices = 191; // 650..840
constexpr int LeftLowest = 1400;
constexpr int LeftChoices = 521; // 1400..1920

// Row 2 holds the ranges of acetylcholine acting after physostigmine.
constexpr int AfterPhysostigmineRow = 2;

const QString Acetylcholine = QStringLiteral("Acetylcholine");
const QString Atropine = QStringLiteral("Atropine");
const QString Physostigmine = QStringLiteral("Physostigmine");

int drawWhole(int choices, int lowest)
{
    return Numbers::intFloor(float(choices) * Chance::draw() + float(lowest));
}

bool eitherOrder(const InstilledNames &names, const QString &one, const QString &other)
{
    return (names.LastDrug == one && names.CurrentDrug == other)
        || (names.CurrentDrug == one && names.LastDrug == other);
}

} // namespace

int DrawInRange(int a, int b)
{
    return Chance::drawInRange(a, b);
}

int drawFrogBias()
{
    return drawWhole(5, 0);
}

SeedPosition drawStartTopFirst()
{
    SeedPosition seed;
    seed.Top = drawWhole(TopChoices, TopLowest);
    seed.Left = drawWhole(LeftChoices, LeftLowest);
    return seed;
}

SeedPosition drawStartLeftFirst()
{
    SeedPosition seed;
    seed.Left = drawWhole(LeftChoices, LeftLowest);
    seed.Top = drawWhole(TopChoices, TopLowest);
    return seed;
}

bool advanceSeed(SeedPosition &seed, int step)
{
    if (seed.Top > ArrivalTop)
        return false;
    seed.Top += step;
    return true;
}

int drawStep(const OesoDrug &drug)
{
    return DrawInRange(int(drug.speed1), int(drug.speed2));
}

int drawInterval(const OesoDrug &drug)
{
    return DrawInRange(int(drug.time1), int(drug.time2));
}

int instillationInterval(const QVector<OesoDrug> &drugs, int row, const InstilledNames &names)
{
    int interval = drawInterval(drugs.at(row));
    if (eitherOrder(names, Atropine, Acetylcholine))
        interval = drawInterval(drugs.at(0)); // atropine blocks acetylcholine: the baseline rate
    if (eitherOrder(names, Physostigmine, Atropine))
        interval = drawInterval(drugs.at(0));
    // Acetylcholine followed by physostigmine has no rule of its own.
    if (names.LastDrug == Physostigmine && names.CurrentDrug == Acetylcholine)
        interval = drawInterval(drugs.value(AfterPhysostigmineRow, drugs.at(0)));
    return interval;
}

} // namespace Mod_Oeso
