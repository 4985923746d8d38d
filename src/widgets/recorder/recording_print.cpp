#include "widgets/recorder/recording_print.h"

#include "widgets/message_boxes.h"
#include "widgets/recorder/paper_image.h"
#include "widgets/recorder/recording_render.h"

#include <QDir>
#include <QFileDialog>
#include <QPrinter>

namespace RecordingPrint {

namespace {

PrinterLookup &printerLookup()
{
    static PrinterLookup lookup;
    return lookup;
}

PdfFileChooser &pdfFileChooser()
{
    static PdfFileChooser chooser;
    return chooser;
}

QPrinterInfo defaultPrinter()
{
    return printerLookup() ? printerLookup()() : QPrinterInfo::defaultPrinter();
}

QString choosePdfFile(QWidget *parent, const QString &suggestedName)
{
    if (pdfFileChooser())
        return pdfFileChooser()(parent, suggestedName);
    QString name
        = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the recording as PDF"),
                                       QDir::home().filePath(suggestedName), QStringLiteral("PDF files (*.pdf)"));
    if (!name.isEmpty() && !name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QLatin1String(".pdf");
    return name;
}

bool userGoesAhead(QWidget *parent)
{
    MessageBoxes::Request warning;
    warning.text = QStringLiteral("You have clicked 'Print' button. Switch on the printer and keep it online too. "
                                  "Your PC may hang if the default printer is NOT on line. "
                                  "Do you like to continue printing?");
    warning.title = QStringLiteral("WARNING - Printer must be ON LINE");
    warning.buttons = MessageBoxes::Buttons::YesNo;
    warning.icon = MessageBoxes::Icon::Critical;
    warning.defaultAnswer = MessageBoxes::Answer::No;
    return MessageBoxes::show(parent, warning) == MessageBoxes::Answer::Yes;
}

bool userWantsPdf(QWidget *parent)
{
    MessageBoxes::Request offer;
    offer.text = QStringLiteral("No printer is set up on this computer. "
                                "Do you want to save the recording as a PDF file instead?");
    offer.title = QStringLiteral("Print");
    offer.buttons = MessageBoxes::Buttons::YesNo;
    offer.icon = MessageBoxes::Icon::Question;
    offer.defaultAnswer = MessageBoxes::Answer::Yes;
    return MessageBoxes::show(parent, offer) == MessageBoxes::Answer::Yes;
}

void reportFailure(QWidget *parent, const QString &reason)
{
    MessageBoxes::inform(parent, QStringLiteral("The recording was not printed. %1").arg(reason),
                         QStringLiteral("Print"), MessageBoxes::Icon::Exclamation);
}

void render(QWidget *parent, QPrinter &printer, const PaperImage &paper, const QString &documentName)
{
    printer.setDocName(documentName);
    QString failure;
    if (!RecordingRender::renderRecording(printer, paper, &failure))
        reportFailure(parent, failure);
}

} // namespace

void setPrinterLookup(PrinterLookup lookup)
{
    printerLookup() = std::move(lookup);
}

void setPdfFileChooser(PdfFileChooser chooser)
{
    pdfFileChooser() = std::move(chooser);
}

void printRecording(QWidget *parent, const PaperImage &paper, const QString &documentName)
{
    if (!userGoesAhead(parent))
        return;
    const QPrinterInfo printerInfo = defaultPrinter();
    if (!printerInfo.isNull()) {
        if (printerInfo.state() == QPrinter::Error) {
            reportFailure(
                parent,
                QStringLiteral("The printer %1 is stopped or reports an error.").arg(printerInfo.printerName()));
            return;
        }
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        render(parent, printer, paper, documentName);
        return;
    }
    if (!userWantsPdf(parent))
        return;
    // A file that cannot be written is named, and the file dialog comes back
    // until the recording is saved or the user gives up.
    for (;;) {
        const QString fileName = choosePdfFile(parent, documentName + QLatin1String(".pdf"));
        if (fileName.isEmpty())
            return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setDocName(documentName);
        QString failure;
        if (RecordingRender::renderRecording(printer, paper, &failure))
            return;
        MessageBoxes::inform(parent,
                             QStringLiteral("The recording was not saved: the file %1 could not be written. "
                                            "Choose another folder or name.")
                                 .arg(QDir::toNativeSeparators(fileName)),
                             QStringLiteral("Print"), MessageBoxes::Icon::Exclamation);
    }
}

} // namespace RecordingPrint
