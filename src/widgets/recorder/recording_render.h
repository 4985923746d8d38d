#pragma once

#include "core/recorder/print_layout.h"

#include <QString>

class PaperImage;
class QPainter;
class QPrinter;

namespace RecordingRender {

// Paints one page's strips. The painter works in twips of the page.
void paintPage(QPainter &painter, const PaperImage &paper, const PrintLayout::Page &page);

// Prints the whole paper on a printer whose destination is already chosen:
// landscape, twips from the paper's corner, the pages of PrintLayout. False,
// with the reason, when the job could not be made.
bool renderRecording(QPrinter &printer, const PaperImage &paper, QString *failure);

} // namespace RecordingRender
