#pragma once

#include "heart/model/heart_state.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The texts of the heart's results tables and of Examination 3's comparison,
// as read-only grids show them: row 0 is the header row, and column widths
// are given in multiples of the width of the letter "A" in the grid window's
// font.
namespace Heart::ResultTables {

struct TextTable
{
    int rows = 0;                    // the header row counted
    QVector<double> columnWidthsInA; // one per column; 0 keeps the grid's default
    bool tallHeader = false;         // the header row twice the height of "A"
    bool tallRows = false;           // every row twice the height of "A"
    QVector<QStringList> cells;      // by row, then by column; missing texts are empty

    int columns() const { return int(columnWidthsInA.size()); }
    QString text(int row, int column) const { return cells.value(row).value(column); }
};

// Tutorial: the two fixed rows of the model table.
TextTable modelTable();
// One row per answered unknown, in the order they were given; an unknown
// left unanswered has no row and the rows after it move up. Its rate reads
// " Drug Not Injected " when it was never injected.
TextTable exam1Table(const HeartPractical &practical);
// One row per injection of Examination 2.
TextTable exam2Table(const HeartPractical &practical);
// One row per heart of Examination 3.
TextTable exam3Table(const HeartPractical &practical);
// The same rates as the student compares them before answering.
TextTable comparisonTable(const HeartPractical &practical);

} // namespace Heart::ResultTables
