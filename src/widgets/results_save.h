#pragma once

#include "core/results_report.h"

#include <QRect>
#include <QString>

#include <functional>

class QPushButton;
class QWidget;

// The "Save as PDF…" button of the results windows, and the save step behind
// it: the supervisor may type the student's name, chooses the file, and the
// report is written; a file that cannot be written is named and the step
// comes back until the report is saved or the supervisor gives up.
namespace ResultsSave {

struct Choice
{
    QString studentName;
    QString fileName; // empty: the supervisor gave up
};

// Asks for the student's name and the file, starting from the suggestion.
// Tests answer without a dialog; an empty function restores the dialogs.
using Chooser = std::function<Choice(QWidget *parent, const Choice &suggestion)>;
void setChooser(Chooser chooser);

// The file name offered first: the report's stem with the date and time,
// in the user's home folder.
QString suggestedFileName(const ResultsReport &report);

// Writes the report the window gives at the click, stamped with the clock's
// date and time and the name typed. Nothing on the window changes.
void save(QWidget *window, ResultsReport report);

// The button Cmd_SavePdf in its place; a click saves what `report` gives then.
QPushButton *button(QWidget *parent, const QRect &place, std::function<ResultsReport()> report);

} // namespace ResultsSave
