#pragma once

#include "rabbit/model/rabbit_experiment.h"
#include "rabbit/ui/rabbit_pictures.h"
#include "widgets/form_window.h"

#include <array>

class HelpDialog;
class PictureBox;
class PupilShape;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class ScaleRuler;
class TensionGauge;
class ToolCarrier;

// The rabbit eye experiment window: the rabbit's two eyes with their views,
// rulers and tension indicators, the drug choice and the eye choice, the
// tools, the examinations' answer list and the way on to the results window
// and the front page. What each event does to the rabbit is
// Rab_eye::RabbitExperiment's; this window owns the timers and the pictures
// and shows the model's state.
class Frm_Rabbit final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Rabbit(Rab_eye::RabPractical &practical);

    void load() override;
    void unloaded() override;

    const Rab_eye::RabbitExperiment &experiment() const { return m_experiment; }
    QTimer *instillTimer(Rab_eye::Eye eye) const { return m_eyes[int(eye)].instill; }
    QTimer *eyeTimer(Rab_eye::Eye eye) const { return m_eyes[int(eye)].reopen; }
    ToolCarrier *carrier() const { return m_carrier; }
    const RabbitPictures &pictures() const { return m_pictures; }

private:
    // The controls of one eye.
    struct EyeControls
    {
        QGroupBox *frame = nullptr;
        PictureBox *closeUp = nullptr;
        PictureBox *side = nullptr;
        PupilShape *pupil = nullptr;
        ScaleRuler *ruler = nullptr;
        QWidget *target = nullptr;
        PictureBox *dropper = nullptr;
        TensionGauge *gauge = nullptr;
        QLabel *drugActing = nullptr;
        QTimer *instill = nullptr;
        QTimer *reopen = nullptr;
        QString openCloseUp, openSide, blinkCloseUp, blinkSide;
    };

    void Cmd_Instill_Click();
    void Cmd_Saline_Click();
    void Cmd_Can_Click();
    void Cmd_LEye_Click();
    void Cmd_Reye_Click();
    void Combo_Drug_Change(int position);
    void Timer_Instill_Timer(Rab_eye::Eye eye);
    void Timer_Eye_Timer(Rab_eye::Eye eye);
    void Cmd_New_Click();
    void Cmd_Next_Click();
    void Cmd_Table_Click();
    void cmdreturn_Click();
    void cmd_help_Click();
    void Cmd_Dr_Id_Click();
    void Image_Torche_Click();
    void Image_Cotton_Click();
    void toolEntered(QWidget *target);
    void toolLeft(QWidget *target);
    void toolPutDown();
    void rulerDragged(Rab_eye::Eye eye, int pointerXPixels);

    void buildTop();
    void buildEyes();
    void buildEye(Rab_eye::Eye eye);
    void buildDrugFrame();
    void buildEyeChoice();
    void buildTools();
    void buildExit();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void chooseEye(Rab_eye::Eye eye);
    void cannotStart(const QString &message);
    void leaveForResults();
    QString selectedAnswer() const;
    void pickUp(Rab_eye::Tool tool);
    void showCarriedPicture();
    void showView(const Rab_eye::RabbitView &view);
    void showEye(Rab_eye::Eye eye);
    void keepTimers(Rab_eye::Eye eye);
    void refresh();

    Rab_eye::RabPractical &m_practical;
    Rab_eye::RabbitExperiment m_experiment;
    RabbitPictures m_pictures;
    std::array<EyeControls, 2> m_eyes;
    ToolCarrier *m_carrier = nullptr;
    HelpDialog *instructcdl = nullptr;

    QGroupBox *Frame_Title = nullptr;
    QLabel *LAb_Title = nullptr;
    QGroupBox *Frame_help = nullptr;
    QLabel *Lbl_step = nullptr;
    QGroupBox *Frame_Exam = nullptr;
    QListWidget *Lst_Exam = nullptr;
    QWidget *Pic_Rabbit = nullptr;
    QLabel *Lab_Rab_No = nullptr;
    QGroupBox *Frame_PicCon = nullptr;
    QGroupBox *Frame_Drug = nullptr;
    QComboBox *Combo_Drug = nullptr;
    QLabel *lab_Exam = nullptr;
    QLabel *Lab_DName = nullptr;
    QPushButton *Cmd_Instill = nullptr;
    QPushButton *Cmd_Saline = nullptr;
    QGroupBox *Frame_Eye_Sel = nullptr;
    QGroupBox *Frame_Tool = nullptr;
    PictureBox *Image_Torche = nullptr;
    PictureBox *Image_Cotton = nullptr;
    QGroupBox *Frame_Com = nullptr;
    QPushButton *cmdreturn = nullptr;
    QPushButton *Cmd_Table = nullptr;
    QPushButton *Cmd_New = nullptr;
    QPushButton *Cmd_Next = nullptr;
};
