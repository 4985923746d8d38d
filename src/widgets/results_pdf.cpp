#include "widgets/results_pdf.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QStyle>
#include <QWidget>

namespace ResultsPdf {

using namespace ResultsPageLayout;

namespace {

constexpr int DotsPerInch = 1440; // one dot to a twip
constexpr int CellPadding = 60;   // twips between a cell's frame and its text
constexpr int RuleWidth = 10;     // twips

const QColor CellText(255, 0, 0); // the results grids' red
const QColor HeaderFill(232, 232, 232);
const QColor NoteText(192, 20, 30);

QPageLayout sheet(bool landscape)
{
    return QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

QFont fontFor(const Box &box)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(box.points);
    switch (box.style) {
    case Style::Title:
    case Style::Subtitle:
    case Style::Heading:
    case Style::Caption:
    case Style::FigureValue:
    case Style::Note: font.setBold(true); break;
    default: break;
    }
    return font;
}

void paintBox(QPainter &painter, const Box &box)
{
    painter.save();
    painter.setFont(fontFor(box));
    QRect textPlace = box.rect;
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    switch (box.style) {
    case Style::HeaderCell:
    case Style::Cell:
        painter.setPen(QPen(Qt::black, RuleWidth));
        painter.setBrush(box.style == Style::HeaderCell ? QBrush(HeaderFill) : QBrush(Qt::white));
        painter.drawRect(box.rect);
        painter.setPen(box.style == Style::Cell ? CellText : QColor(Qt::black));
        textPlace = box.rect.adjusted(CellPadding, 0, -CellPadding, 0);
        painter.setClipRect(box.rect);
        break;
    case Style::FigureValue:
        painter.setPen(QPen(Qt::black, RuleWidth));
        painter.drawRect(box.rect.adjusted(0, 40, 0, -40));
        textPlace = box.rect.adjusted(CellPadding, 0, -CellPadding, 0);
        break;
    case Style::FigureLabel: flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap; break;
    case Style::Note: painter.setPen(NoteText); break;
    case Style::Footer: flags = Qt::AlignHCenter | Qt::AlignBottom; break;
    default: break;
    }
    if (box.style == Style::FigureLabel)
        textPlace.adjust(0, 0, -CellPadding, 0);
    painter.drawText(textPlace, flags, box.text);
    painter.restore();
}

} // namespace

Measures measuresOf(const QWidget *window)
{
    const QFontMetrics metrics = window->fontMetrics();
    const QStyle *style = window->style();
    Measures measures;
    measures.letterWidth = metrics.horizontalAdvance(QLatin1Char('A'));
    measures.letterHeight = metrics.height();
    measures.defaultColumnWidth = style->pixelMetric(QStyle::PM_HeaderDefaultSectionSizeHorizontal);
    measures.defaultRowHeight = style->pixelMetric(QStyle::PM_HeaderDefaultSectionSizeVertical);
    measures.cellPoints = window->font().pointSizeF();
    return measures;
}

void paintPage(QPainter &painter, const Page &page)
{
    for (const Box &box : page.boxes)
        paintBox(painter, box);
    painter.save();
    painter.setPen(QPen(Qt::black, RuleWidth));
    for (const QLine &rule : page.rules)
        painter.drawLine(rule);
    painter.restore();
}

bool write(const ResultsReport &report, const Measures &measures, const QString &fileName, QString *failure)
{
    const QVector<Page> pages = ResultsPageLayout::pages(report, measures);
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setResolution(DotsPerInch);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Vivosim"));
        writer.setPageLayout(sheet(pages.first().landscape));
        QPainter painter;
        if (!painter.begin(&writer)) {
            *failure = QStringLiteral("the document could not be made");
            return false;
        }
        for (int p = 0; p < pages.size(); ++p) {
            if (p > 0) {
                // The next sheet takes its own orientation.
                writer.setPageLayout(sheet(pages.at(p).landscape));
                writer.newPage();
            }
            paintPage(painter, pages.at(p));
        }
        painter.end();
    }
    QFile file(fileName);
    // Only a file made here is taken away again when it could not be filled.
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *failure = file.errorString();
        return false;
    }
    const QByteArray &bytes = document.data();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *failure = file.errorString();
        file.close();
        if (!existed)
            file.remove();
        return false;
    }
    file.close();
    return true;
}

} // namespace ResultsPdf
