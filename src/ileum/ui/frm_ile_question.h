#pragma once

#include "widgets/form_window.h"

// The Tutorial's four study questions, answered outside the program. Ok ends
// the practical; Return goes back to the experiment window as it was left.
class Frm_Ile_Question final : public FormWindow
{
    Q_OBJECT

public:
    Frm_Ile_Question();
    void load() override;

private:
    void Cmd_Done1_Click();
    void Cmd_return_Click();
};
