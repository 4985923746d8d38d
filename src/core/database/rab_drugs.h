#pragma once

#include "core/database/database_error.h"

#include <QChar>
#include <QString>

// One row of "R_Eye" in "Rab_Eye.mdb": a drug instilled into the rabbit's eye.
struct RabDrug
{
    QString D_Name;         // trimmed; shown in the drug list and on the eye's label
    QChar L_Reflex = u' ';  // from the trimmed text: 'Y' light reflex present,
                            // 'N' absent, 'B' present only while the pupil is wide
    QChar C_Reflex = u' ';  // from the trimmed text: 'Y' the eye blinks at the cotton wool
    QChar I_Tension = u' '; // from the text as stored, not trimmed: 'N' unchanged,
                            // 'D' decreased, 'I' increased, anything else unchanged
    qint16 P_size1 = 0;     // lowest pupil change; one unit is 5 twips of diameter,
                            // positive dilates, negative constricts
    qint16 P_size2 = 0;     // highest pupil change, same units
};

// The rabbit counts its rows in an 8-bit number.
constexpr int RabDrugRowLimit = 255;

// Every row of the rabbit's drug file at path, in the file's order: row 1 is
// drug 1 and the last row is the saline control. 1 to 255 rows.
DrugReading<RabDrug> readRabDrugs(const QString &path);
