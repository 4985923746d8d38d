#pragma once

#include "core/database/oeso_drugs.h"
#include "oesophagus/model/oesophagus_state.h"

#include <QStringList>
#include <QVector>

// The examination: unknown drugs chosen at random from rows 1 to the last,
// each timed in a Ringer series and an unknown series of up to three seeds,
// then named by the student. Readings go into Oeso_Results in pairs.
namespace Mod_Oeso {

struct OesoExamination
{
    int CurUnknown = 0;          // row of the unknown now given
    QVector<quint8> UnknownUsed; // by row: 1 once given as an unknown
    int UnknownsGiven = 0;
    int PairIdx = 0;      // one past the current pair of results (2, 4, 6, ...)
    int ResultIdx = 0;    // the record the next reading goes to
    int ReadingCount = 0; // readings stored in that record
    bool SeriesOpen = false;
};

// The step (twips per tick) and tick interval (ms) of a series' seeds.
struct SeriesTiming
{
    int Speed = 0;
    int interval = 0;
};

namespace Examination {

// The candidate unknowns, rows 1 to the last in table order.
QStringList candidates(const QVector<OesoDrug> &drugs);

// Prepares the first pair. False when the table has no candidate (fewer than
// two rows): then nothing is prepared and the examination cannot run.
bool start(OesoExamination &exam, QVector<OesoResult> &results, const QVector<OesoDrug> &drugs);

// The Ringer and the unknown series: the record the readings go to, and the
// step then the interval drawn from the series' row.
SeriesTiming ringerSeries(OesoExamination &exam, const QVector<OesoDrug> &drugs);
SeriesTiming unknownSeries(OesoExamination &exam, const QVector<OesoDrug> &drugs);

// The student names the unknown. True when every candidate has been given and
// the examination ends; otherwise the next pair is prepared, with its Ringer
// record taking the readings until a series is chosen.
bool identify(OesoExamination &exam, QVector<OesoResult> &results, const QVector<OesoDrug> &drugs,
              const QString &answer);

// A seed arrived after `seconds`: the first reading of the record always,
// the second and third only within a chosen series.
void recordReading(OesoExamination &exam, QVector<OesoResult> &results, qint32 seconds);

} // namespace Examination

} // namespace Mod_Oeso
