#include "support/seams/paper_text.h"

namespace PaperText {

namespace {

QString point(int x, int y)
{
    return QStringLiteral("%1,%2").arg(x).arg(y);
}

QString markText(const Paper::MarkText &t)
{
    return QStringLiteral("%1 %2%3 %4")
        .arg(point(t.dx, t.y), t.font.bold ? QStringLiteral("b") : QStringLiteral("r"))
        .arg(t.font.pointSize)
        .arg(t.text);
}

struct Describe
{
    QString operator()(const Paper::Advance &a) const { return QStringLiteral("advance %1").arg(a.n); }
    QString operator()(const Paper::PenStep &s) const { return QStringLiteral("pen %1-%2").arg(s.y1).arg(s.y2); }
    QString operator()(const Paper::Stroke &s) const { return QStringLiteral("stroke %1-%2").arg(s.y1).arg(s.y2); }
    QString operator()(const Paper::AddUsed &u) const { return QStringLiteral("used %1").arg(u.n); }
    QString operator()(const Paper::Mark &mark) const
    {
        QStringList texts;
        for (const Paper::MarkText &t : mark.texts)
            texts.append(markText(t));
        const QString colour
            = mark.colour == Paper::MarkColour::Ink ? QStringLiteral("ink") : QStringLiteral("highlight");
        return QStringLiteral("mark %1: %2").arg(colour, texts.join(QStringLiteral("; ")));
    }
    QString operator()(const Paper::Line &line) const
    {
        return QStringLiteral("line %1 %2").arg(point(line.x1, line.y1), point(line.x2, line.y2));
    }
    QString operator()(const Paper::Arc &arc) const
    {
        return QStringLiteral("arc %1 r%2 a%3 %4..%5")
            .arg(point(arc.centreX, arc.centreY))
            .arg(arc.radius)
            .arg(arc.aspect)
            .arg(arc.startAngle)
            .arg(arc.endAngle);
    }
    QString operator()(const Paper::Text &text) const
    {
        return QStringLiteral("text %1 %2 %3%4: %5")
            .arg(point(text.x, text.y), text.font.family)
            .arg(text.font.pointSize)
            .arg(text.font.bold ? QStringLiteral(" bold") : QString(), text.text);
    }
};

} // namespace

QString line(const Paper::Command &command)
{
    return std::visit(Describe(), command);
}

QStringList lines(const Paper::Commands &commands)
{
    QStringList texts;
    for (const Paper::Command &command : commands)
        texts.append(line(command));
    return texts;
}

} // namespace PaperText
