#pragma once

#include "ileum/model/bioassay.h"
#include "widgets/form_window.h"

class ChartRecorder;
class DisplayBox;
class HelpDialog;
class ImageControl;
class NumberBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class RulerPicture;

// The ileum experiment window: the dose-response curve with known doses of
// histamine, the matching assay against the unknown, and in Tutorial the
// calculation of its concentration. Each injection is drawn on the chart
// recorder; the ruler lying on the paper measures the contractions.
class Frm_Ileum final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Ileum(ileum::IleumPractical &practical);

    // Runs Form_Load.
    void load() override;

    const ileum::Bioassay &assay() const { return m_assay; }
    ChartRecorder *recorder() const { return m_recorder; }

private:
    // The controls, panel by panel (frm_ileum_layout.cpp).
    void buildRecorderAndSetUp();
    void buildDirection();
    void buildDoseSelection();
    void buildSideButtons();
    void buildStandardDose();
    void buildInjectPanel();
    void buildCalculation();
    void buildExitAndHelp();

    // Also New, and Yes to the paper-full question.
    void Form_Load();
    void IleumWindowSetUp();
    void IleumWindowReset();

    void Cmd_updose_Click();
    void Cmd_downdose_Click();
    void Txt_Dose_Change();
    void Cmd_inject_Click();
    void PicMain_DragOver(int x);
    void Cmd_MatchAssay_Click();
    void Cmd_stddose_Click();
    void injectStandard(ileum::StandardKind kind);
    void Cmd_Calculate_Click();
    void Cmd_Cal_Click();
    void Cmd_Next_Click();
    void Cmd_New_Click();
    void Cmd_return_Click();
    void Cmd_Instruct_Click();

    // The syringe on show for a second, painted before the pause.
    void showSyringe();
    // `Lab_dose`, which also names the dose box for screen readers.
    void setDoseUnit(const QString &text);
    bool examination() const;

    ileum::IleumPractical &m_practical;
    ileum::Bioassay m_assay;
    ChartRecorder *m_recorder = nullptr;
    RulerPicture *Picture1 = nullptr;
    HelpDialog *m_help = nullptr;

    ImageControl *Img_setup = nullptr;
    ImageControl *Img_inject = nullptr;
    ImageControl *Img_tube = nullptr;

    QLabel *Lab_drug = nullptr;
    QLabel *Lab_dose = nullptr;
    NumberBox *Txt_Dose = nullptr;
    QPushButton *Cmd_updose = nullptr;
    QPushButton *Cmd_downdose = nullptr;
    QPushButton *Cmd_inject = nullptr;
    QPushButton *Cmd_MatchAssay = nullptr;
    QPushButton *Cmd_Calculate = nullptr;
    QLabel *Lab_stephelp = nullptr;

    QGroupBox *Frame_stddose = nullptr;
    NumberBox *Txt_stddose = nullptr;

    QGroupBox *Frame_Cmd_button = nullptr;
    QPushButton *Cmd_Std = nullptr;
    QLabel *Lab_stan = nullptr;
    QLabel *Lab_half = nullptr;
    QLabel *Lab_doub = nullptr;
    QLabel *lab_unk = nullptr;

    QGroupBox *Frame_Cal = nullptr;
    QLabel *Lab_cal = nullptr;
    NumberBox *Txt_cal = nullptr;
    QPushButton *Cmd_Cal = nullptr;
    QLabel *Lab_Con = nullptr;
    QLabel *Label_cons = nullptr;
    DisplayBox *txt_con = nullptr;
    QLabel *LabMcg = nullptr;

    QPushButton *Cmd_Next = nullptr;
    QPushButton *Cmd_New = nullptr;
    QPushButton *Cmd_return = nullptr;
    QStatusBar *StatusBar1 = nullptr;
};
