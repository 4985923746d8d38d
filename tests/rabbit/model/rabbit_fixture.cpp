#include "rabbit/model/rabbit_fixture.h"

namespace RabbitFixture {

RabDrug drug(const QString &name, QChar light, QChar corneal, QChar tension, qint16 low, qint16 high)
{
    RabDrug d;
    d.D_Name = name;
    d.L_Reflex = light;
    d.C_Reflex = corneal;
    d.I_Tension = tension;
    d.P_size1 = low;
    d.P_size2 = high;
    return d;
}

QVector<RabDrug> shippedDrugs()
{
    return {
        drug("Atropine", 'N', 'Y', 'I', 40, 55),
        drug("Homatropine", 'N', 'Y', 'I', 30, 42),
        drug("Phenylephrine", 'B', 'Y', 'N', 25, 38),
        drug("Ephedrine", 'B', 'Y', 'N', 15, 28),
        drug("Adrenaline", 'B', 'Y', 'D', 8, 18),
        drug("Pilocarpine", 'N', 'Y', 'D', -45, -30),
        drug("Physostigmine", 'N', 'Y', 'D', -40, -25),
        drug("Lignocaine", 'Y', 'N', 'N', 0, 0),
        drug("Saline", 'Y', 'Y', 'N', 0, 0),
    };
}

Bench::Bench(Rab_eye::Mode mode, const QVector<RabDrug> &rows, QVector<float> draws)
    : random(std::move(draws))
{
    practical.Rab_Mode = mode;
    refusal = experiment.startUp(rows);
}

void Bench::instillFully(Rab_eye::Eye eye)
{
    for (int stage = 0; stage < 3; ++stage)
        experiment.instillTick(eye);
}

QString Bench::instil(Rab_eye::Eye eye, int position)
{
    experiment.drugListChanged(position, experiment.drugs().drug(position + 1).D_Name);
    experiment.Cmd_Instill();
    return experiment.chooseEye(eye);
}

} // namespace RabbitFixture
