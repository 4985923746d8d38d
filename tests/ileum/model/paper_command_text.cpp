#include "ileum/model/paper_command_text.h"

namespace {

QString point(int x, int y)
{
    return QStringLiteral("%1,%2").arg(x).arg(y);
}

struct Describe
{
    QString operator()(const ileum::PaperLine &line) const
    {
        return QStringLiteral("line %1 %2").arg(point(line.x1, line.y1), point(line.x2, line.y2));
    }
    QString operator()(const ileum::PaperArc &arc) const
    {
        return QStringLiteral("arc %1 r%2 a%3 %4..%5")
            .arg(point(arc.centreX, arc.centreY))
            .arg(arc.radius)
            .arg(arc.aspect)
            .arg(arc.startAngle)
            .arg(arc.endAngle);
    }
    QString operator()(const ileum::PaperText &text) const
    {
        return QStringLiteral("text %1 %2 %3: %4")
            .arg(point(text.x, text.y), text.font.family)
            .arg(text.font.pointSize)
            .arg(text.text);
    }
};

} // namespace

QString commandText(const ileum::PaperCommand &command)
{
    return std::visit(Describe(), command);
}

QStringList commandTexts(const QVector<ileum::PaperCommand> &commands)
{
    QStringList texts;
    for (const ileum::PaperCommand &command : commands)
        texts.append(commandText(command));
    return texts;
}
