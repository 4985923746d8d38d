#pragma once

#include "core/recorder/print_layout.h"

#include <QRect>
#include <QSizeF>
#include <QString>

class PaperImage;
class QPainter;
class QPrinter;

namespace RecordingRender {

// Paints one page's strips. The painter works in twips of the page.
void paintPage(QPainter &painter, const PaperImage &paper, const PrintLayout::Page &page);

// Maps the painter, begun on a page of the given size in inches that covers
// pagePixels of its device, to twips measured from the paper's corner: the
// printer is set to print the full page, so the layout's margins are from
// the sheet's edge whatever the printer's own printable area.
void mapTwips(QPainter &painter, const QSizeF &pageInches, const QRect &pagePixels);

// Prints the whole paper on a printer whose destination is already chosen:
// landscape, twips from the paper's corner, the pages of PrintLayout. False,
// with the reason, when the job could not be made.
bool renderRecording(QPrinter &printer, const PaperImage &paper, QString *failure);

} // namespace RecordingRender
