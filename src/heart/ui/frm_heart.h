#pragma once

#include "heart/model/heart_experiment.h"
#include "widgets/form_window.h"

class ApparatusPicture;
class ChartRecorder;
class DatabaseError;
class DisplayBox;
class HelpDialog;
class IndicatorBox;
class PasswordGateway;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;

// The frog-heart experiment window: the recorder writing the beat, the
// apparatus with its lever, the indicator and rate boxes, the drug choice and
// the way on to the results table, the questions and the front page. What
// each event does to the heart is Heart::HeartExperiment's; this window owns
// the timers, replays the drawings and shows the readouts.
class Frm_Heart final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Heart(Heart::HeartPractical &practical);

    void load() override;
    void unloaded() override;

    // The results table or the questions window hands the Tutorial back: the
    // window shows again with its recording, and the lever line that the
    // fresh picture lacks is drawn at lastneedle once more.
    void showAgain();

    const Heart::HeartExperiment &experiment() const { return m_experiment; }
    ChartRecorder *recorder() const { return m_recorder; }
    ApparatusPicture *apparatus() const { return Picture1; }
    IndicatorBox *heartRateBox() const { return Pic_HR_Graph; }
    IndicatorBox *toneBox() const { return PicToneGraph; }
    QTimer *beatTimer() const { return Timer_Heart; }
    QTimer *leverTimer() const { return lever1; }
    QTimer *swingTimer() const { return m_swingTimer; }

protected:
    bool event(QEvent *event) override;

private:
    void Timer_Heart_Timer();
    void lever1_Timer();
    void swingTimer_Timer();
    void Combo_Drug_Click(int position);
    void Cmd_inject_Click();
    void Cmd_RmvDrug_Click();
    void Cmd_New_Click();
    void Cmd_Next_Click();
    void CmdTable_Click();
    void Cmd_return_Click();
    void cmd_help_Click();
    // The recorder's Stop and Continue: the beat stands still while the
    // recorder is stopped, and the help line says how to run it again.
    void recorderStopped();
    void recorderContinued();

    void buildDirection();
    void buildRecording();
    void buildDrugLevel();
    void buildSetup();
    void buildIndicators();
    void buildDrugSelection();
    void buildHelp();
    void buildCommandBar();
    void buildReturnPassword();

    // The load procedure, run when the window loads (New and Yes at the
    // paper-full question run it through the model). A stage whose drugs
    // cannot be read ends at the front page.
    void loadProcedure();
    // The examinations hide the help and move the command bar left.
    void layOutForMode();
    void finishLoad(const Heart::HeartExperiment::Load &load);
    void showStageNotice();
    void cannotStart(const DatabaseError &error);

    void replay(const Heart::HeartDrawing &drawing);
    void replayLever(const Heart::LeverDrawings &drawings);
    void showIndicators(const Heart::IndicatorLevels &levels);
    void applyEnables(const Heart::EnableChanges &changes);
    void showReadouts();
    void keepLeverTimer();
    // leverSwing runs at the running swing's frame pause while it swings.
    void keepSwingTimer();
    void finishSwing();
    bool recorderRunning() const;
    void leaveForFrontPage();

    Heart::HeartPractical &m_practical;
    Heart::HeartExperiment m_experiment;
    // Each examination's notice is given once per practical, when its first
    // heart window loads: the flags live in this window, which the front page
    // unloads when the next practical starts, so the next student sees the
    // notices too.
    bool dispflag3 = false;
    bool dispflag4 = false;
    // The help line's text when the recorder stopped, given back by Continue.
    QString SavedWarning;

    QTimer *Timer_Heart;
    QTimer *lever1;
    QTimer *m_swingTimer;
    HelpDialog *instructcdl;

    QGroupBox *FraTitle = nullptr;
    QLabel *LabTitle = nullptr;
    QGroupBox *FraPicContiner = nullptr;
    ChartRecorder *m_recorder = nullptr;
    QPushButton *Cmd_RmvDrug = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QProgressBar *ProBar_Time = nullptr;
    QLabel *lbl_lastdrug = nullptr;
    QLabel *Lab_drugname = nullptr;
    QGroupBox *Setup = nullptr;
    ApparatusPicture *Picture1 = nullptr;
    QGroupBox *Fra_Status = nullptr;
    IndicatorBox *Pic_HR_Graph = nullptr;
    IndicatorBox *PicToneGraph = nullptr;
    DisplayBox *Txt_BHR = nullptr;
    DisplayBox *TxtHR_Drug = nullptr;
    QGroupBox *FraDrug = nullptr;
    QLabel *Lab_drug = nullptr;
    QComboBox *Combo_Drug = nullptr;
    QLabel *lbl_unkdrug = nullptr;
    DisplayBox *Txt_Dose = nullptr;
    QLabel *Lab_DDose = nullptr;
    QPushButton *Cmd_inject = nullptr;
    QGroupBox *Help_frame = nullptr;
    QLabel *lbl_warning = nullptr;
    QGroupBox *Fra_CmdBar = nullptr;
    // Return's password frame in the examinations.
    PasswordGateway *frm_retpass = nullptr;
};
