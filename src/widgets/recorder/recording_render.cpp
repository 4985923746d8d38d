#include "widgets/recorder/recording_render.h"

#include "widgets/recorder/paper_image.h"

#include <QPainter>
#include <QPrinter>

namespace RecordingRender {

using namespace PrintLayout;

void paintPage(QPainter &painter, const PaperImage &paper, const Page &page)
{
    const int stripHeight = paper.height() * TwipsPerPixel;
    for (const Strip &strip : page) {
        painter.save();
        painter.setClipRect(QRect(strip.left, strip.top, StripTwips, stripHeight));
        painter.translate(strip.left - strip.sourceLeft, strip.top);
        painter.scale(TwipsPerPixel, TwipsPerPixel);
        // Whole pixels covering the strip; the clip cuts them at its edges.
        const int firstColumn = strip.sourceLeft / TwipsPerPixel;
        const int endColumn = (strip.sourceLeft + StripTwips + TwipsPerPixel - 1) / TwipsPerPixel;
        paper.paint(painter, QRect(firstColumn, 0, endColumn - firstColumn, paper.height()));
        painter.restore();
    }
}

void mapTwips(QPainter &painter, const QSizeF &pageInches, const QRect &pagePixels)
{
    painter.setWindow(QRect(0, 0, qRound(pageInches.width() * 1440.0), qRound(pageInches.height() * 1440.0)));
    painter.setViewport(pagePixels);
}

bool renderRecording(QPrinter &printer, const PaperImage &paper, QString *failure)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *failure = QStringLiteral("The printer could not start the job.");
        return false;
    }
    // A recording is lines on plain paper: compressed without loss it stays
    // sharp and small.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    mapTwips(painter, printer.paperRect(QPrinter::Inch).size(),
             printer.paperRect(QPrinter::DevicePixel).toAlignedRect());

    const QVector<Page> pages = PrintLayout::pages(paper.width());
    for (int p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            *failure = QStringLiteral("The printer refused page %1.").arg(p + 1);
            return false;
        }
        paintPage(painter, paper, pages.at(p));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        *failure = QStringLiteral("The printer could not finish the job.");
        return false;
    }
    return true;
}

} // namespace RecordingRender
