#pragma once

#include "core/passwords.h"

#include <QChar>
#include <QString>
#include <QVector>
#include <QtGlobal>

namespace Rab_eye {

// What the practical is doing, as Rab_Mode holds it.
enum class Mode : quint8 {
    None = 0,
    Tutorial = 1,
    Examination = 2,  // Examination 1: the set of unknowns
    Examination2 = 3, // Examination 2: one unknown, miotic or mydriatic
};

// What the results table shows for one unknown. The effect codes are "N",
// "D", "I" (tension) or "Y", "N" (reflexes), and "H" for not tested; a record
// that was never written reads as not tested and not identified.
struct RabResult
{
    QString DrugName;   // the drug actually given as this unknown
    QString Identified; // the student's answer; empty if none
    QChar Tension = u'H';
    QChar LightReflex = u'H';
    QChar CornealReflex = u'H';
    QChar SalineInstilled = u'N'; // "Y" once saline was instilled for this unknown
};

// Examination 2's one unknown: its record as Examination 1 keeps one, and
// the class the drug belongs to ("Miotic" or "Mydriatic").
struct RabExam2Result
{
    bool recorded = false;
    QString DrugClass;
    RabResult result;
};

// The rabbit practical's state that outlives its windows: one instance,
// owned by the program. The front page starts every practical afresh by
// assigning a new one, so no result survives into the next student's.
struct RabPractical
{
    // 1 once the rabbit window has read the drug file for this practical.
    quint8 Rab_Started = 0;
    Mode Rab_Mode = Mode::None;
    // The supervisor's password in a fixed field of ten characters, blank-padded.
    QString Rab_Password = Passwords::fixedField(QString());
    // 0 nothing; 1 the model table was asked for; 2 it is on show.
    quint8 Rab_TableState = 0;
    // Examination 1's unknowns, entries 1 to the number of unknowns (0 and
    // the last unused).
    QVector<RabResult> Rab_Results;
    RabExam2Result Rab_Exam2Result;
};

} // namespace Rab_eye
