#pragma once

#include "core/results_table.h"
#include "oesophagus/model/oesophagus_state.h"

#include <QString>

// The results window's grid `Grid_oeso`: the Tutorial's model table of seed
// travel times, and the supervisor's table of the examination's readings.
namespace Mod_Oeso::ResultTables {

ResultsTable modelTable();
// One row per record of Oeso_Results but the spare last one.
ResultsTable examinationTable(const QVector<OesoResult> &results);

// The mean of the three readings (0 for one not taken), in the shortest form
// with up to 15 significant digits: "38.6666666666667", "27".
QString meanText(const OesoResult &result);

} // namespace Mod_Oeso::ResultTables
