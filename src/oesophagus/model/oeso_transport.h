#pragma once

#include "core/database/oeso_drugs.h"

#include <QString>
#include <QVector>

// How a seed travels down the magnified mucosa: its start, its step per tick
// and the tick interval each instillation gives it. Positions are twips inside
// the magnified view, the top edge growing downwards.
namespace Mod_Oeso {

// A whole number from a to b drawn with equal chance: Int((b - a + 1) x Rnd + a).
int DrawInRange(int a, int b);

// The frog's own step offset, Int(5 x Rnd): 0..4 twips per tick.
int drawFrogBias();

// The Tutorial step: 12 twips per tick plus the frog's offset.
constexpr int TutorialBaseStep = 12;

// A seed has arrived once its top edge is below this line.
constexpr int ArrivalTop = 3200;

struct SeedPosition
{
    int Top = 0;  // 650..840 twips
    int Left = 0; // 1400..1920 twips
};

// At the window's initialisation the top is drawn first; after an arrival
// the left edge is drawn first.
SeedPosition drawStartTopFirst();
SeedPosition drawStartLeftFirst();

// One tick of the seed timer: false when the seed has arrived (the test comes
// before the move), otherwise the seed moves one step down.
bool advanceSeed(SeedPosition &seed, int step);

// The names the instillation rule compares, after its trailing blanks go.
struct InstilledNames
{
    QString LastDrug;
    QString CurrentDrug;
};

// The tick interval (ms) after instilling row `row` when `names` are the
// drugs after the instillation: the row's own range, or a fresh draw from the
// range an interaction gives (atropine with acetylcholine in either order and
// physostigmine with atropine in either order: the Ringer row; acetylcholine
// after physostigmine: row 2). Every draw is made in that order, so each rule
// that applies draws once more.
int instillationInterval(const QVector<OesoDrug> &drugs, int row, const InstilledNames &names);

// A step or interval drawn from a row's range.
int drawStep(const OesoDrug &drug);
int drawInterval(const OesoDrug &drug);

} // namespace Mod_Oeso
