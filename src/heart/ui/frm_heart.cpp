#include "heart/ui/frm_heart.h"

#include "core/asset_paths.h"
#include "core/clock.h"
#include "core/database/drug_file_layout.h"
#include "core/database/heart_drugs.h"
#include "heart/model/heart_beat.h"
#include "heart/model/heart_indicators.h"
#include "heart/model/heart_state.h"
#include "heart/ui/apparatus_picture.h"
#include "heart/ui/frm_question.h"
#include "heart/ui/indicator_box.h"
#include "widgets/controls.h"
#include "widgets/design_area.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/input_boxes.h"
#include "widgets/message_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

namespace {

constexpr int ClientWidth = 796;
constexpr int ClientHeight = 564;
constexpr int SyringePauseMs = 1000;

const QString PleaseNote = QStringLiteral(" Please Note ");

} // namespace

Frm_Heart::Frm_Heart(Heart::HeartPractical &practical)
    : FormWindow(WindowNames::Heart)
    , m_practical(practical)
    , m_experiment(practical)
    , Timer_Heart(Controls::timer(this, QStringLiteral("Timer_Heart"), Heart::Beat::TickMs))
    , lever1(Controls::timer(this, QStringLiteral("lever1"), Heart::HeartLever::RestIntervalMs))
    , m_swingTimer(Controls::timer(this, QStringLiteral("leverSwing"), m_experiment.state().lever.framePauseMs()))
    , instructcdl(
          new HelpDialog(QStringLiteral("instructcdl"), QStringLiteral("heart.hlp"), HelpEngine::ForceFile, this))
{
    setWindowTitle(QStringLiteral("Vivosim - Heart T1.01"));
    setClientSize(ClientWidth, ClientHeight);
    DesignArea::place(this, QPoint(0, 0));

    buildDirection();
    buildRecording();
    buildDrugLevel();
    buildSetup();
    buildIndicators();
    buildDrugSelection();
    buildHelp();
    buildCommandBar();
    buildReturnPassword();

    connect(Timer_Heart, &QTimer::timeout, this, &Frm_Heart::Timer_Heart_Timer);
    connect(lever1, &QTimer::timeout, this, &Frm_Heart::lever1_Timer);
    connect(m_swingTimer, &QTimer::timeout, this, &Frm_Heart::swingTimer_Timer);
}

void Frm_Heart::load()
{
    loadProcedure();
}

void Frm_Heart::loadProcedure()
{
    if (!closeRefused())
        RemoveCloseMenu(this);
    QVector<HeartDrug> drugs;
    if (m_experiment.needsDrugs()) {
        const QString path = AssetPaths::file(heartDrugLayout().fileName);
        const DrugReading<HeartDrug> reading
            = m_experiment.readsExam3Drugs() ? readHeartExam3Drugs(path) : readHeartDrugs(path);
        if (!reading.ok()) {
            cannotStart(reading.error);
            return;
        }
        drugs = reading.drugs;
    }
    layOutForMode();
    finishLoad(m_experiment.load(drugs));
}

void Frm_Heart::cannotStart(const DatabaseError &error)
{
    MessageBoxes::inform(this, error.studentMessage(), QString(), MessageBoxes::Icon::Critical);
    // Opened from the questions window, the practical has nowhere else to go.
    if (!WindowRegistry::find(WindowNames::HeartFront))
        WindowRegistry::show(WindowNames::HeartFront);
    WindowRegistry::unload(objectName());
}

void Frm_Heart::finishLoad(const Heart::HeartExperiment::Load &load)
{
    setWindowTitle(load.caption);
    LabTitle->setText(load.LabTitle);
    if (load.newStage) {
        m_recorder->RecorderSetUp();
        Combo_Drug->clear();
        Combo_Drug->addItems(m_experiment.state().drugs.Combo_Drug);
        Combo_Drug->setCurrentIndex(m_experiment.state().selectedPosition);
        if (load.drugSet.hideDrugChoice) {
            Combo_Drug->hide();
            Lab_drug->hide();
            ProBar_Time->show();
        }
    } else {
        m_recorder->RecorderReset();
        Pic_HR_Graph->clear();
        PicToneGraph->clear();
    }
    applyEnables(load.enables);
    showReadouts();
    keepLeverTimer();
    Timer_Heart->start();
    showStageNotice();
}

