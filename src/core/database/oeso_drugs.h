#pragma once

#include "core/database/database_error.h"

#include <QString>

// One row of "Oeso" in "f_oeso.mdb": a solution instilled on the frog
// oesophagus, given as the ranges its seed step and tick interval are drawn from.
struct OesoDrug
{
    QString Drug;        // trimmed; the name shown to the student
    float speed1 = 0.0f; // lowest seed step, twips per tick
    float speed2 = 0.0f; // highest seed step, twips per tick
    float time1 = 0.0f;  // lowest tick interval, ms
    float time2 = 0.0f;  // highest tick interval, ms
};

// The oesophagus counts its rows in an 8-bit number.
constexpr int OesoDrugRowLimit = 255;

// Every row of the oesophagus drug file at path, in the file's order: row 0
// is the baseline Ringer solution. 1 to 255 rows.
DrugReading<OesoDrug> readOesoDrugs(const QString &path);
