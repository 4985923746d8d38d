#pragma once

#include "core/results_table.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// An examination's results as the supervisor keeps them on paper: the
// practical's title, when the record was written, the student's name when the
// supervisor gives one, and the tables and figures the results window shows.
struct ResultsReport
{
    // A value the window shows in a box, with the label that names it.
    struct Figure
    {
        QString label;
        QString value;
    };

    // One table, or one set of figures, under its own heading; every part
    // starts on a page of its own.
    struct Part
    {
        QString heading;         // "Examination 1"; may be empty
        QString caption;         // the table's title; may be empty
        ResultsTable table;      // no rows: the part has no table
        QVector<Figure> figures; // after the table
        QStringList notes;       // warnings the window shows, after the figures
    };

    QString title;    // the practical's name
    QString subtitle; // what the record is: "Examination Results"
    // Leads the suggested file name ("Heart results").
    QString fileStem;
    QDateTime written;
    QString studentName; // empty: a line left to write the name on
    QVector<Part> parts;
};
