#pragma once

#include <QString>

#include <variant>

// What an ileum injection draws on the recorder paper, as plain data the
// window replays in order. Paper pixels, origin at the paper's top-left
// corner, y growing downwards; one pixel wide, in the paper's ink colour.
namespace ileum {

struct PaperLine
{
    int x1;
    int y1;
    int x2;
    int y2;
};

// Part of an ellipse drawn counter-clockwise, as seen on the screen, from
// startAngle to endAngle (radians, 0 pointing to increasing x, so angles
// between 0 and pi lie above the centre). With aspect (height / width) below 1
// the radius is the horizontal one and the vertical radius is radius x aspect;
// otherwise the radius is the vertical one and the horizontal radius is
// radius / aspect.
struct PaperArc
{
    int centreX;
    int centreY;
    double radius;
    double aspect;
    double startAngle;
    double endAngle;
};

struct PaperFont
{
    QString family;
    double pointSize;
};

// Text with its top-left corner at (x, y).
struct PaperText
{
    int x;
    int y;
    PaperFont font;
    QString text;
};

using PaperCommand = std::variant<PaperLine, PaperArc, PaperText>;

} // namespace ileum
