#pragma once

#include "widgets/form_window.h"

// The six revision questions at the end of the oesophagus Tutorial.
class Frm_Oeso_Quest final : public FormWindow
{
    Q_OBJECT

public:
    Frm_Oeso_Quest();
    void load() override;

private:
    void cmdBack_Click();
    void Cmd_Done1_Click();
};
