#pragma once

#include <QPrinterInfo>
#include <QString>

#include <functional>

class PaperImage;
class QWidget;

// The Print button of both recorders: the warning, then the job to the
// default printer or, when there is none and the user agrees, to a PDF file.
// Every failure is told to the user.
namespace RecordingPrint {

// Answers the default printer; a null printer means there is none. Tests put
// their own in place so that no test reaches a real printer unless it means
// to; an empty function restores the platform's default printer.
using PrinterLookup = std::function<QPrinterInfo()>;
void setPrinterLookup(PrinterLookup lookup);

// Asks for the name of the PDF file; empty when the user gives up. Tests
// answer without a dialog; an empty function restores the file dialog.
using PdfFileChooser = std::function<QString(QWidget *parent, const QString &suggestedName)>;
void setPdfFileChooser(PdfFileChooser chooser);

void printRecording(QWidget *parent, const PaperImage &paper, const QString &documentName);

} // namespace RecordingPrint
