#pragma once

#include "heart/model/drug_positions.h"
#include "heart/model/heart_experiment.h"
#include "support/seams/fake_clock.h"
#include "support/seams/scripted_random.h"

#include <QStringList>
#include <QVector>

// Drug rows as the shipped heart file holds them, and a heart window's model
// driven with scripted chance and a clock that never moves by itself.
namespace HeartFixture {

HeartDrug drug(const QString &name, const QString &key, float dose, QChar tone, quint8 hrStart, quint8 hrEnd,
               quint8 top, quint8 bottom, QChar rateCode);

// The eight rows, in the file's order (1 Epinephrine ... 8 Calcium chloride).
QVector<HeartDrug> shippedDrugs();
// Examination 3's reading: the first and the sixth row.
QVector<HeartDrug> exam3Drugs();

// The lever drawings as short lines of text, so a test compares a whole
// sequence as a table and a failure shows what was drawn: "lever 4249",
// "heart diastole". The paper's are PaperText's.
QStringList leverTexts(const Heart::LeverDrawings &drawings);

// A fresh practical in mode.
Heart::HeartPractical practicalIn(Heart::Mode mode);

// Every value chance gives is 0.5 unless a test says otherwise: the basal
// rate is then 75 and every wash-out shows it unchanged.
class Bench
{
public:
    // Starts a fresh practical in mode and loads the heart window with drugs (in
    // Examination 3 pass exam3Drugs()), chance giving draws from the load on.
    explicit Bench(Heart::Mode mode, const QVector<HeartDrug> &drugs = shippedDrugs(), QVector<float> draws = {0.5f});
    // The same, for a practical that earlier stages have left as `start`.
    explicit Bench(const Heart::HeartPractical &start, const QVector<HeartDrug> &drugs = shippedDrugs(),
                   QVector<float> draws = {0.5f});

    // n beat ticks; their drawings one after another.
    Heart::HeartDrawing ticks(int n);
    // The 76 ticks before the first wash-out lets the student inject.
    void settle() { ticks(76); }
    // Chooses position p and injects it; the rate change draws `draw`.
    Heart::HeartDrawing inject(int p, float draw = 0.5f);
    // One whole lever beat, so a line stands at lastneedle.
    Heart::LeverDrawings beatLever();

    const Heart::HeartRunState &run() const { return experiment.state(); }
    const Heart::HeartReadouts &shown() const { return experiment.readouts(); }

    FakeClock clock;
    ScriptedRandom random;
    Heart::HeartPractical practical;
    Heart::HeartExperiment experiment{practical};
    Heart::HeartExperiment::Load loaded;
};

} // namespace HeartFixture
