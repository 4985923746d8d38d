#pragma once

#include "core/results_report.h"
#include "ileum/model/ileum_state.h"
#include "widgets/form_window.h"

#include <QList>

class DisplayBox;
class NumberBox;
class PasswordGateway;
class QGroupBox;
class QLabel;
class QTimer;

// The ileum examination's scoring window: the student's concentration, then
// the supervisor's password, then the student's value, the true value and the
// error ratio, or a blinking warning when the practical was handed in without
// a standard dose, which the supervisor may save as a PDF. Once the student's
// value is in, the window stays above the others and cannot be minimised.
class Frm_I_Exam final : public FormWindow
{
    Q_OBJECT

public:
    static constexpr int WarningBlinkMs = 500;

    explicit Frm_I_Exam(ileum::IleumPractical &practical);
    void load() override;

    QTimer *warningTimer() const { return Timer_War; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void Timer_War_Timer();

    ileum::IleumPractical &m_practical;

    void buildStudentPanel();
    void buildPasswordPanel();
    void buildSupervisorPanel();

    void com_student_Click();
    // The supervisor's password was right: the scores.
    void showScores();
    void Cmd_ok_Click();
    // The scores as the panel shows them, for the supervisor's PDF.
    ResultsReport scoresReport() const;

    QGroupBox *Frame_Match = nullptr;
    NumberBox *Txt_Cal_Con = nullptr;
    PasswordGateway *Frame_Password = nullptr;
    QGroupBox *Fra_Super = nullptr;
    DisplayBox *Txt_cal = nullptr;
    DisplayBox *Txt_Act = nullptr;
    DisplayBox *Txt_err = nullptr;
    QLabel *Lab_Warning = nullptr;
    QList<QLabel *> m_scoreLabels;
    QTimer *Timer_War = nullptr;
    bool m_keptInView = false;
};
