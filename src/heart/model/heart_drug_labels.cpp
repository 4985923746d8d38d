#include "heart/model/heart_drug_labels.h"

namespace Heart::DrugLabels {

namespace {

constexpr int PrevNameWidth = 20;

} // namespace

QString micrograms()
{
    return QStringLiteral("\u00B5g");
}

QString millilitres()
{
    return QStringLiteral("ml");
}

bool isUnknown(const HeartRunState &run, int p)
{
    switch (run.practical.Heart_Mode) {
    case Mode::Exam1: return true;
    case Mode::Exam2:
    case Mode::Exam3: return p >= run.drugs.HeartListCount - 1;
    default: return false;
    }
}

QString actingName(const HeartRunState &run, int p)
{
    if (run.practical.Heart_Mode == Mode::Exam1)
        return QStringLiteral("Unknown Drug ") + QString::number(run.practical.Heart_UnknownNo);
    if (isUnknown(run, p))
        return QStringLiteral("Unknown Drug ");
    return run.drugs.atPosition(p).Name;
}

QString doseUnit(const HeartRunState &run, int p)
{
    return isUnknown(run, p) ? millilitres() : micrograms();
}

QString markLabel(const HeartRunState &run, int p)
{
    return isUnknown(run, p) ? QStringLiteral("Unk") : run.drugs.atPosition(p).key;
}

QString injectedName(const HeartRunState &run, int p)
{
    if (run.practical.Heart_Mode == Mode::Exam1)
        return QStringLiteral("Unknown Drug No. ") + QString::number(run.practical.Heart_UnknownNo);
    return actingName(run, p).left(PrevNameWidth);
}

std::optional<QString> doseUnitOnChoice(const HeartRunState &run, int p)
{
    const Mode mode = run.practical.Heart_Mode;
    if (mode != Mode::Exam2 && mode != Mode::Exam3)
        return std::nullopt;
    return doseUnit(run, p);
}

} // namespace Heart::DrugLabels
