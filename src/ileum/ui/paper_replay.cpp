#include "ileum/ui/paper_replay.h"

#include "widgets/recorder/paper_widget.h"

#include <QFont>

namespace {

struct Painter
{
    PaperWidget *paper;

    void operator()(const ileum::PaperLine &line) const
    {
        paper->drawLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
    }

    void operator()(const ileum::PaperArc &arc) const
    {
        paper->drawArc(QPoint(arc.centreX, arc.centreY), arc.radius, arc.aspect, arc.startAngle, arc.endAngle);
    }

    void operator()(const ileum::PaperText &text) const
    {
        QFont font(text.font.family);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(text.font.pointSize);
        paper->drawText(QPoint(text.x, text.y), text.text, font);
    }
};

} // namespace

void replayOnPaper(PaperWidget *paper, const QVector<ileum::PaperCommand> &commands)
{
    const Painter painter{paper};
    for (const ileum::PaperCommand &command : commands)
        std::visit(painter, command);
}
