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
    view.enables = {{HeartControl::Cmd_return, true}, {HeartControl::CmdTable, false}, {HeartControl::Cmd_New, false}};
    view.hideDrugChoice = true;

    int u = drawUnknown(run.practical.Heart_DrugCount);
    while (run.practical.Heart_UnknownUsed.at(u) != 0) {
        Chance::reseedFromClock();
        u = drawUnknown(run.practical.Heart_DrugCount);
    }
    ++run.practical.Heart_UnknownUsed[u];
    ++run.practical.Heart_UnknownNo;
    run.readouts.lbl_unkdrug = QStringLiteral("Unknown Drug No. ") + QString::number(run.practical.Heart_UnknownNo);

    run.selectedPosition = u - 1;
    const HeartDrug &given = run.drugs.entry(u);
    run.readouts.Txt_Dose = Numbers::singleText(given.Dose);
    HeartExam1Result &result = run.practical.Heart_Exam1Results[run.practical.Heart_UnknownNo];
    result.Given = given.Name.trimmed();
    result.Tone = QString(given.tone).trimmed();
}

} // namespace

HeartDrugSetView PrepareDrugSet(HeartRunState &run)
{
    HeartDrugSetView view;
    run.readouts.lbl_lastdrug = QStringLiteral("None");
    run.PrevKey = QStringLiteral("None");

    if (run.practical.Heart_Mode == Mode::Exam1) {
        chooseExam1Unknown(run, view);
    } else {
        run.selectedPosition = run.drugs.Combo_Drug.isEmpty() ? -1 : 0;
        run.readouts.Txt_Dose = Numbers::singleText(run.drugs.entry(1).Dose);
        run.readouts.ProBar_Time = 0.0f;
    }

    if (run.practical.Heart_Mode == Mode::Exam2) {
        view.enables = {{HeartControl::CmdTable, false}, {HeartControl::Cmd_New, false}};
        run.practical.Heart_Exam2Drug
            = run.drugs.appendUnknown(Chance::drawInRange(1, run.practical.Heart_DrugCount)).trimmed();
    } else if (run.practical.Heart_Mode == Mode::Exam3) {
        view.enables = {{HeartControl::CmdTable, false}, {HeartControl::Cmd_New, true}};
        run.practical.Heart_Exam3Drug = run.drugs.appendUnknown(Chance::drawInRange(1, 2)).trimmed();
    }

    run.readouts.Lab_drugname = QStringLiteral("None");
    return view;
}

} // namespace Heart::DrugSet
