#include "heart/model/heart_experiment.h"

#include "core/numbers.h"
#include "core/random_source.h"
#include "heart/model/heart_beat.h"
#include "heart/model/heart_captions.h"
#include "heart/model/heart_drug_labels.h"
#include "heart/model/heart_response.h"
#include "heart/model/heart_stages.h"
#include "heart/model/heart_state.h"

namespace Heart {

bool HeartExperiment::needsDrugs() const
{
    return m_run.practical.Heart_Started == 0;
}

bool HeartExperiment::readsExam3Drugs() const
{
    return m_run.practical.Heart_Mode == Mode::Exam3;
}

HeartExperiment::Load HeartExperiment::load(const QVector<HeartDrug> &stageDrugs)
{
    Load result;
    HeartReadouts &shown = m_run.readouts;
    Chance::reseedFromClock();

    shown.Lab_DDose = DrugLabels::micrograms();
    shown.lbl_lastdrug = QStringLiteral("None");
    m_run.PrevKey = QStringLiteral("None");
    m_run.PrevName = QStringLiteral("None");
    m_run.restnormalflag = 1;
    // The heart is back at rest, so nothing of an injection that acted when
    // the load came (a full paper cleared, say) is still in force.
    m_run.interact = 0;
    m_run.Antagonised = 0;
    m_run.kclbcacl = 0;
    shown.lbl_warning = QStringLiteral("Wait till the heart stabilizes; Then inject");

    result.caption = Captions::windowCaption(m_run.practical.Heart_Mode);
    result.LabTitle = Captions::directionText(m_run.practical.Heart_Mode);
    if (m_run.practical.Heart_Mode == Mode::Tutorial)
        shown.Lab_drugname = QStringLiteral("None");
    else if (m_run.practical.Heart_Mode == Mode::Exam1)
        shown.Lab_DDose = DrugLabels::millilitres();

    if (m_run.practical.Heart_Started == 1) {
        ResetRecording();
    } else {
        m_run.practical.Heart_Started = 1;
        m_run.drugs.LoadHeartDrugs(m_run.practical, stageDrugs);
        result.newStage = true;
        result.drugSet = DrugSet::PrepareDrugSet(m_run);
        result.enables = result.drugSet.enables;
        m_run.practical.Heart_HeartNo = 1;
        m_run.practical.Heart_Exam3Rates.resize(2);
        m_run.lever.forgetLine();
    }

    m_run.BasalRate = quint8(Chance::drawInRange(60, 90));
    result.enables
        += {{HeartControl::Cmd_RmvDrug, false}, {HeartControl::Cmd_inject, false}, {HeartControl::Combo_Drug, true}};

    m_run.TickCount = 0;
    m_run.ActiveDrug = 0;
    m_run.drugs.restoreRestEntry();
    m_run.TraceTop = HeartDrugTable::RestTop;
    m_run.TraceBottom = HeartDrugTable::RestBottom;
    m_run.JitterRange = 4;
    return result;
}

void HeartExperiment::ResetRecording()
{
    m_run.readouts.Txt_BHR.clear();
    m_run.readouts.TxtHR_Drug.clear();
    m_run.DrugRate = 0;
    m_run.readouts.ProBar_Time = 0.0f;
}

void HeartExperiment::selectDrug(int p)
{
    m_run.selectedPosition = p;
    m_run.readouts.Txt_Dose = Numbers::singleText(m_run.drugs.atPosition(p).Dose);
    if (const auto unit = DrugLabels::doseUnitOnChoice(m_run, p))
        m_run.readouts.Lab_DDose = *unit;
}

HeartDrawing HeartExperiment::Inject()
{
    return Response::Inject(m_run);
}

HeartDrawing HeartExperiment::beatTick()
{
    return Beat::tick(m_run);
}

HeartExperiment::NewRun HeartExperiment::New()
{
    NewRun run;
    run.drawing.lever = finishSwing();
    m_run.PrevName = QStringLiteral("None");
    m_run.lever.toggleNeedle(run.drawing.lever);
    run.drawing.append(Response::WashOut(m_run));
    run.load = load();
    m_run.lever.toggleNeedle(run.drawing.lever);
    if (m_run.practical.Heart_Mode == Mode::Exam3)
        Stages::startNewHeart(m_run.practical);
    return run;
}

HeartExperiment::NewRun HeartExperiment::ClearFullPaper()
{
    NewRun run;
    run.drawing.lever = finishSwing();
    if (m_run.readouts.Lab_drugname != QLatin1String("None"))
        run.drawing.append(Response::WashOut(m_run));
    run.load = load();
    return run;
}

void HeartExperiment::StopDrug()
{
    m_run.StopDrugToggle = m_run.StopDrugToggle == 0 ? 1 : 0;
}

} // namespace Heart