void Frm_Heart::showStageNotice()
{
    if (m_practical.Heart_Mode == Heart::Mode::Exam2 && !dispflag3) {
        MessageBoxes::inform(this, QStringLiteral(" Examination 1 is over. You are about to start Examination 2. "),
                             PleaseNote);
        dispflag3 = true;
    }
    if (m_practical.Heart_Mode == Heart::Mode::Exam3 && !dispflag4) {
        MessageBoxes::inform(this, QStringLiteral(" Examination 2 is over. You are about to start Examination 3.   "),
                             PleaseNote);
        dispflag4 = true;
    }
}

void Frm_Heart::unloaded()
{
    Timer_Heart->stop();
    lever1->stop();
    m_swingTimer->stop();
}

void Frm_Heart::replay(const Heart::HeartDrawing &drawing)
{
    m_recorder->draw(drawing.paper);
    replayLever(drawing.lever);
    if (drawing.indicators)
        showIndicators(*drawing.indicators);
    applyEnables(drawing.enables);
}

void Frm_Heart::replayLever(const Heart::LeverDrawings &drawings)
{
    for (const Heart::LeverDrawing &drawing : drawings) {
        if (const auto *line = std::get_if<Heart::LeverLine>(&drawing))
            Picture1->toggleLeverLine(line->y);
        else if (const auto *show = std::get_if<Heart::ShowHeart>(&drawing))
            Picture1->showHeart(show->picture);
    }
    keepSwingTimer();
}

void Frm_Heart::keepSwingTimer()
{
    const Heart::HeartLever &lever = m_experiment.state().lever;
    if (!lever.swinging()) {
        m_swingTimer->stop();
        return;
    }
    // A new swing may step at another pace; the running one keeps its timer.
    if (m_swingTimer->interval() != lever.framePauseMs())
        m_swingTimer->setInterval(lever.framePauseMs());
    if (!m_swingTimer->isActive())
        m_swingTimer->start();
}

void Frm_Heart::showIndicators(const Heart::IndicatorLevels &levels)
{
    Pic_HR_Graph->clear();
    Pic_HR_Graph->drawLine(Heart::Indicators::heartRateLine(levels.heartRate, Pic_HR_Graph->widthTwips()));
    PicToneGraph->clear();
    PicToneGraph->drawLine(Heart::Indicators::toneLine(levels.tone, PicToneGraph->widthTwips()));
}

void Frm_Heart::applyEnables(const Heart::EnableChanges &changes)
{
    for (const Heart::EnableChange &change : changes) {
        if (QWidget *control = findChild<QWidget *>(Heart::objectName(change.control)))
            control->setEnabled(change.enabled);
    }
}

bool Frm_Heart::recorderRunning() const
{
    return !m_recorder->continueButton()->isEnabled();
}

void Frm_Heart::showReadouts()
{
    const Heart::HeartReadouts &shown = m_experiment.readouts();
    Txt_BHR->setText(shown.Txt_BHR);
    TxtHR_Drug->setText(shown.TxtHR_Drug);
    Txt_Dose->setText(shown.Txt_Dose);
    Lab_drugname->setText(shown.Lab_drugname);
    Lab_DDose->setText(shown.Lab_DDose);
    lbl_lastdrug->setText(shown.lbl_lastdrug);
    lbl_unkdrug->setText(shown.lbl_unkdrug);
    // While the recorder is stopped the help line is the recorder's.
    if (recorderRunning())
        lbl_warning->setText(shown.lbl_warning);
    ProBar_Time->setValue(qRound(shown.ProBar_Time * 100.0f));
}

void Frm_Heart::keepLeverTimer()
{
    const Heart::HeartLever &lever = m_experiment.state().lever;
    // Setting the interval restarts a running timer: only a change does so.
    if (lever1->interval() != lever.interval())
        lever1->setInterval(lever.interval());
    if (!lever.timerOn())
        lever1->stop();
    else if (!lever1->isActive())
        lever1->start();
}

void Frm_Heart::finishSwing()
{
    replayLever(m_experiment.finishSwing());
}

void Frm_Heart::Timer_Heart_Timer()
{
    if (Picture1->syringeShown()) {
        Picture1->repaintSyringe();
        Clock::current().pause(SyringePauseMs);
        Picture1->hideSyringe();
    }
    if (m_recorder->IsPaperFull()) {
        // No leaves the recorder standing still; Yes starts a new recording
        // in the same stage.
        Timer_Heart->stop();
        if (m_recorder->askToClearFullPaper()) {
            const Heart::HeartExperiment::NewRun run = m_experiment.ClearFullPaper();
            replay(run.drawing);
            finishLoad(run.load);
        }
        return;
    }
    replay(m_experiment.beatTick());
    showReadouts();
    keepLeverTimer();
}

