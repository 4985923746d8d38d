#pragma once

#include "widgets/results_save.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QWidget;
class TextGrid;

// The results windows' "Save as PDF…" driven without dialogs, and the written
// file read back as text.
namespace ResultsPdfCheck {

// Answers every save step from a script and keeps the suggestions it was
// given. A step beyond the script gives up.
class SaveScript
{
public:
    SaveScript();
    ~SaveScript();

    void answerNext(const QString &fileName, const QString &studentName = QString());
    const QList<ResultsSave::Choice> &suggestions() const { return m_suggestions; }

private:
    QList<ResultsSave::Choice> m_answers;
    QList<ResultsSave::Choice> m_suggestions;
};

// The window's Cmd_SavePdf, when it is there and on show.
bool saveOffered(const QWidget *window);

// pdftotext and pdfinfo (poppler-utils) are on the machine; tests that read
// the file skip without them.
bool popplerAvailable();
// The file's text in the order it was written on the pages, one page after
// another.
QString pdfText(const QString &fileName);
// Each page's size in points (width x height).
QList<QSizeF> pdfPageSizes(const QString &fileName);

// The texts of one grid row as it shows them.
QStringList gridRow(const TextGrid *grid, int row);
// True when the text holds the cells' words one after another, left to right
// (a cell's text may break over lines; empty cells are passed over).
bool hasRow(const QString &text, const QStringList &cells);
// The rows of the grid that hasRow does not find in the text.
QStringList missingRows(const QString &text, const TextGrid *grid);

} // namespace ResultsPdfCheck
