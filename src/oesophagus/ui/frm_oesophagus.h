#pragma once

#include "oesophagus/model/oeso_experiment.h"
#include "widgets/form_window.h"

class DatabaseError;
class DisplayBox;
class HelpDialog;
class ImageControl;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

// The frog-oesophagus experiment window: the pinned frog with its seed pile,
// the magnified mucosa the seed travels down, the stop-watch, the drug panel
// (Tutorial) or the unknown-drug panel (Examination). What each event does is
// Mod_Oeso::OesoExperiment's; this window owns the timers and the drag, and
// copies the model's view to its controls after every event.
class Frm_Oesophagus final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Oesophagus(Mod_Oeso::OesoPractical &practical);

    void load() override;
    void unloaded() override;

    const Mod_Oeso::OesoExperiment &experiment() const { return m_experiment; }
    QTimer *seedTimer() const { return Timer_Oeso; }
    QTimer *clockTimer() const { return Timer_Clock; }
    QTimer *monitorTimer() const { return Timer_Monitor_Clock; }
    QTimer *fillerTimer() const { return filler_timer; }

    // The drag icon a seed is carried with: "Icon1.ico" beside the program,
    // or a drawn seed when that file is missing.
    static QPixmap seedIcon();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Combo_Drug_Click(int row);
    void Cmd_Instill_Click();
    void filler_timer_Timer();
    void Img_Seeds_MouseDown();
    void Pic_Oeso_DragDrop(const QPoint &position);
    void Timer_Oeso_Timer();
    void Timer_Monitor_Clock_Timer();
    void Cmd_StartClock_Click();
    void cmd_Reset_Click();
    void Timer_Clock_Timer();
    void Cmd_Ringer_Click();
    void Cmd_Exam_Unknow_Click();
    void Cmd_DrgIdentified_Click();
    void Cmd_Next_Click();
    void Cmd_Table_Click();
    void Cmd_New_Click();
    void Command2_Click();
    void Cmdhelp_Click();

    void buildDirection();
    void buildSetup();
    void buildDrugPanel();
    void buildUnknownPanel();
    void buildClock();
    void buildHelp();
    void buildCommandBar();

    // Initialisation on creation and by New.
    void initialise();
    void cannotStart(const QString &message);
    void showView();
    void syncTimer(QTimer *timer, bool running, int intervalMs = 0);

    Mod_Oeso::OesoExperiment m_experiment;

    QTimer *Timer_Oeso;
    QTimer *Timer_Clock;
    QTimer *Timer_Monitor_Clock;
    QTimer *filler_timer;
    HelpDialog *cdlhelp;

    QLabel *Lab_title = nullptr;
    ImageControl *Pic_Oeso = nullptr;
    ImageControl *Img_Seeds = nullptr;
    QWidget *Img_Seed_Drop = nullptr;
    ImageControl *Image_filler = nullptr;
    ImageControl *Pic_Zoomed = nullptr;
    QWidget *Shape_Seed = nullptr;
    QLabel *lastdrugname_lbl = nullptr;
    QLabel *Lab_drug = nullptr;
    QLabel *Lab_DrugGiven = nullptr;

    QGroupBox *Frame_Drug = nullptr;
    QComboBox *Combo_Drug = nullptr;
    QLabel *Lab_Texttube = nullptr;
    QPushButton *Cmd_Instill = nullptr;
    QListWidget *drughistory = nullptr;
    QLabel *frogno = nullptr;

    QGroupBox *Frame_Drug_Select = nullptr;
    QListWidget *Lst_UnknownDrug = nullptr;
    QPushButton *Cmd_DrgIdentified = nullptr;
    QPushButton *Cmd_Ringer = nullptr;
    QPushButton *Cmd_Exam_Unknow = nullptr;

    DisplayBox *txt_time[3] = {nullptr, nullptr, nullptr};
    QPushButton *Cmd_StartClock = nullptr;

    QLabel *lbl_stephelp = nullptr;
    QPushButton *Cmd_Table = nullptr;
    QPushButton *Cmd_New = nullptr;
    QPushButton *Cmd_Next = nullptr;
};