void Frm_Heart::lever1_Timer()
{
    replayLever(m_experiment.leverTick());
}

void Frm_Heart::swingTimer_Timer()
{
    replayLever(m_experiment.swingFrame());
}

void Frm_Heart::Combo_Drug_Click(int position)
{
    m_experiment.selectDrug(position);
    showReadouts();
}

void Frm_Heart::Cmd_inject_Click()
{
    Timer_Heart->stop();
    if (!recorderRunning())
        m_recorder->continueRecording();
    replay(m_experiment.Inject());
    Picture1->showSyringe();
    showReadouts();
    keepLeverTimer();
    Timer_Heart->start();
}

void Frm_Heart::recorderStopped()
{
    Timer_Heart->stop();
    SavedWarning = lbl_warning->text();
    lbl_warning->setText(QStringLiteral("Click 'Continue' to run the recorder"));
}

void Frm_Heart::recorderContinued()
{
    Timer_Heart->start();
    lbl_warning->setText(SavedWarning);
}

void Frm_Heart::Cmd_RmvDrug_Click()
{
    m_experiment.StopDrug();
    update();
}

void Frm_Heart::Cmd_New_Click()
{
    Timer_Heart->stop();
    m_recorder->continueButton()->setEnabled(false);
    m_recorder->stopButton()->setEnabled(true);
    const Heart::HeartExperiment::NewRun run = m_experiment.New();
    replay(run.drawing);
    layOutForMode();
    finishLoad(run.load);
}

void Frm_Heart::Cmd_Next_Click()
{
    Heart::HeartRunState &run = m_experiment.state();
    run.lever.paintpic1 = 1;
    if (m_practical.Heart_Mode == Heart::Mode::Exam2) {
        MessageBoxes::Request sure;
        sure.text = QStringLiteral(" Are you sure? Have you identified the unknown? You cannot return.  ");
        sure.title = QStringLiteral(" Warning ");
        sure.buttons = MessageBoxes::Buttons::OkCancel;
        if (MessageBoxes::show(this, sure) == MessageBoxes::Answer::Cancel)
            return;
    }
    if (m_practical.Heart_Mode != Heart::Mode::Tutorial)
        run.PrevName = QStringLiteral("None");
    Picture1->hideNeedles();
    finishSwing();

    if (m_practical.Heart_Mode == Heart::Mode::Tutorial) {
        hide();
        WindowRegistry::show(WindowNames::HeartQuestion);
        return;
    }
    // The questions window opens before this one goes, so the practical
    // always has a window.
    auto *questions = qobject_cast<Frm_Question *>(WindowRegistry::load(WindowNames::HeartQuestion));
    if (!questions)
        return;
    questions->setDrugList(run.drugs.Lst_Drugs);
    if (m_practical.Heart_Mode == Heart::Mode::Exam3)
        questions->showComparison(fontMetrics());
    WindowRegistry::show(WindowNames::HeartQuestion);
    WindowRegistry::unload(objectName());
}

void Frm_Heart::CmdTable_Click()
{
    m_experiment.state().lever.paintpic1 = 1;
    finishSwing();
    hide();
    WindowRegistry::show(WindowNames::HeartTable);
}

void Frm_Heart::showAgain()
{
    WindowRegistry::show(objectName());
    finishSwing();
    // The window comes back with the picture alone; lastneedle was kept.
    Picture1->wipe();
    Heart::HeartLever &lever = m_experiment.state().lever;
    lever.apparatusRepainted();
    Heart::LeverDrawings line;
    lever.toggleNeedle(line);
    replayLever(line);
}

void Frm_Heart::Cmd_return_Click()
{
    if (m_practical.Heart_Mode == Heart::Mode::Tutorial) {
        leaveForFrontPage();
        return;
    }
    Fra_CmdBar->hide();
    frm_retpass->open();
}

void Frm_Heart::leaveForFrontPage()
{
    // The front page's load unloads this window with the practical's others.
    WindowRegistry::show(WindowNames::HeartFront);
    WindowRegistry::unload(objectName());
}

void Frm_Heart::cmd_help_Click()
{
    instructcdl->showHelp();
}

bool Frm_Heart::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return FormWindow::event(event);
}
