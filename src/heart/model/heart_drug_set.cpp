#include "heart/model/heart_drug_set.h"

#include "core/numbers.h"
#include "core/random_source.h"

namespace Heart::DrugSet {

namespace {

// Int(r x n) + 1 in single precision: 1 to n.
int drawUnknown(int drugCount)
{
    return Numbers::intFloor(Chance::draw() * float(drugCount)) + 1;
}

void chooseExam1Unknown(HeartRunState &run, HeartDrugSetView &view)
{
    view.enables = {{HeartControl::Cmd_return, true},
                    {HeartControl::CmdTable, false},
                    {HeartControl::Cmd_New, false}};
    view.hideDrugChoice = true;

    int u = drawUnknown(Heart_DrugCount);
    while (Heart_UnknownUsed.at(u) != 0) {
        Chance::reseedFromClock();
        u = drawUnknown(Heart_DrugCount);
    }
    ++Heart_UnknownUsed[u];
    ++Heart_UnknownNo;
    run.readouts.lbl_unkdrug = QStringLiteral("Unknown Drug No. ") + QString::number(Heart_UnknownNo);

    run.selectedPosition = u - 1;
    const HeartDrug &given = run.drugs.entry(u);
    run.readouts.Txt_Dose = Numbers::singleText(given.Dose);
    HeartExam1Result &result = Heart_Exam1Results[Heart_UnknownNo];
    result.Given = given.Name.trimmed();
    result.Tone = QString(given.tone).trimmed();
}

} // namespace

HeartDrugSetView PrepareDrugSet(HeartRunState &run)
{
    HeartDrugSetView view;
    run.readouts.lbl_lastdrug = QStringLiteral("None");
    run.PrevKey = QStringLiteral("None");

    if (Heart_Mode == Exam1Mode) {
        chooseExam1Unknown(run, view);
    } else {
        run.selectedPosition = run.drugs.Combo_Drug.isEmpty() ? -1 : 0;
        run.readouts.Txt_Dose = Numbers::singleText(run.drugs.entry(1).Dose);
        run.readouts.ProBar_Time = 0.0f;
    }

    if (Heart_Mode == Exam2Mode) {
        view.enables = {{HeartControl::CmdTable, false}, {HeartControl::Cmd_New, false}};
        Heart_Exam2Drug = run.drugs.appendUnknown(Chance::drawInRange(1, Heart_DrugCount)).trimmed();
    } else if (Heart_Mode == Exam3Mode) {
        view.enables = {{HeartControl::CmdTable, false}, {HeartControl::Cmd_New, true}};
        Heart_Exam3Drug = run.drugs.appendUnknown(Chance::drawInRange(1, 2)).trimmed();
    }

    run.readouts.Lab_drugname = QStringLiteral("None");
    return view;
}

} // namespace Heart::DrugSet
