#pragma once

#include "heart/model/heart_state.h"
#include "widgets/form_window.h"

class PasswordGateway;
class QGroupBox;
class QListWidget;
class QRadioButton;
class TextGrid;

// The heart's questions window: the Tutorial's study questions, the
// identification of an unknown in Examinations 1 and 2, and in Examination 3
// the comparison of rates, the student's choice and the supervisor's
// password before the results tables.
class Frm_Question final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Question(Heart::HeartPractical &practical);
    void load() override;

    // The drugs the student identifies the unknown among (Examinations 1, 2).
    void setDrugList(const QStringList &names);
    // Examination 3: the rates measured on each heart, in a grid measured in
    // the heart window's font.
    void showComparison(const QFontMetrics &heartWindowFont);

private:
    void Cmd_Ret_Click();
    void Cmd_Done1_Click();
    void Cmd_done_Click();
    void Cmd_exam4_Click();

    Heart::HeartPractical &m_practical;
    void buildTutorialQuestions();
    void buildIdentification();
    void buildComparison();
    void buildSupervisorGateway();
    QString selectedDrug() const;
    // The supervisor's password was right: the results tables.
    void supervisorAccepted();

    QGroupBox *Frame_TutQuestions = nullptr;
    QGroupBox *Frame_ExamQuestions = nullptr;
    QListWidget *Lst_Drugs = nullptr;
    QGroupBox *Frame_exam4 = nullptr;
    TextGrid *MsGrid_Table1 = nullptr;
    QRadioButton *Opt_dr_0 = nullptr;
    QRadioButton *Opt_dr_1 = nullptr;
    PasswordGateway *Frame_Password = nullptr;
};
