#pragma once

#include "rabbit/model/eye_drug_table.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// How the examinations choose their unknowns, through the chance seam.
namespace Rab_eye::UnknownDraws {

// Examination 1's next unknown: reseeds once and draws evenly among the
// unknowns (1 to DrugCount) not yet flagged in used, flags it and returns
// its index; 0 when every unknown has been given.
int nextUnused(QVector<quint8> &used, int drugCount);

// Examination 2's unknown: a drug whose whole range of pupil change has one
// sign, so it is plainly a mydriatic (P_size1 > 0) or a miotic (P_size2 < 0).
struct Exam2Unknown
{
    int index = 0; // 0 when the table has no such drug
    QString drugClass;
};

inline const QString Miotic = QStringLiteral("Miotic");
inline const QString Mydriatic = QStringLiteral("Mydriatic");

// The class of a drug, or empty when its pupil change can go either way.
QString drugClass(const RabDrug &drug);
// Reseeds, picks a class with even odds, then a drug of it evenly; a class
// without drugs gives way to the other.
Exam2Unknown drawExam2(const EyeDrugTable &drugs);

} // namespace Rab_eye::UnknownDraws
