#include "widgets/text_grid.h"

#include <QHeaderView>

TextGrid::TextGrid(const QString &name, QWidget *parent)
    : QTableWidget(parent)
    , m_textColour(palette().color(QPalette::Text))
{
    setObjectName(name);
    // A display only: it never takes the focus from the window's buttons.
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void TextGrid::setShape(int rows, int columns)
{
    clear();
    setColumnCount(columns);
    setRowCount(qMax(rows - 1, 0));
    for (int column = 0; column < columns; ++column) {
        setHorizontalHeaderItem(column, new QTableWidgetItem(QString()));
        setColumnWidth(column, horizontalHeader()->defaultSectionSize());
    }
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, verticalHeader()->defaultSectionSize());
    horizontalHeader()->setMinimumHeight(0);
    horizontalHeader()->setMaximumHeight(QWIDGETSIZE_MAX);
}

void TextGrid::setText(int row, int column, const QString &text)
{
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    auto *cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setForeground(m_textColour);
    setItem(row - 1, column, cell);
}

QString TextGrid::text(int row, int column) const
{
    const QTableWidgetItem *cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

void TextGrid::setRowHeightPixels(int row, int pixels)
{
    if (row == 0)
        horizontalHeader()->setFixedHeight(pixels);
    else
        setRowHeight(row - 1, pixels);
}

void TextGrid::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem *cell = item(row, column))
                cell->setForeground(colour);
        }
    }
}

void TextGrid::setGridFont(const QFont &font)
{
    setFont(font);
    horizontalHeader()->setFont(font);
}
