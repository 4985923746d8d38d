#pragma once

#include "core/database/database_error.h"

#include <QChar>
#include <QString>

// One drug of the frog-heart practical, as a row of "heart_drug" in
// "F_Heart.mdb" gives it.
struct HeartDrug
{
    static constexpr int keyWidth = 6;

    QString Name;              // trimmed; shown in the drug lists and on the drug label
    QString key;               // trimmed, at most 6 characters; the interaction rules
                               // compare it with "Epi", "NEpi", "Iso", "Prop", "Atr",
                               // "ACh", "KCl" and "CaCl"; printed under the injection mark
    float Dose = 0.0f;         // µg, shown in the dose box; does not change the response
    QChar tone = u' ';         // 'I' increased, 'D' decreased, anything else no change
    quint8 hr_START = 0;       // smallest heart-rate change, beats/min
    quint8 hr_END = 0;         // largest heart-rate change, beats/min
    quint8 L_StART = 0;        // upper end of the beat stroke, pixels from the paper's top
    quint8 L_End = 0;          // lower end of the beat stroke, pixels from the paper's top
    QChar hr_indicator = u' '; // 'I' increase, 'D' decrease, 'O' arrest, 'P' keep the
                               // previous drug's rate, anything else no change
};

// The heart window's drug table has room for ten drugs after its rest entry.
constexpr int HeartDrugRowLimit = 10;

// Every row of the heart's drug file at path, in the file's order: row 1 is
// drug 1. Tutorial and Examinations 1 and 2 read this; 1 to 10 rows.
DrugReading<HeartDrug> readHeartDrugs(const QString &path);

// Examination 3's two drugs: the first row, then, five rows further on, the
// sixth. Rows in between are not converted; fewer than six rows is an error.
DrugReading<HeartDrug> readHeartExam3Drugs(const QString &path);
