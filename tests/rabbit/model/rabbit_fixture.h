#pragma once

#include "core/database/rab_drugs.h"
#include "rabbit/model/rabbit_experiment.h"
#include "support/seams/fake_clock.h"
#include "support/seams/scripted_random.h"

#include <QMetaType>
#include <QVector>

// Drug rows as the shipped rabbit file holds them, and the rabbit window's
// model driven with scripted chance and a clock that never moves.
namespace RabbitFixture {

RabDrug drug(const QString &name, QChar light, QChar corneal, QChar tension, qint16 low, qint16 high);
// The nine rows, in the file's order (1 Atropine ... 8 Lignocaine, 9 Saline).
QVector<RabDrug> shippedDrugs();

// Every value chance gives is 0.5 unless a test says otherwise: the left
// pupil box is then 653 x 499 at (1804, 1204), the right 533 x 499 at
// (804, 1204), the tension bars 946 and 926.
class Bench
{
public:
    explicit Bench(Rab_eye::Mode mode, const QVector<RabDrug> &rows = shippedDrugs(), QVector<float> draws = {0.5f});

    // The three instillation stages of an eye, as its timer gives them.
    void instillFully(Rab_eye::Eye eye);
    // Chooses list position p in Tutorial and instils it into the eye.
    QString instil(Rab_eye::Eye eye, int position = 0);

    FakeClock clock;
    ScriptedRandom random;
    Rab_eye::RabPractical practical;
    Rab_eye::RabbitExperiment experiment{practical};
    QString refusal;
};

} // namespace RabbitFixture

Q_DECLARE_METATYPE(Rab_eye::Eye)
Q_DECLARE_METATYPE(Rab_eye::Mode)
Q_DECLARE_METATYPE(RabDrug)
