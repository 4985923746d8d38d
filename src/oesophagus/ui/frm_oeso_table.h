#pragma once

#include "core/results_report.h"
#include "oesophagus/model/oesophagus_state.h"
#include "widgets/form_window.h"

class PasswordGateway;
class QGroupBox;
class QPushButton;
class TextGrid;

// The oesophagus's results window: the model table in the Tutorial; at the
// end of an examination the supervisor's gateway, then the readings, their
// means, the drugs given and the student's answers, which the supervisor may
// save as a PDF.
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
    // The examination's table, for the supervisor's PDF.
    ResultsReport examinationReport() const;

    Mod_Oeso::OesoPractical &m_practical;
    QGroupBox *Frame_Grid;
    TextGrid *Grid_oeso;
    PasswordGateway *Frame_Pass;
    QPushButton *Cmd_SavePdf;
};
