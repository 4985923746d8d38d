#include "heart/model/heart_marks.h"

namespace Heart::Marks {

namespace {

const QString MarkFamily = QStringLiteral("arial");

// The arrow from below that points at an injection, with the drug's label
// under it.
QVector<Paper::MarkText> injectionArrow(const QString &drugLabel)
{
    return {
        {-10, 115, boldFont(10), QStringLiteral("^")},
        {-8, 117, boldFont(10), QStringLiteral("|")},
        {-11, 138, regularFont(8), drugLabel},
    };
}

// An arrow from below, arrowDx pixels from the pen, over a rate ("85HR")
// textDx pixels from the pen.
QVector<Paper::MarkText> rateArrow(int arrowDx, int textDx, const QString &rateText)
{
    return {
        {arrowDx, 100, boldFont(10), QStringLiteral("^")},
        {arrowDx + 2, 102, boldFont(10), QStringLiteral("|")},
        {textDx, 123, regularFont(8), rateText + QStringLiteral("HR")},
    };
}

Paper::Commands recovery(const QVector<Paper::PenStep> &steps)
{
    Paper::Commands commands{Paper::AddUsed{3}};
    for (const Paper::PenStep &step : steps)
        commands.append(step);
    return commands;
}

Paper::Commands arrest(const QVector<Paper::PenStep> &steps)
{
    Paper::Commands commands;
    for (const Paper::PenStep &step : steps) {
        commands.append(step);
        if (commands.size() == 1)
            commands.append(Paper::AddUsed{4});
    }
    return commands;
}

} // namespace

Paper::Font boldFont(double pointSize)
{
    return {MarkFamily, pointSize, true};
}

Paper::Font regularFont(double pointSize)
{
    return {MarkFamily, pointSize, false};
}

Paper::Mark injectionMark(const QString &basalText, const QString &drugLabel)
{
    QVector<Paper::MarkText> texts{
        {-11, 15, boldFont(10), QStringLiteral("|")},
        {-12, 24, boldFont(9), QStringLiteral("v")},
        {-25, 5, regularFont(8), basalText + QStringLiteral("BHR")},
    };
    texts += injectionArrow(drugLabel);
    return {Paper::MarkColour::Highlight, texts};
}

Paper::Mark interactionMark(quint8 LastRate, const QString &drugLabel)
{
    QVector<Paper::MarkText> texts = rateArrow(-25, -38, QString::number(LastRate));
    texts += injectionArrow(drugLabel);
    return {Paper::MarkColour::Ink, texts};
}

Paper::Mark endMark(const QString &peakText)
{
    return {Paper::MarkColour::Ink, rateArrow(-45, -50, peakText)};
}

Paper::Commands calciumArrest()
{
    return arrest({{74, 45}, {55, 45}, {45, 42}, {42, 37}});
}

Paper::Commands potassiumArrest()
{
    return arrest({{65, 84}, {75, 86}, {80, 85}, {82, 85}});
}

Paper::Commands calciumRecovery()
{
    return recovery({{36, 54}, {40, 60}, {38, 56}, {45, 70}});
}

Paper::Commands potassiumRecovery()
{
    return recovery({{84, 85}, {81, 87}, {75, 84}, {65, 82}});
}

} // namespace Heart::Marks
