#pragma once

#include "core/results_report.h"
#include "rabbit/model/rabbit_state.h"
#include "widgets/form_window.h"

class PasswordGateway;
class QGroupBox;
class QPushButton;
class TextGrid;

// The rabbit's results window, showing one face at a time: the Tutorial's
// model table, the Tutorial's closing questions, or, after Examination 2,
// the supervisor's gateway and the examination results, which the supervisor
// may save as a PDF.
class Frm_Rab_Table final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Rab_Table(Rab_eye::RabPractical &practical);
    void load() override;

private:
    void Cmd_pass_accepted();
    void Cmd_End_Click();
    void Cmd_return_Click();
    void Cmd_ok_Click();

    void buildGateway();
    void buildTable();
    void buildQuestions();
    void ShowRabTable();
    void backToRabbit();
    // The examination's table, for the supervisor's PDF.
    ResultsReport examinationReport() const;

    Rab_eye::RabPractical &m_practical;
    PasswordGateway *Frame_Pass = nullptr;
    QGroupBox *Frametab = nullptr;
    TextGrid *Grid_Rab = nullptr;
    QPushButton *Cmd_SavePdf = nullptr;
    QGroupBox *Fra_Ques = nullptr;
};
