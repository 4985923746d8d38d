#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

namespace Mod_Oeso {

// What the practical is doing, as Oeso_Mode holds it.
enum class Mode : quint8 {
    None = 0,
    Tutorial = 1,
    Examination = 2,
};

// One record of the examination's results. They come in pairs per unknown:
// the Ringer series first, then the unknown's series.
struct OesoResult
{
    QString DrugName;    // the Ringer row's name, or the unknown's true name
    QString Identified;  // the student's answer (empty for the Ringer record)
    qint32 Reading1 = 0; // seed travel times, whole seconds; 0 when not taken
    qint32 Reading2 = 0;
    qint32 Reading3 = 0;
};

// The oesophagus practical's state that outlives its windows: one instance,
// owned by the program. The front page starts every practical afresh by
// assigning a new one, so no student sees the readings of the one before.
struct OesoPractical
{
    Mode Oeso_Mode = Mode::None;
    // The supervisor's password, trimmed and upper-cased.
    QString Oeso_Password;
    // 1 once the drug table has been read in this visit of the experiment.
    quint8 Oeso_Started = 0;
    // The examination's results in pairs; the record at the last index is a
    // spare that the results window does not show.
    QVector<OesoResult> Oeso_Results;
};

} // namespace Mod_Oeso
