#pragma once

#include <QString>
#include <QStringList>

// Where a practical's drugs live: the file beside the program, its one table
// and its fields, in the order the practical reads them (which is also the
// order of the table's columns).
struct DrugFileLayout
{
    QString fileName;
    QString table;
    QStringList fields;
};

const DrugFileLayout &heartDrugLayout(); // "F_Heart.mdb", table "heart_drug"
const DrugFileLayout &oesoDrugLayout();  // "f_oeso.mdb", table "Oeso"
const DrugFileLayout &rabDrugLayout();   // "Rab_Eye.mdb", table "R_Eye"
