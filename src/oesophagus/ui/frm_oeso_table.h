#pragma once

#include "oesophagus/model/oesophagus_state.h"
#include "widgets/form_window.h"

class PasswordGateway;
class QGroupBox;
class TextGrid;

// The oesophagus's results window: the model table in the Tutorial; at the
// end of an examination the supervisor's gateway, then the readings, their
// means, the drugs given and the student's answers.
class Frm_Oeso_Table final : public FormWindow
{
    Q_OBJECT

public:
    explicit Frm_Oeso_Table(Mod_Oeso::OesoPractical &practical);
    void load() override;

private:
    void Cmd_End_Click();
    // The supervisor's password was right.
    void FillOesoResults();

    Mod_Oeso::OesoPractical &m_practical;
    QGroupBox *Frame_Grid;
    TextGrid *Grid_oeso;
    PasswordGateway *Frame_Pass;
};
