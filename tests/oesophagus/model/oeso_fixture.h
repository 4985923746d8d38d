#pragma once

#include "oesophagus/model/oeso_experiment.h"
#include "support/seams/fake_clock.h"
#include "support/seams/scripted_random.h"

#include <QVector>

// The oesophagus window's model with scripted chance and a clock that never
// moves by itself.
namespace OesoFixture {

// The six rows in the shipped file's order: Ringer, Acetylcholine,
// Carbachol, Physostigmine, Atropine, Adrenaline. With every draw at 0.5
// their intervals are 215, 150, 108, 175, 278 and 195 ms.
QVector<OesoDrug> shippedDrugs();
// Ringer and the first `count` drugs after it.
QVector<OesoDrug> firstDrugs(int count);

// Rows by name.
enum Row { Ringer = 0, Acetylcholine = 1, Carbachol = 2, Physostigmine = 3, Atropine = 4, Adrenaline = 5 };

class Bench
{
public:
    explicit Bench(Mod_Oeso::Mode mode, const QVector<OesoDrug> &drugs = shippedDrugs(), QVector<float> draws = {0.5f});

    void instill(int row);
    // Drops a seed on the oesophagus and gives seed ticks until it arrives,
    // a monitor tick for every full second of its travel. The ticks given.
    int runSeed();

    FakeClock clock;
    ScriptedRandom random;
    Mod_Oeso::OesoPractical practical;
    Mod_Oeso::OesoExperiment experiment{practical};
    bool initialised = false;
};

} // namespace OesoFixture
