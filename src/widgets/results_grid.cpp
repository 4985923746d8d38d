#include "widgets/results_grid.h"

#include "widgets/text_grid.h"

#include <QFontMetrics>

namespace ResultsGrid {

void show(TextGrid *grid, const ResultsTable &table, const QFontMetrics &windowFont)
{
    const double letterWidth = windowFont.horizontalAdvance(QLatin1Char('A'));
    const double letterHeight = windowFont.height();

    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPointSizeF(grid->font().pointSizeF());
    grid->setGridFont(gridFont);
    grid->setTextColour(QColor(255, 0, 0));
    grid->setShape(table.rows, table.columns());
    for (int column = 0; column < table.columns(); ++column) {
        const double widthInA = table.columnWidthsInA.at(column);
        if (widthInA > 0)
            grid->setColumnWidth(column, qRound(widthInA * letterWidth));
    }
    if (table.headerHeightInA > 0)
        grid->setRowHeightPixels(0, qRound(table.headerHeightInA * letterHeight));
    if (table.rowHeightInA > 0) {
        for (int row = 1; row < table.rows; ++row)
            grid->setRowHeightPixels(row, qRound(table.rowHeightInA * letterHeight));
    }
    for (int row = 0; row < table.rows; ++row) {
        for (int column = 0; column < table.columns(); ++column)
            grid->setText(row, column, table.text(row, column));
    }
}

} // namespace ResultsGrid
