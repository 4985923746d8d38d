#pragma once

#include "core/results_table.h"

class QFontMetrics;
class TextGrid;

// Shows a results table in a read-only grid as every practical's results
// window does: font "Arial", red texts, widths and heights in multiples of the
// letter "A" measured in the window's font.
namespace ResultsGrid {

void show(TextGrid *grid, const ResultsTable &table, const QFontMetrics &windowFont);

} // namespace ResultsGrid
