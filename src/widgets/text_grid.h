#pragma once

#include <QColor>
#include <QTableWidget>

// A read-only grid of text cells laid out as the results tables are: row 0 is
// the fixed header row, the rows after it hold the texts. Nothing can be typed,
// edited or selected; widths and heights are set in pixels.
class TextGrid final : public QTableWidget
{
    Q_OBJECT

public:
    TextGrid(const QString &name, QWidget *parent);

    // The grid's rows (the header row counted) and columns; every text is
    // cleared and every size goes back to the grid's default.
    void setShape(int rows, int columns);
    int rows() const { return rowCount() + 1; }
    int columns() const { return columnCount(); }

    // Row 0 is the header row.
    void setText(int row, int column, const QString &text);
    QString text(int row, int column) const;
    void setRowHeightPixels(int row, int pixels);

    // The colour of the texts below the header; the header keeps the
    // platform's colour.
    void setTextColour(const QColor &colour);
    QColor textColour() const { return m_textColour; }

    // Sets the font of the header and of every cell.
    void setGridFont(const QFont &font);

private:
    QColor m_textColour;
};
