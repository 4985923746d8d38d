#include "heart/ui/heart_paper_replay.h"

#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace HeartPaperReplay {

namespace {

QFont markFont(const Heart::MarkFont &font)
{
    QFont f(font.family);
    f.setPointSize(font.pointSize);
    f.setBold(font.bold);
    return f;
}

// The colour of three-dimensional highlights (white in the standard scheme).
QColor highlightColour()
{
    return QGuiApplication::palette().color(QPalette::Light);
}

struct Player
{
    ChartRecorder &recorder;

    PaperWidget &paper() const { return *recorder.paper(); }
    int penColumn() const { return recorder.bookkeeping().paperWidth() - PenFromEnd; }

    void stroke(int y1, int y2) const
    {
        const int x = penColumn();
        paper().drawLine(QPoint(x, y1), QPoint(x, y2));
    }

    void operator()(const Heart::AdvancePaper &a) const { recorder.AdvancePaper(a.n); }
    void operator()(const Heart::PenStep &s) const
    {
        recorder.GrowPaper(1);
        stroke(s.y1, s.y2);
    }
    void operator()(const Heart::BeatStroke &s) const { stroke(s.y1, s.y2); }
    void operator()(const Heart::AddPaperUsed &u) const { recorder.AddPaperUsed(u.n); }
    void operator()(const Heart::PaperMark &mark) const
    {
        const int penX = paper().pen().x();
        const QColor ink = paper().inkColour();
        if (mark.colour == Heart::MarkColour::Highlight)
            paper().setInkColour(highlightColour());
        for (const Heart::MarkText &text : mark.texts)
            paper().drawText(QPoint(penX + text.dx, text.y), text.text, markFont(text.font));
        paper().setInkColour(ink);
    }
};

} // namespace

void replay(ChartRecorder &recorder, const QVector<Heart::PaperCommand> &commands)
{
    const Player player{recorder};
    for (const Heart::PaperCommand &command : commands)
        std::visit(player, command);
}

} // namespace HeartPaperReplay
