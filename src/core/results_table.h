#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A results table as the practicals' read-only grids show it: row 0 is the
// header row, and sizes are multiples of the width and the height of the
// letter "A" in the results window's own font.
struct ResultsTable
{
    int rows = 0;                    // the header row counted
    QVector<double> columnWidthsInA; // one per column; 0 keeps the grid's default
    double headerHeightInA = 0;      // 0 keeps the grid's default
    double rowHeightInA = 0;         // every row below the header; 0 keeps the default
    QVector<QStringList> cells;      // by row, then by column; missing texts are empty

    int columns() const { return int(columnWidthsInA.size()); }
    QString text(int row, int column) const { return cells.value(row).value(column); }
};
