#include "oesophagus/model/oeso_fixture.h"

namespace OesoFixture {

namespace {

OesoDrug row(const QString &name, float speed1, float speed2, float time1, float time2)
{
    OesoDrug drug;
    drug.Drug = name;
    drug.speed1 = speed1;
    drug.speed2 = speed2;
    drug.time1 = time1;
    drug.time2 = time2;
    return drug;
}

} // namespace

QVector<OesoDrug> shippedDrugs()
{
    return {
        row(QStringLiteral("Ringer"), 13, 15, 200, 230),    row(QStringLiteral("Acetylcholine"), 13, 15, 140, 160),
        row(QStringLiteral("Carbachol"), 13, 15, 100, 115), row(QStringLiteral("Physostigmine"), 13, 15, 165, 185),
        row(QStringLiteral("Atropine"), 13, 15, 260, 295),  row(QStringLiteral("Adrenaline"), 13, 15, 185, 205),
    };
}

QVector<OesoDrug> firstDrugs(int count)
{
    return shippedDrugs().mid(0, count + 1);
}

Bench::Bench(Mod_Oeso::Mode mode, const QVector<OesoDrug> &drugs, QVector<float> draws)
    : random(std::move(draws))
{
    practical.Oeso_Mode = mode;
    initialised = experiment.initialise(drugs);
}

void Bench::instill(int row)
{
    experiment.selectDrug(row);
    experiment.Instill();
}

int Bench::runSeed()
{
    experiment.dropOnOesophagus();
    int ticks = 0;
    int nextSecondMs = 1000;
    // A seed arrives within 3200 twips at one twip a tick at the most.
    while (experiment.travelling() && ticks < 4000) {
        const int at = (ticks + 1) * experiment.interval();
        for (; nextSecondMs <= at; nextSecondMs += 1000)
            experiment.monitorTick();
        experiment.seedTick();
        ++ticks;
    }
    return ticks;
}

} // namespace OesoFixture
