#pragma once

#include "core/results_table.h"
#include "heart/model/heart_state.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The texts of the heart's results tables and of Examination 3's comparison.
namespace Heart::ResultTables {

// Tutorial: the two fixed rows of the model table.
ResultsTable modelTable();
// One row per answered unknown, in the order they were given; an unknown
// left unanswered has no row and the rows after it move up. Its rate reads
// " Drug Not Injected " when it was never injected.
ResultsTable exam1Table(const HeartPractical &practical);
// One row per injection of Examination 2.
ResultsTable exam2Table(const HeartPractical &practical);
// One row per heart of Examination 3.
ResultsTable exam3Table(const HeartPractical &practical);
// The same rates as the student compares them before answering.
ResultsTable comparisonTable(const HeartPractical &practical);

} // namespace Heart::ResultTables
