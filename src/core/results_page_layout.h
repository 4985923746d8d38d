#pragma once

#include "core/results_report.h"

#include <QLine>
#include <QRect>
#include <QString>
#include <QVector>

// Where everything of a results report goes on A4 sheets, in twips (1/1440
// inch) from the sheet's top-left corner. Tables keep their screen size, 15
// twips to a pixel; a part whose table is wider than a portrait page goes on
// landscape pages, and a table wider than that is narrowed to fit. A table
// too long for one page goes on over the next, its header row repeated.
// Every page carries the title and subtitle, the date and time and the
// student's line, and its number at the foot.
namespace ResultsPageLayout {

constexpr int A4ShortTwips = 11906;
constexpr int A4LongTwips = 16838;
constexpr int MarginTwips = 1134; // 2 cm on every side
constexpr int TwipsPerPixel = 15;

// What the results window measures: the letter "A" of its own font (its
// tables' sizes are multiples of it), the grid's sizes where a table keeps
// them, all in screen pixels, and the grid font's size in points.
struct Measures
{
    double letterWidth = 0;
    double letterHeight = 0;
    int defaultColumnWidth = 0;
    int defaultRowHeight = 0;
    double cellPoints = 0;
};

enum class Style {
    Title,
    Subtitle,
    Line, // the date and the student's name
    Heading,
    Caption,
    HeaderCell,
    Cell,
    FigureLabel,
    FigureValue,
    Note,
    Footer,
};

struct Box
{
    QRect rect;
    QString text;
    Style style = Style::Line;
    double points = 0;
    bool operator==(const Box &) const = default;
};

struct Page
{
    bool landscape = false;
    QVector<Box> boxes;
    QVector<QLine> rules; // the line to write the student's name on
};

// The report's first lines: "Date and time: 14 March 2024, 10:00".
QString writtenLine(const QDateTime &written);
QString studentLine(const QString &studentName);

QVector<Page> pages(const ResultsReport &report, const Measures &measures);

} // namespace ResultsPageLayout
