#pragma once

#include "heart/model/heart_controls.h"

#include <QString>
#include <QVector>

#include <optional>
#include <variant>

// What the heart model asks its window to draw, as plain data replayed in
// order. Paper positions are pixels, y from the paper's top; x is given
// relative to the recorder as each command says.
namespace Heart {

// The recorder's AdvancePaper(n): the paper moves on n pixels and its scroll
// range is kept up to date.
struct AdvancePaper
{
    qint16 n;
    bool operator==(const AdvancePaper &o) const { return n == o.n; }
};

// A pen step: the paper grows one pixel and moves one pixel left without the
// scroll-range test, then a vertical line in the ink colour from y1 to y2 at
// x = W - 10, W being the paper's width after the step.
struct PenStep
{
    int y1;
    int y2;
    bool operator==(const PenStep &o) const { return y1 == o.y1 && y2 == o.y2; }
};

// The beat stroke of a tick: a vertical line in the ink colour from y1 to y2
// at x = W - 10, W being the paper's width now (no paper step of its own).
struct BeatStroke
{
    int y1;
    int y2;
    bool operator==(const BeatStroke &o) const { return y1 == o.y1 && y2 == o.y2; }
};

// Paper the marks consumed, added to the recorder's PaperUsed in one sum.
struct AddPaperUsed
{
    qint16 n;
    bool operator==(const AddPaperUsed &o) const { return n == o.n; }
};

struct MarkFont
{
    QString family;
    int pointSize;
    bool bold;
    bool operator==(const MarkFont &o) const
    {
        return family == o.family && pointSize == o.pointSize && bold == o.bold;
    }
};

// A text with its top-left corner dx pixels right of the mark's pen x (dx is
// negative: marks stand left of the pen) and y pixels from the top.
struct MarkText
{
    int dx;
    int y;
    MarkFont font;
    QString text;
    bool operator==(const MarkText &o) const
    {
        return dx == o.dx && y == o.y && font == o.font && text == o.text;
    }
};

// Which colour a mark is printed in: the paper's ink, or the system colour of
// three-dimensional highlights.
enum class MarkColour { Ink, Highlight };

// Texts placed around one pen x: the paper's drawing position, as a whole
// pixel, read once when the mark starts (after a beat stroke, the stroke's x).
// The paper's ink colour is back in force after the mark.
struct PaperMark
{
    MarkColour colour;
    QVector<MarkText> texts;
    bool operator==(const PaperMark &o) const { return colour == o.colour && texts == o.texts; }
};

using PaperCommand = std::variant<AdvancePaper, PenStep, BeatStroke, AddPaperUsed, PaperMark>;

// The heart pictures on the apparatus, `Img_hrtsys` and `Img_hrtdia`: one of
// the two is shown at a time. Img_hrtdia shows while the lever rises and
// during a calcium arrest, Img_hrtsys while it falls and in a potassium arrest.
enum class HeartPicture { Systole, Diastole };

// The lever line on the apparatus picture from (LeverLine::StartX, y) to the
// pivot (PivotX, PivotY), twips, in the not-xor pen mode: drawing it where it
// already stands removes it.
struct LeverLine
{
    static constexpr int StartX = 50;
    static constexpr int PivotX = 1000;
    static constexpr int PivotY = 4200;
    int y;
    bool operator==(const LeverLine &o) const { return y == o.y; }
};

// Shows this heart picture and hides the other.
struct ShowHeart
{
    HeartPicture picture;
    bool operator==(const ShowHeart &o) const { return picture == o.picture; }
};

using LeverDrawing = std::variant<LeverLine, ShowHeart>;
using LeverDrawings = QVector<LeverDrawing>;

// Clear both indicator boxes and draw one level line in each.
struct IndicatorLevels
{
    int heartRate;
    int tone;
    bool operator==(const IndicatorLevels &o) const { return heartRate == o.heartRate && tone == o.tone; }
};

// Everything one event of the heart draws or switches.
struct HeartDrawing
{
    QVector<PaperCommand> paper;
    LeverDrawings lever;
    std::optional<IndicatorLevels> indicators;
    EnableChanges enables;

    void append(const HeartDrawing &later);
};

} // namespace Heart
