#pragma once

#include "rabbit/model/rabbit_state.h"
#include "widgets/form_window.h"

class PasswordGateway;
class QGroupBox;
class TextGrid;

// The rabbit's results window, showing one face at a time: the Tutorial's
// model table, the Tutorial's closing questions, or, after Examination 2,
// the supervisor's gateway and the examination results.
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

    Rab_eye::RabPractical &m_practical;
    PasswordGateway *Frame_Pass = nullptr;
    QGroupBox *Frametab = nullptr;
    TextGrid *Grid_Rab = nullptr;
    QGroupBox *Fra_Ques = nullptr;
};
