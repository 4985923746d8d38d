#pragma once

#include "heart/model/heart_result_tables.h"

class QFontMetrics;
class TextGrid;

// Shows one of the heart's tables in a read-only grid: font "Arial", red
// texts, widths in multiples of the letter "A" and tall rows twice its
// height, both measured in the given window font.
namespace HeartTableGrid {

void show(TextGrid *grid, const Heart::ResultTables::TextTable &table, const QFontMetrics &windowFont);

} // namespace HeartTableGrid
