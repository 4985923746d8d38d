#include "oesophagus/model/oeso_examination.h"

#include "core/numbers.h"
#include "core/random_source.h"
#include "oesophagus/model/oeso_transport.h"

namespace Mod_Oeso::Examination {

namespace {

// Draws of the next unknown before the first row not given yet is taken
// instead: a chance that keeps giving rows already given cannot hold the
// examination up.
constexpr int MostRedraws = 1000;

int candidateCount(const QVector<OesoDrug> &drugs)
{
    return int(drugs.size()) - 1;
}

int drawCandidate(int count)
{
    return Numbers::intFloor(float(count) * Chance::draw() + 1.0f);
}

bool isFree(const OesoExamination &exam, int row)
{
    return row >= 1 && row < exam.UnknownUsed.size() && exam.UnknownUsed.at(row) == 0;
}

// A candidate not given yet: reseed and draw again while the row drawn was
// given before, and after MostRedraws draws the first free row in table
// order, so the choice always ends.
int drawFreeCandidate(const OesoExamination &exam, int count)
{
    for (int attempt = 0; attempt < MostRedraws; ++attempt) {
        Chance::reseedFromClock();
        const int row = drawCandidate(count);
        if (isFree(exam, row))
            return row;
    }
    for (int row = 1; row <= count; ++row) {
        if (isFree(exam, row))
            return row;
    }
    return 0;
}

void preparePair(OesoExamination &exam, QVector<OesoResult> &results, const QVector<OesoDrug> &drugs)
{
    exam.UnknownUsed[exam.CurUnknown] = 1;
    results.resize(exam.PairIdx + 1);
    results[exam.PairIdx - 2].DrugName = drugs.at(0).Drug;
    results[exam.PairIdx - 1].DrugName = drugs.at(exam.CurUnknown).Drug;
    // Until a series is chosen, a seed times the new pair's Ringer record.
    exam.ResultIdx = exam.PairIdx - 2;
    exam.ReadingCount = 0;
    exam.SeriesOpen = false;
}

SeriesTiming seriesFrom(const OesoDrug &drug)
{
    SeriesTiming timing;
    timing.Speed = drawStep(drug);
    timing.interval = drawInterval(drug);
    return timing;
}

} // namespace

QStringList candidates(const QVector<OesoDrug> &drugs)
{
    QStringList names;
    for (int row = 1; row < drugs.size(); ++row)
        names << drugs.at(row).Drug;
    return names;
}

bool start(OesoExamination &exam, QVector<OesoResult> &results, const QVector<OesoDrug> &drugs)
{
    exam = OesoExamination();
    const int count = candidateCount(drugs);
    exam.UnknownUsed = QVector<quint8>(count + 2, 0);
    Chance::reseedFromClock();
    if (count < 1)
        return false;
    exam.CurUnknown = qBound(1, drawCandidate(count), count);
    exam.UnknownsGiven = 1;
    exam.PairIdx = 2;
    results.clear();
    preparePair(exam, results, drugs);
    return true;
}

SeriesTiming ringerSeries(OesoExamination &exam, const QVector<OesoDrug> &drugs)
{
    exam.SeriesOpen = true;
    exam.ResultIdx = exam.PairIdx - 2;
    exam.ReadingCount = 0;
    return seriesFrom(drugs.at(0));
}

SeriesTiming unknownSeries(OesoExamination &exam, const QVector<OesoDrug> &drugs)
{
    exam.ResultIdx = exam.PairIdx - 1;
    exam.SeriesOpen = true;
    exam.ReadingCount = 0;
    return seriesFrom(drugs.at(exam.CurUnknown));
}

bool identify(OesoExamination &exam, QVector<OesoResult> &results, const QVector<OesoDrug> &drugs,
              const QString &answer)
{
    exam.SeriesOpen = false;
    results[exam.PairIdx - 1].Identified = answer;
    const int count = candidateCount(drugs);
    if (exam.UnknownsGiven >= count)
        return true;
    exam.CurUnknown = drawFreeCandidate(exam, count);
    ++exam.UnknownsGiven;
    exam.PairIdx += 2;
    preparePair(exam, results, drugs);
    return false;
}

void recordReading(OesoExamination &exam, QVector<OesoResult> &results, qint32 seconds)
{
    OesoResult &record = results[exam.ResultIdx];
    if (exam.ReadingCount == 0)
        record.Reading1 = seconds;
    else if (exam.SeriesOpen && exam.ReadingCount == 1)
        record.Reading2 = seconds;
    else if (exam.SeriesOpen && exam.ReadingCount == 2)
        record.Reading3 = seconds;
    else
        return;
    ++exam.ReadingCount;
}

} // namespace Mod_Oeso::Examination
