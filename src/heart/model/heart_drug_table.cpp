#include "heart/model/heart_drug_table.h"

namespace Heart {

namespace {

constexpr float Exam1Dose = 0.1f;   // ml of each unknown
constexpr float Exam3Dose = 2.0f;   // µg of each known drug
constexpr float UnknownDose = 0.1f; // ml

} // namespace

HeartDrugTable::HeartDrugTable()
{
    restoreRestEntry();
}

void HeartDrugTable::restoreRestEntry()
{
    HeartDrugs[0].L_StART = RestTop;
    HeartDrugs[0].L_End = RestBottom;
}

void HeartDrugTable::LoadHeartDrugs(HeartPractical &practical, const QVector<HeartDrug> &rows)
{
    const Mode Heart_Mode = practical.Heart_Mode;
    if (Heart_Mode == Mode::Exam3) {
        for (int i = 1; i <= 2 && i <= rows.size(); ++i) {
            HeartDrugs[i] = rows.at(i - 1);
            HeartDrugs[i].Dose = Exam3Dose;
            Combo_Drug.append(HeartDrugs[i].Name);
        }
        HeartListCount = 2;
        return;
    }

    const int count = qMin(int(rows.size()), MaxDrugs);
    for (int i = 1; i <= count; ++i) {
        HeartDrugs[i] = rows.at(i - 1);
        Combo_Drug.append(HeartDrugs[i].Name);
    }
    HeartListCount = practical.Heart_DrugCount = quint8(count);

    if (Heart_Mode == Mode::Exam1 || Heart_Mode == Mode::Exam2) {
        for (int i = 1; i <= count; ++i)
            Lst_Drugs.append(HeartDrugs[i].Name);
    }
    if (Heart_Mode == Mode::Exam1) {
        for (int i = 1; i <= count; ++i)
            HeartDrugs[i].Dose = Exam1Dose;
    }
}

QString HeartDrugTable::appendUnknown(int source)
{
    Combo_Drug.append(QStringLiteral("Unknown drug"));
    ++HeartListCount;
    HeartDrug &unknown = HeartDrugs[HeartListCount];
    unknown = HeartDrugs.at(source);
    unknown.Dose = UnknownDose;
    return unknown.Name;
}

} // namespace Heart
