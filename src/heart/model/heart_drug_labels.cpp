#include "heart/model/heart_drug_labels.h"

#include "heart/model/heart_state.h"

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

bool isUnknown(const HeartDrugTable &drugs, int p)
{
    switch (Heart_Mode) {
    case Exam1Mode: return true;
    case Exam2Mode:
    case Exam3Mode: return p >= drugs.HeartListCount - 1;
    default: return false;
    }
}

QString actingName(const HeartDrugTable &drugs, int p)
{
    if (Heart_Mode == Exam1Mode)
        return QStringLiteral("Unknown Drug ") + QString::number(Heart_UnknownNo);
    if (isUnknown(drugs, p))
        return QStringLiteral("Unknown Drug ");
    return drugs.atPosition(p).Name;
}

QString doseUnit(const HeartDrugTable &drugs, int p)
{
    return isUnknown(drugs, p) ? millilitres() : micrograms();
}

QString markLabel(const HeartDrugTable &drugs, int p)
{
    return isUnknown(drugs, p) ? QStringLiteral("Unk") : drugs.atPosition(p).key;
}

QString injectedName(const HeartDrugTable &drugs, int p)
{
    if (Heart_Mode == Exam1Mode)
        return QStringLiteral("Unknown Drug No. ") + QString::number(Heart_UnknownNo);
    return actingName(drugs, p).left(PrevNameWidth);
}

std::optional<QString> doseUnitOnChoice(const HeartDrugTable &drugs, int p)
{
    if (Heart_Mode != Exam2Mode && Heart_Mode != Exam3Mode)
        return std::nullopt;
    return doseUnit(drugs, p);
}

} // namespace Heart::DrugLabels
