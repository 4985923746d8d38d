#pragma once

#include "core/results_page_layout.h"
#include "core/results_report.h"

#include <QString>

class QPainter;
class QWidget;

// Writes a results report as a PDF of A4 pages laid out by ResultsPageLayout.
namespace ResultsPdf {

// What the window's tables are measured by: the letter "A" of its font, the
// grid's default sizes and the grid font's points.
ResultsPageLayout::Measures measuresOf(const QWidget *window);

// Paints one laid-out page; the painter works in twips of the sheet.
void paintPage(QPainter &painter, const ResultsPageLayout::Page &page);

// Lays the report out and writes it to the file. The document is made in
// memory and the file opened only to take it whole; a new file that could
// not be filled is taken away again, and nothing goes to any other file.
// False, with the reason, when the file could not be written.
bool write(const ResultsReport &report, const ResultsPageLayout::Measures &measures, const QString &fileName,
           QString *failure);

} // namespace ResultsPdf
