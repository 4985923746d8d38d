#include "heart/model/heart_marks.h"

namespace Heart::Marks {

namespace {

const QString MarkFamily = QStringLiteral("arial");

// The arrow from below that points at an injection, with the drug's label
// under it.
QVector<MarkText> injectionArrow(const QString &drugLabel)
{
    return {
        {-10, 115, boldFont(10), QStringLiteral("^")},
        {-8, 117, boldFont(10), QStringLiteral("|")},
        {-11, 138, regularFont(8), drugLabel},
    };
}

// An arrow from below, arrowDx pixels from the pen, over a rate ("85HR")
// textDx pixels from the pen.
QVector<MarkText> rateArrow(int arrowDx, int textDx, const QString &rateText)
{
    return {
        {arrowDx, 100, boldFont(10), QStringLiteral("^")},
        {arrowDx + 2, 102, boldFont(10), QStringLiteral("|")},
        {textDx, 123, regularFont(8), rateText + QStringLiteral("HR")},
    };
}

QVector<PaperCommand> recovery(const QVector<PenStep> &steps)
{
    QVector<PaperCommand> commands{AddPaperUsed{3}};
    for (const PenStep &step : steps)
        commands.append(step);
    return commands;
}

QVector<PaperCommand> arrest(const QVector<PenStep> &steps)
{
    QVector<PaperCommand> commands;
    for (const PenStep &step : steps) {
        commands.append(step);
        if (commands.size() == 1)
            commands.append(AddPaperUsed{4});
    }
    return commands;
}

} // namespace

MarkFont boldFont(int pointSize)
{
    return {MarkFamily, pointSize, true};
}

MarkFont regularFont(int pointSize)
{
    return {MarkFamily, pointSize, false};
}

PaperMark injectionMark(const QString &basalText, const QString &drugLabel)
{
    QVector<MarkText> texts{
        {-11, 15, boldFont(10), QStringLiteral("|")},
        {-12, 24, boldFont(9), QStringLiteral("v")},
        {-25, 5, regularFont(8), basalText + QStringLiteral("BHR")},
    };
    texts += injectionArrow(drugLabel);
    return {MarkColour::Highlight, texts};
}

PaperMark interactionMark(quint8 LastRate, const QString &drugLabel)
{
    QVector<MarkText> texts = rateArrow(-25, -38, QString::number(LastRate));
    texts += injectionArrow(drugLabel);
    return {MarkColour::Ink, texts};
}

PaperMark endMark(const QString &peakText)
{
    return {MarkColour::Ink, rateArrow(-45, -50, peakText)};
}

QVector<PaperCommand> calciumArrest()
{
    return arrest({{74, 45}, {55, 45}, {45, 42}, {42, 37}});
}

QVector<PaperCommand> potassiumArrest()
{
    return arrest({{65, 84}, {75, 86}, {80, 85}, {82, 85}});
}

QVector<PaperCommand> calciumRecovery()
{
    return recovery({{36, 54}, {40, 60}, {38, 56}, {45, 70}});
}

QVector<PaperCommand> potassiumRecovery()
{
    return recovery({{84, 85}, {81, 87}, {75, 84}, {65, 82}});
}

} // namespace Heart::Marks
