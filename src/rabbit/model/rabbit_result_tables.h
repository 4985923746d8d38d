#pragma once

#include "core/results_table.h"
#include "rabbit/model/rabbit_state.h"

// The rabbit's results window's tables, widths and heights in multiples of
// the letter "A" of that window's font.
namespace Rab_eye::ResultTables {

// The Tutorial's model table: the same fixed rows whatever the student did.
ResultsTable modelTable();
// The examination's results: one row per unknown of Examination 1, then
// Examination 2's unknown once it was recorded.
ResultsTable examTable(const RabPractical &practical);

// The texts the table shows for the recorded codes.
QString tensionText(QChar code);
QString reflexText(QChar code);
QString salineText(QChar code);
QString identifiedText(const QString &answer);

} // namespace Rab_eye::ResultTables
