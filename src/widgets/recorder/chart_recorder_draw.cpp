// How the recorder replays a practical's paper commands: the heart's pen
// steps, beat strokes and marks by the paper's end, the ileum's lines, arcs
// and texts where it places them.

#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/scheme_colours.h"

#include <QFont>

namespace {

// No style hint: a hint would make the font system pass over the close
// stand-in it keeps for a missing face (arial's, say) for its generic one.
QFont qtFont(const Paper::Font &font)
{
    QFont f(font.family);
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    return f;
}

struct Player
{
    ChartRecorder &recorder;

    PaperWidget &paper() const { return *recorder.paper(); }

    void penLine(int y1, int y2) const
    {
        const int x = recorder.bookkeeping().paperWidth() - Paper::PenFromEnd;
        paper().drawLine(QPoint(x, y1), QPoint(x, y2));
    }

    void operator()(const Paper::Advance &advance) const { recorder.AdvancePaper(advance.n); }
    void operator()(const Paper::PenStep &step) const
    {
        recorder.GrowPaper(1);
        penLine(step.y1, step.y2);
    }
    void operator()(const Paper::Stroke &stroke) const { penLine(stroke.y1, stroke.y2); }
    void operator()(const Paper::AddUsed &used) const { recorder.AddPaperUsed(used.n); }
    void operator()(const Paper::Mark &mark) const
    {
        const int penX = paper().pen().x();
        const QColor ink = paper().inkColour();
        if (mark.colour == Paper::MarkColour::Highlight)
            paper().setInkColour(SchemeColours::highlight());
        for (const Paper::MarkText &text : mark.texts)
            paper().drawText(QPoint(penX + text.dx, text.y), text.text, qtFont(text.font));
        paper().setInkColour(ink);
    }
    void operator()(const Paper::Line &line) const
    {
        paper().drawLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
    }
    void operator()(const Paper::Arc &arc) const
    {
        paper().drawArc(QPoint(arc.centreX, arc.centreY), arc.radius, arc.aspect, arc.startAngle, arc.endAngle);
    }
    void operator()(const Paper::Text &text) const
    {
        paper().drawText(QPoint(text.x, text.y), text.text, qtFont(text.font));
    }
};

} // namespace

void ChartRecorder::draw(const Paper::Commands &commands)
{
    const Player player{*this};
    for (const Paper::Command &command : commands)
        std::visit(player, command);
}
