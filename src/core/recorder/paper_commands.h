#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <variant>

// What a practical draws on the chart recorder's paper, as plain data that
// the recorder replays in order. Paper positions are pixels, origin at the
// paper's top-left corner, y growing downwards; lines and arcs are one pixel
// wide, in the paper's ink colour.
//
// Two kinds of command meet here: the heart writes its beat with the pen
// that stands PenFromEnd pixels left of the paper's end (Advance, PenStep,
// Stroke, AddUsed, Mark); the ileum draws at whole-paper positions that it
// works out from the paper's width (Line, Arc, Text).
namespace Paper {

// The pen steps and beat strokes stand this many pixels left of the paper's end.
constexpr int PenFromEnd = 10;

// A face the paper prints text in; where the system lacks it, the font
// system's stand-in for that face is used.
struct Font
{
    QString family;
    double pointSize = 0.0;
    bool bold = false;
    bool operator==(const Font &) const = default;
};

// The recorder's AdvancePaper(n): the paper moves on n pixels and its scroll
// range is kept up to date.
struct Advance
{
    qint16 n = 0;
    bool operator==(const Advance &) const = default;
};

// A pen step: the paper grows one pixel and moves one pixel left without the
// scroll-range test, then a vertical line from y1 to y2 at x = W - PenFromEnd,
// W being the paper's width after the step.
struct PenStep
{
    int y1 = 0;
    int y2 = 0;
    bool operator==(const PenStep &) const = default;
};

// A beat stroke: a vertical line from y1 to y2 at x = W - PenFromEnd, W being
// the paper's width now (no paper step of its own).
struct Stroke
{
    int y1 = 0;
    int y2 = 0;
    bool operator==(const Stroke &) const = default;
};

// Paper consumed without an advance, added to the recorder's PaperUsed in one sum.
struct AddUsed
{
    qint16 n = 0;
    bool operator==(const AddUsed &) const = default;
};

// A text with its top-left corner dx pixels right of the mark's pen x (dx is
// negative: marks stand left of the pen) and y pixels from the top.
struct MarkText
{
    int dx = 0;
    int y = 0;
    Font font;
    QString text;
    bool operator==(const MarkText &) const = default;
};

// The colour a mark is printed in: the paper's ink, or the system colour of
// three-dimensional highlights.
enum class MarkColour { Ink, Highlight };

// Texts placed around one pen x: the paper's drawing position, as a whole
// pixel, read once when the mark starts (after a beat stroke, the stroke's x).
// The paper's ink colour is back in force after the mark.
struct Mark
{
    MarkColour colour = MarkColour::Ink;
    QVector<MarkText> texts;
    bool operator==(const Mark &) const = default;
};

struct Line
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Line &) const = default;
};

// Part of an ellipse drawn counter-clockwise, as seen on the screen, from
// startAngle to endAngle (radians, 0 pointing to increasing x, so angles
// between 0 and pi lie above the centre). With aspect (height / width) below 1
// the radius is the horizontal one and the vertical radius is radius x aspect;
// otherwise the radius is the vertical one and the horizontal radius is
// radius / aspect.
struct Arc
{
    int centreX = 0;
    int centreY = 0;
    double radius = 0.0;
    double aspect = 1.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
    bool operator==(const Arc &) const = default;
};

// A text with its top-left corner at (x, y).
struct Text
{
    int x = 0;
    int y = 0;
    Font font;
    QString text;
    bool operator==(const Text &) const = default;
};

using Command = std::variant<Advance, PenStep, Stroke, AddUsed, Mark, Line, Arc, Text>;
using Commands = QVector<Command>;

} // namespace Paper
